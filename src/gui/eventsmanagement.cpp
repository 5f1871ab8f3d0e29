#include "eventsmanagement.h"
#include "ui_eventsmanagement.h"

#include "transferprogress.h"
#include "records/eventlogmodel.h"
#include "records/pamietnik.h"
#include "store/dbmanager.h"

#include <QHeaderView>
#include <QTableView>

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
                 form->printButton, form->pdfButton},
                {tr("Odczytaj"), tr("Wczytaj z urządzenia"), tr("Usuń"), tr("Zapisz do PDF"),
                 tr("Drukuj"), tr("Drukuj"), tr("Usunięcie rejestru zdarzeń"),
                 tr("Usunięcie rejestru zdarzeń o nazwie: %1"),
                 tr("odczyt rejestru zdarzeń")});
    if (transferProgress())
        transferProgress()->setEntrySize(Pamietnik::RecordSize);
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
    const std::unique_ptr<Pamietnik> events(makeRegister(data));
    auto *view = new QTableView();
    view->setModel(new EventLogModel(events->events(), view));
    view->setColumnWidth(EventLogModel::DateColumn, 120);
    view->setColumnWidth(EventLogModel::EventColumn, 300);
    view->setColumnWidth(EventLogModel::ModuleColumn, 50);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Every row is one line high: the view need not measure 65,000 of them.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->setWordWrap(false);
    return view;
}

QString EventsManagement::buildReport(const QByteArray &data, const QString &name)
{
    const std::unique_ptr<Pamietnik> events(makeRegister(data));
    events->name = name;
    return events->toHtml();
}
