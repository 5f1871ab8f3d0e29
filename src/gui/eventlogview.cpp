#include "eventlogview.h"
#include "ui_eventlogview.h"

#include "records/eventfilterproxy.h"
#include "records/eventlogmodel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>


namespace {
// The widest a date in the register's format can be.
const QString SampleDate = QStringLiteral("0000-00-00 00:00:00");
constexpr int MinimumModuleWidth = 50;
} // namespace

EventLogView::EventLogView(const QByteArray &data, QWidget *parent)
    : QWidget(parent),
      form(new Ui::EventLogView),
      m_model(new EventLogModel(data, this)),
      m_proxy(new EventFilterProxy(this))
{
    form->setupUi(this);
    m_proxy->setSourceModel(m_model);
    QTableView *table = form->table;
    // The sort indicator starts off: the register's own order, newest first, until the
    // technician chooses a column.
    table->horizontalHeader()->setSortIndicator(-1, Qt::DescendingOrder);
    table->setModel(m_proxy);
    table->setSortingEnabled(true);
    // Every row is one line high: the view need not measure 65,000 of them.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The event column takes what the date and the module leave, so that the module stays in
    // sight at any font; a longer text shows whole in its tool tip.
    table->horizontalHeader()->setSectionResizeMode(EventLogModel::EventColumn,
                                                     QHeaderView::Stretch);
    fillModules();
    showSpan();
    fitColumns();
    updateCount();

    connect(form->filterEdit, &QLineEdit::textChanged, this, &EventLogView::applyFilter);
    connect(form->moduleBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &EventLogView::applyFilter);
    connect(form->stateBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &EventLogView::applyFilter);
    connect(form->rangeBox, &QCheckBox::toggled, this, &EventLogView::enableRange);
    connect(form->fromEdit, &QDateTimeEdit::dateTimeChanged, this, &EventLogView::applyFilter);
    connect(form->toEdit, &QDateTimeEdit::dateTimeChanged, this, &EventLogView::applyFilter);
    connect(form->resetButton, &QToolButton::clicked, this, &EventLogView::resetFilter);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_proxy, signal, this, &EventLogView::updateCount);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &EventLogView::updateCount);
    connect(m_proxy, &QAbstractItemModel::layoutChanged, this, &EventLogView::updateCount);
}

EventLogView::~EventLogView()
{
    delete form;
}

QTableView *EventLogView::table() const
{
    return form->table;
}

void EventLogView::focusFilter()
{
    form->filterEdit->setFocus(Qt::ShortcutFocusReason);
    form->filterEdit->selectAll();
}

void EventLogView::fillModules()
{
    form->moduleBox->addItem(tr("wszystkie moduły"), -1);
    const QVector<int> sources = m_proxy->modulesPresent();
    for (int source : sources) {
        EventEntry entry;
        entry.type = quint8(source & 0xF0);
        entry.number = quint8(source & 0x0F);
        form->moduleBox->addItem(Pamietnik::moduleText(entry), source);
    }
}

// The range fields start as the register's whole span: they show it while the range is off,
// and turning it on hides nothing.
void EventLogView::showSpan()
{
    if (m_model->rowCount() == 0)
        return;
    int first = 0;
    int last = 0;
    for (int row = 1; row < m_model->rowCount(); ++row) {
        const qint64 time = m_model->timeKey(row);
        if (time < m_model->timeKey(first))
            first = row;
        if (time > m_model->timeKey(last))
            last = row;
    }
    form->fromEdit->setDateTime(m_model->entry(first).dateTime);
    form->toEdit->setDateTime(m_model->entry(last).dateTime);
}

void EventLogView::enableRange(bool on)
{
    form->fromEdit->setEnabled(on);
    form->toEdit->setEnabled(on);
    applyFilter();
}

void EventLogView::applyFilter()
{
    EventFilter filter;
    filter.text = form->filterEdit->text().trimmed();
    filter.source = form->moduleBox->currentData().toInt();
    filter.state = EventFilter::State(qMax(0, form->stateBox->currentIndex()));
    if (form->rangeBox->isChecked()) {
        filter.from = form->fromEdit->dateTime();
        filter.to = form->toEdit->dateTime();
    }
    m_proxy->setEventFilter(filter);
    updateCount();
}

void EventLogView::resetFilter()
{
    const QSignalBlocker blockers[] = {QSignalBlocker(form->filterEdit),
                                       QSignalBlocker(form->moduleBox),
                                       QSignalBlocker(form->stateBox),
                                       QSignalBlocker(form->rangeBox)};
    form->filterEdit->clear();
    form->moduleBox->setCurrentIndex(0);
    form->stateBox->setCurrentIndex(0);
    form->rangeBox->setChecked(false);
    form->fromEdit->setEnabled(false);
    form->toEdit->setEnabled(false);
    applyFilter();
}

void EventLogView::updateCount()
{
    form->countLabel->setText(
            tr("pokazano %1 z %2").arg(m_proxy->rowCount()).arg(m_model->rowCount()));
}

void EventLogView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitColumns();
}

void EventLogView::fitColumns()
{
    QTableView *table = form->table;
    const QFontMetrics metrics(table->font());
    // Room for the cell's margins and the grid line, as the item delegate lays a cell out.
    const int padding = 2 * metrics.horizontalAdvance(QLatin1Char('0')) + 4;
    // The title too, with room for the sort indicator.
    const QFontMetrics headerMetrics(table->horizontalHeader()->font());
    int moduleWidth = qMax(MinimumModuleWidth,
                           headerMetrics.horizontalAdvance(
                                   m_model->headerData(EventLogModel::ModuleColumn, Qt::Horizontal)
                                           .toString())
                                   + padding + headerMetrics.height());
    for (int i = 1; i < form->moduleBox->count(); ++i)
        moduleWidth = qMax(moduleWidth,
                           metrics.horizontalAdvance(form->moduleBox->itemText(i)) + padding);
    table->setColumnWidth(EventLogModel::DateColumn,
                          metrics.horizontalAdvance(SampleDate) + padding);
    table->setColumnWidth(EventLogModel::ModuleColumn, moduleWidth);
    table->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
}
