#include "configreviewdialog.h"
#include "ui_configreviewdialog.h"

#include "configdiffmodel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>

ConfigReviewDialog::ConfigReviewDialog(const ConfigComparison &comparison,
                                       const QString &leftTitle, const QString &rightTitle,
                                       Mode mode, QWidget *parent)
    : QDialog(parent),
      ui(new Ui::ConfigReviewDialog),
      m_model(new ConfigDiffModel(comparison, leftTitle, rightTitle, mode == Send, this)),
      m_mode(mode)
{
    ui->setupUi(this);
    ui->rowsView->setModel(m_model);
    ui->summaryLabel->setText(summary(comparison));
    ui->warningLabel->setVisible(comparison.moduleSetDiffers());
    ui->warningLabel->setText(
            tr("UWAGA: zestaw modułów się różni (tylko po lewej: %1, tylko po prawej: %2). "
               "Ta konfiguracja może należeć do innej centrali.")
                    .arg(comparison.onlyLeft)
                    .arg(comparison.onlyRight));

    if (mode == Send) {
        setWindowTitle(tr("Przegląd przed wysłaniem"));
        ui->buttonBox->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Wyślij zaznaczone"));
        ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Anuluj"));
        ui->buttonBox->button(QDialogButtonBox::Cancel)->setDefault(true);
        connect(m_model, &ConfigDiffModel::checksChanged, this,
                &ConfigReviewDialog::updateSendButton);
    } else {
        ui->buttonBox->button(QDialogButtonBox::Close)->setText(tr("Zamknij"));
    }
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui->filterBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { setShowAll(index == 1); });
    fitColumns();
}

ConfigReviewDialog::~ConfigReviewDialog() = default;

QString ConfigReviewDialog::summary(const ConfigComparison &c)
{
    return tr("Moduły: %1 po lewej, %2 po prawej. Tylko po lewej: %3, tylko po prawej: %4. "
              "Zmienione ustawienia: %5, bez zmian: %6.")
            .arg(c.leftModules)
            .arg(c.rightModules)
            .arg(c.onlyLeft)
            .arg(c.onlyRight)
            .arg(c.changed)
            .arg(c.unchanged);
}

void ConfigReviewDialog::setShowAll(bool showAll)
{
    m_model->setShowAll(showAll);
    if (ui->filterBox->currentIndex() != (showAll ? 1 : 0))
        ui->filterBox->setCurrentIndex(showAll ? 1 : 0);
    fitColumns();
}

// Setting names differ in their last words and values are short: every column is as wide as
// its longest text, so nothing is cut.
void ConfigReviewDialog::fitColumns()
{
    for (int column = 0; column < m_model->columnCount(); ++column)
        ui->rowsView->resizeColumnToContents(column);
}

void ConfigReviewDialog::updateSendButton()
{
    if (m_mode == Send)
        ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(m_model->checkedCount() > 0);
}
