#include "eventsmanagement.h"
#include "ui_eventsmanagement.h"

#include "eventlogview.h"
#include "transferprogress.h"
#include "records/eventfilterproxy.h"
#include "records/pamietnik.h"
#include "records/recordcsv.h"
#include "store/dbmanager.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>

#include <memory>

EventsManagement::EventsManagement(QWidget *parent) : EventsManagement(nullptr, parent) {}

EventsManagement::EventsManagement(USBManager *usb, QWidget *parent)
    : RecordManagement(usb, parent, Device::ReadEventLog, Device::EventLogPart,
                       {QStringLiteral("L_"), QStringLiteral("PAMIETNIK"),
                        &DbManager::writeLog, &DbManager::readLogName,
                        &DbManager::readLog, &DbManager::deleteLog}),
      form(new Ui::EventsManagement)
{
    form->setupUi(this);
    setupWindow({form->lista, form->mdiArea, form->readButton, form->deleteButton,
                 form->printButton, form->pdfButton, form->csvButton},
                {tr("Odczytaj"), tr("Wczytaj z urządzenia"), tr("Usuń"), tr("Zapisz do PDF"),
                 tr("Drukuj"), tr("Drukuj"), tr("Usunięcie rejestru zdarzeń"),
                 tr("Usunięcie rejestru zdarzeń o nazwie: %1"),
                 tr("odczyt rejestru zdarzeń"), tr("Czy usunąć rejestr zdarzeń %1?")});
    if (transferProgress())
        transferProgress()->setEntrySize(Pamietnik::RecordSize);
    // While the register tab is on screen, wherever the focus is in the main window.
    auto *find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, &EventsManagement::focusFilter);
}

EventsManagement::~EventsManagement()
{
    delete form;
}

Pamietnik *EventsManagement::makeRegister(QByteArray data)
{
    auto *events = new Pamietnik();
    events->parse(data);
    return events;
}

void EventsManagement::slotClickListaConfig(QModelIndex index)
{
    openListed(index);
}

void EventsManagement::showLog(uint id, QString nazwa)
{
    showRecord(id, nazwa);
}

void EventsManagement::setCurrentLogId(int id)
{
    currentId = id;
}

QWidget *EventsManagement::createView(const QByteArray &data)
{
    // The tab decodes only the rows on screen.
    return new EventLogView(data);
}

void EventsManagement::focusFilter()
{
    // The area keeps no current tab while the focus is outside it, in the list for instance:
    // the tab on top is the one the technician sees.
    QMdiSubWindow *current = form->mdiArea->currentSubWindow();
    if (!current) {
        const auto stacked = form->mdiArea->subWindowList(QMdiArea::StackingOrder);
        current = stacked.isEmpty() ? nullptr : stacked.constLast();
    }
    if (auto *view = current ? qobject_cast<EventLogView *>(current->widget()) : nullptr) {
        form->mdiArea->setActiveSubWindow(current);
        view->focusFilter();
    }
}

bool EventsManagement::filteredRows(int id, QVector<int> *rows, int *total) const
{
    QMdiSubWindow *window = findSubWindow(id);
    auto *view = window ? qobject_cast<EventLogView *>(window->widget()) : nullptr;
    if (!view || !view->proxy()->hidesRows())
        return false;
    *rows = view->proxy()->visibleIndexes();
    *total = view->proxy()->sourceModel()->rowCount();
    return true;
}

QString EventsManagement::buildReport(const QByteArray &data, const QString &name)
{
    const std::unique_ptr<Pamietnik> events(makeRegister(data));
    events->name = name;
    return events->toHtml();
}

QString EventsManagement::buildRowsReport(const QByteArray &data, const QString &name,
                                          const QVector<int> &rows)
{
    const std::unique_ptr<Pamietnik> events(makeRegister(data));
    events->name = name;
    return events->toHtml(rows);
}

QByteArray EventsManagement::buildCsv(const QByteArray &data)
{
    const std::unique_ptr<Pamietnik> events(makeRegister(data));
    return RecordCsv::events(events->events());
}

QByteArray EventsManagement::buildRowsCsv(const QByteArray &data, const QVector<int> &rows)
{
    const std::unique_ptr<Pamietnik> events(makeRegister(data));
    return RecordCsv::events(events->events(), rows);
}
