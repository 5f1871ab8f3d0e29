#include "checktemplatesdialog.h"
#include "ui_checktemplatesdialog.h"

#include "dialogs.h"
#include "visits/checklist.h"
#include "visits/visitstore.h"

#include <QHeaderView>
#include <QPushButton>

namespace {
const char *const Headers[CheckTemplatesDialog::ColumnCount] = {
        QT_TRANSLATE_NOOP("CheckTemplatesDialog", "Sprawdzenie"),
        QT_TRANSLATE_NOOP("CheckTemplatesDialog", "Sposób"),
        QT_TRANSLATE_NOOP("CheckTemplatesDialog", "Wymaganie"),
        QT_TRANSLATE_NOOP("CheckTemplatesDialog", "Wycofany"),
};
} // namespace

CheckTemplatesDialog::CheckTemplatesDialog(VisitStore *store, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CheckTemplatesDialog>()), m_store(store)
{
    ui->setupUi(this);
    ui->rowsTable->setColumnCount(ColumnCount);
    for (int column = 0; column < ColumnCount; ++column)
        ui->rowsTable->setHorizontalHeaderItem(column,
                                               new QTableWidgetItem(tr(Headers[column])));
    ui->rowsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->rowsTable->horizontalHeader()->setSectionResizeMode(RetiredColumn,
                                                            QHeaderView::ResizeToContents);
    // Each row as high as its wrapped text at the columns' current widths.
    ui->rowsTable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const QString &section : checkSections())
        ui->sectionBox->addItem(checkSectionText(section), section);
    connect(ui->sectionBox, QOverload<int>::of(&QComboBox::activated), this,
            &CheckTemplatesDialog::showSection);
    connect(ui->addButton, &QPushButton::clicked, this, &CheckTemplatesDialog::addRow);
    connect(ui->upButton, &QPushButton::clicked, this, [this] { moveRow(-1); });
    connect(ui->downButton, &QPushButton::clicked, this, [this] { moveRow(1); });
    connect(ui->saveButton, &QPushButton::clicked, this, &CheckTemplatesDialog::save);
    connect(ui->rowsTable, &QTableWidget::itemChanged, this, [this] { m_changed = true; });
    showSection(0);
}

CheckTemplatesDialog::~CheckTemplatesDialog() = default;

void CheckTemplatesDialog::showSection(int index)
{
    // A section left with changes is saved, or it stays on show.
    if (m_changed && !save()) {
        ui->sectionBox->setCurrentIndex(ui->sectionBox->findData(m_section));
        return;
    }
    m_section = ui->sectionBox->itemData(index).toString();
    const QList<CheckTemplateRow> entries = m_store->checkTemplates(m_section, true);
    ui->rowsTable->setRowCount(entries.size());
    for (int row = 0; row < entries.size(); ++row)
        setRow(row, entries.at(row));
    m_changed = false;
}

void CheckTemplatesDialog::setRow(int row, const CheckTemplateRow &entry)
{
    const bool changed = m_changed;
    const QString texts[] = {entry.item, entry.method, entry.limit};
    for (int column = 0; column < RetiredColumn; ++column) {
        auto *item = new QTableWidgetItem(texts[column]);
        item->setData(Qt::UserRole, entry.id);
        ui->rowsTable->setItem(row, column, item);
    }
    auto *retired = new QTableWidgetItem;
    retired->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    retired->setCheckState(entry.retired ? Qt::Checked : Qt::Unchecked);
    ui->rowsTable->setItem(row, RetiredColumn, retired);
    m_changed = changed;
}

QList<CheckTemplateRow> CheckTemplatesDialog::rows() const
{
    QList<CheckTemplateRow> result;
    for (int row = 0; row < ui->rowsTable->rowCount(); ++row) {
        CheckTemplateRow entry;
        entry.section = m_section;
        entry.id = ui->rowsTable->item(row, ItemColumn)->data(Qt::UserRole).toInt();
        entry.item = ui->rowsTable->item(row, ItemColumn)->text();
        entry.method = ui->rowsTable->item(row, MethodColumn)->text();
        entry.limit = ui->rowsTable->item(row, LimitColumn)->text();
        entry.retired = ui->rowsTable->item(row, RetiredColumn)->checkState() == Qt::Checked;
        result.append(entry);
    }
    return result;
}

void CheckTemplatesDialog::addRow()
{
    const int row = ui->rowsTable->rowCount();
    ui->rowsTable->setRowCount(row + 1);
    setRow(row, CheckTemplateRow());
    m_changed = true;
    ui->rowsTable->setCurrentCell(row, ItemColumn);
    ui->rowsTable->editItem(ui->rowsTable->item(row, ItemColumn));
}

void CheckTemplatesDialog::moveRow(int step)
{
    const int row = ui->rowsTable->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= ui->rowsTable->rowCount())
        return;
    QList<CheckTemplateRow> entries = rows();
    entries.swapItemsAt(row, target);
    setRow(row, entries.at(row));
    setRow(target, entries.at(target));
    m_changed = true;
    ui->rowsTable->setCurrentCell(target, ui->rowsTable->currentColumn());
}

bool CheckTemplatesDialog::save()
{
    if (!m_store->saveCheckTemplates(m_section, rows())) {
        Dialogs::instance()->warning(this, windowTitle(), m_store->lastError());
        return false;
    }
    m_changed = false;
    // The stored rows have their ids now.
    const int index = ui->sectionBox->currentIndex();
    showSection(index);
    return true;
}
