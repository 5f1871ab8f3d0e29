#include "configeditor.h"
#include "ui_configeditor.h"

#include "configsortfilterproxymodel.h"
#include "dialogs.h"
#include "namedelegate.h"
#include "settingdelegate.h"
#include "treemodel.h"

#include "config/konfiguracja.h"
#include "config/setting.h"

#include <QCloseEvent>
#include <QRegExp>
#include <QTreeView>

#include <algorithm>

namespace {
// Room kept for the value column when the name column grows.
constexpr int ValueColumnRoom = 260;
} // namespace

ConfigEditor::ConfigEditor(QWidget *parent) : QFrame(parent), ui(new Ui::ConfigEditor)
{
    ui->setupUi(this);
    // The tree announces expanded rows while it is still laying them out; measuring then would
    // disturb that layout, so the fit runs once the event loop is back.
    m_fitNameColumn.setParent(this);
    m_fitNameColumn.setSingleShot(true);
    m_fitNameColumn.setInterval(0);
    connect(&m_fitNameColumn, &QTimer::timeout, this, &ConfigEditor::fitNameColumn);
    connect(ui->reloadButton, &QPushButton::clicked, this, &ConfigEditor::signalReloadRequested);
    connect(ui->compareStoredButton, &QPushButton::clicked, this,
            &ConfigEditor::signalCompareStoredRequested);
}

ConfigEditor::~ConfigEditor() = default;

void ConfigEditor::showStale(const QString &text)
{
    ui->staleText->setText(text);
    ui->staleBanner->show();
}

void ConfigEditor::hideStale()
{
    ui->staleBanner->hide();
}

bool ConfigEditor::setModel(TreeModel *model)
{
    if (!model)
        return false;
    m_model = model;
    m_proxy = new ConfigSortFilterProxyModel(this);
    m_proxy->setSourceModel(model);
    m_proxy->setFilterKeyColumn(0);
    ui->configView->setModel(m_proxy);
    m_settingDelegate = new SettingDelegate(this);
    m_nameDelegate = new NameDelegate(this);
    ui->configView->setItemDelegateForColumn(TreeModel::ValueColumn, m_settingDelegate);
    ui->configView->setItemDelegateForColumn(TreeModel::NameColumn, m_nameDelegate);
    ui->configView->hideColumn(TreeModel::DescriptionColumn);
    ui->configView->setColumnWidth(TreeModel::NameColumn, 400);
    connect(model, &TreeModel::dataChanged, this, &ConfigEditor::slotDataChanged);
    connect(ui->configView, &QTreeView::expanded, &m_fitNameColumn,
            QOverload<>::of(&QTimer::start));
    return true;
}

bool ConfigEditor::hasUnsavedChanges() const
{
    return ui->save->isEnabled();
}

void ConfigEditor::setUnsavedChanges(bool changed)
{
    ui->save->setEnabled(changed);
}

void ConfigEditor::on_save_clicked()
{
    if (!m_model || !m_model->konfiguracja())
        return;
    const uint id = property("ID").toUInt();
    const QByteArray bytes = m_model->konfiguracja()->toByteArray(Konfiguracja::FromDatabase);
    // Disabled before the signal: a receiver that fails to store turns it back on.
    ui->save->setEnabled(false);
    emit signalSaveConfig(id, QString(), bytes);
    if (!ui->save->isEnabled()) {
        m_model->clearModified();
        refreshMarks();
    }
}

void ConfigEditor::refreshMarks()
{
    ui->configView->viewport()->update();
    // The colours mean nothing by themselves: say what they mark while any shows.
    bool marked = false;
    if (m_model)
        m_model->forEachSetting([&marked](Setting *setting) {
            marked = marked || setting->isConflict() || setting->isModified();
        });
    ui->marksLegend->setVisible(marked);
}

void ConfigEditor::clearConflictMarks()
{
    if (m_model)
        m_model->forEachSetting([](Setting *setting) { setting->setConflict(false); });
    refreshMarks();
}

void ConfigEditor::applyNameFilter()
{
    if (!m_proxy)
        return;
    m_proxy->setFilterRegExp(
            QRegExp(ui->filterModule->text(), Qt::CaseInsensitive, QRegExp::FixedString));
    m_proxy->setFilterKeyColumn(0);
    // Matches sit inside the modules; show them without making the user open every module.
    if (!ui->filterModule->text().isEmpty()) {
        ui->configView->expandAll();
        m_fitNameColumn.start();
    }
}

// Many names differ only in their last words (the line, zone or group they concern), so a cut
// name is useless: the column grows to the longest shown name while the value keeps its room.
void ConfigEditor::fitNameColumn()
{
    QTreeView *tree = ui->configView;
    // The tree's own size hint (public through the base) counts the indentation of its rows.
    const QAbstractItemView *view = tree;
    const int wanted = std::min(view->sizeHintForColumn(TreeModel::NameColumn),
                                tree->viewport()->width() - ValueColumnRoom);
    if (wanted > tree->columnWidth(TreeModel::NameColumn))
        tree->setColumnWidth(TreeModel::NameColumn, wanted);
}

void ConfigEditor::on_filtrujButton_clicked()
{
    applyNameFilter();
}

void ConfigEditor::on_filterModule_textChanged(const QString &)
{
    applyNameFilter();
}

void ConfigEditor::on_zadeklarowaneBox_clicked()
{
    if (!m_proxy)
        return;
    m_proxy->setShowUndeclared(ui->zadeklarowaneBox->isChecked());
    // Keeps the name filter that the line edit shows in force.
    applyNameFilter();
    m_proxy->refilter();
}

void ConfigEditor::on_expandView_stateChanged(int state)
{
    if (state != 0) {
        ui->configView->expandAll();
        m_fitNameColumn.start();
    } else
        ui->configView->collapseAll();
}

void ConfigEditor::slotDataChanged()
{
    ui->save->setEnabled(true);
    refreshMarks();
}

void ConfigEditor::closeEvent(QCloseEvent *event)
{
    if (!askToSave(tr("Konfiguracja %1 została zmieniona. Czy zapisać zmiany?")
                           .arg(property("NAME").toString()))) {
        event->ignore();
        return;
    }
    // "Nie" drops the edits with the window.
    ui->save->setEnabled(false);
    event->accept();
}

bool ConfigEditor::askToSave(const QString &question)
{
    if (!ui->save->isEnabled())
        return true;
    const auto answer = Dialogs::instance()->question(
            this, tr("Konfiguracja"), question,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes) {
        on_save_clicked();
        // Storing failed: the edits would be lost or left out.
        return !ui->save->isEnabled();
    }
    return true;
}
