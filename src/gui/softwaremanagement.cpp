#include "softwaremanagement.h"
#include "ui_softwaremanagement.h"

#include "records/recordcsv.h"
#include "records/softwareversions.h"
#include "store/dbmanager.h"

#include <QStandardItemModel>
#include <QTableView>

SoftwareManagement::SoftwareManagement(QWidget *parent) : SoftwareManagement(nullptr, parent) {}

SoftwareManagement::SoftwareManagement(USBManager *usb, QWidget *parent)
    : RecordManagement(usb, parent, Device::ReadSoftware, Device::SoftwareData,
                       {QStringLiteral("S_"), QStringLiteral("OPROGRAMOWANIE"),
                        &DbManager::writeSoftwareVersions, &DbManager::readSoftwareVersionsName,
                        &DbManager::readSoftwareVersions, &DbManager::deleteSoftwareVersions}),
      form(new Ui::SoftwareManagement)
{
    form->setupUi(this);
    setupWindow({form->lista, form->mdiArea, form->readButton, form->deleteButton,
                 form->printButton, form->pdfButton, form->csvButton},
                {tr("Odczytaj"), tr("Wczytaj z urządzenia"), tr("Usuń"), tr("Zapisz do PDF"),
                 tr("&Drukuj"), tr("Drukuj"), tr("Usunięcie wersji oprogramowania"),
                 tr("Usunięcie wersji o nazwie: %1"),
                 tr("odczyt wersji oprogramowania"),
                 tr("Czy usunąć wersje oprogramowania %1?")});
}

SoftwareManagement::~SoftwareManagement()
{
    delete form;
}

void SoftwareManagement::slotClickListaConfig(QModelIndex index)
{
    openListed(index);
}

void SoftwareManagement::showSoftware(uint id, QString nazwa)
{
    showRecord(id, nazwa);
}

QWidget *SoftwareManagement::createView(const QByteArray &data)
{
    auto *view = new QTableView();
    view->setModel(SoftwareVersions::model(data, view));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    return view;
}

QString SoftwareManagement::buildReport(const QByteArray &data, const QString &name)
{
    return SoftwareVersions::toHtml(data, name);
}

QByteArray SoftwareManagement::buildCsv(const QByteArray &data)
{
    return RecordCsv::software(SoftwareVersions::decode(data));
}
