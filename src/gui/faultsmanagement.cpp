#include "faultsmanagement.h"
#include "ui_faultsmanagement.h"

#include "records/recordcsv.h"
#include "records/uszkodzenia.h"
#include "store/dbmanager.h"

#include <QStandardItemModel>
#include <QTreeView>

#include <memory>

FaultsManagement::FaultsManagement(QWidget *parent) : FaultsManagement(nullptr, parent) {}

FaultsManagement::FaultsManagement(USBManager *usb, QWidget *parent)
    : RecordManagement(usb, parent, Device::ReadFaults, Device::FaultsData,
                       {QStringLiteral("S_"), QStringLiteral("USZKODZENIA"),
                        &DbManager::writeFaults, &DbManager::readFaultsName,
                        &DbManager::readFaults, &DbManager::deleteFaults}),
      form(new Ui::FaultsManagement)
{
    form->setupUi(this);
    setupWindow({form->lista, form->mdiArea, form->readButton, form->deleteButton,
                 form->printButton, form->pdfButton, form->csvButton},
                {tr("Odczytaj"), tr("Wczytaj z urządzenia"), tr("Usuń"), tr("Zapisz do PDF"),
                 tr("&Drukuj"), tr("Drukuj"), tr("Usunięcie uszkodzeń"),
                 tr("Usunięcie listy uszkodzeń o nazwie: %1"),
                 tr("odczyt listy uszkodzeń"), tr("Czy usunąć listę uszkodzeń %1?")});
}

FaultsManagement::~FaultsManagement()
{
    delete form;
}

Uszkodzenia *FaultsManagement::makeFaults(QByteArray data)
{
    auto *faults = new Uszkodzenia();
    faults->parse(data);
    return faults;
}

void FaultsManagement::slotClickListaFault(QModelIndex index)
{
    openListed(index);
}

void FaultsManagement::showFaults(uint id, QString nazwa)
{
    showRecord(id, nazwa);
}

QWidget *FaultsManagement::createView(const QByteArray &data)
{
    const std::unique_ptr<Uszkodzenia> faults(makeFaults(data));
    auto *view = new QTreeView();
    QStandardItemModel *tree = faults->model();
    // The tree holds only texts and stays with the view when the record goes.
    tree->setParent(view);
    view->setModel(tree);
    view->setHeaderHidden(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->expandAll();
    return view;
}

QString FaultsManagement::buildReport(const QByteArray &data, const QString &name)
{
    const std::unique_ptr<Uszkodzenia> faults(makeFaults(data));
    faults->name = name;
    return faults->toHtml();
}

QByteArray FaultsManagement::buildCsv(const QByteArray &data)
{
    const std::unique_ptr<Uszkodzenia> faults(makeFaults(data));
    return RecordCsv::faults(faults->modules);
}
