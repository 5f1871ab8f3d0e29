#include "configreviewdialog.h"
#include "ui_configreviewdialog.h"

#include "configdiffmodel.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScreen>
#include <QStyle>
#include <QPushButton>
#include <QTreeView>

#include <climits>

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

// Setting names differ in their last words: every column is as wide as its longest text over
// all rows (the view itself measures only the rows on screen), and the window grows to show
// them all, but never beyond the main window (nor the screen). When they do not fit there, the
// columns narrower than an equal share keep their width and the others share the rest, so
// every column stays readable; a cut text ends in an ellipsis and its tooltip holds all of it.
void ConfigReviewDialog::fitColumns()
{
    QTreeView *view = ui->rowsView;
    QStyle *style = view->style();
    const int padding = 2 * style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 16;
    const int check = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, view) + 8;
    const QFontMetrics header(view->header()->font());
    QVector<int> widths;
    int total = 0;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        int width = header.horizontalAdvance(
                            m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole)
                                    .toString())
                + padding;
        for (int row = 0; row < m_model->rowCount(); ++row) {
            const QModelIndex index = m_model->index(row, column);
            const QVariant font = index.data(Qt::FontRole);
            const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : view->font());
            const int extra = index.data(Qt::CheckStateRole).isValid() ? check : 0;
            width = qMax(width,
                         metrics.horizontalAdvance(index.data().toString()) + padding + extra);
        }
        widths.append(width);
        total += width;
    }
    const QMargins margins = layout()->contentsMargins();
    const int chrome = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view)
            + 2 * view->frameWidth() + margins.left() + margins.right();
    int limit = screen() ? screen()->availableGeometry().width() - 40 : INT_MAX;
    if (parentWidget())
        limit = qMin(limit, parentWidget()->window()->width());
    const int dialogWidth = qMin(qMax(total + chrome, width()), limit);
    if (dialogWidth != width())
        resize(dialogWidth, height());

    int room = dialogWidth - chrome;
    QVector<int> squeezed;
    for (int column = 0; column < widths.size(); ++column)
        squeezed.append(column);
    for (bool settled = total <= room; !settled && !squeezed.isEmpty();) {
        settled = true;
        const int share = room / squeezed.size();
        for (int i = squeezed.size() - 1; i >= 0; --i) {
            if (widths.at(squeezed.at(i)) <= share) {
                room -= widths.at(squeezed.at(i));
                squeezed.removeAt(i);
                settled = false;
            }
        }
        if (settled) {
            for (int column : squeezed)
                widths[column] = share;
        }
    }
    for (int column = 0; column < widths.size(); ++column)
        view->setColumnWidth(column, widths.at(column));
}

void ConfigReviewDialog::updateSendButton()
{
    if (m_mode == Send)
        ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(m_model->checkedCount() > 0);
}
