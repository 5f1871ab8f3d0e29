#include "visitstartdialog.h"
#include "ui_visitstartdialog.h"

#include "dialogs.h"
#include "config/konfiguracja.h"
#include "link/linkreply.h"
#include "link/usbmanager.h"
#include "visits/visitstore.h"

#include <QPushButton>
#include <QSqlDatabase>

namespace {
const VisitType TypeChoices[] = {VisitType::Periodic, VisitType::Repair,
                                 VisitType::Commissioning, VisitType::Other};
}

VisitStartDialog::VisitStartDialog(USBManager *link, VisitStore *store, QWidget *parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::VisitStartDialog>()),
      m_link(link),
      m_store(store)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Rozpocznij przegląd"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Anuluj", "Cancel"));
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &VisitStartDialog::accept);
    for (const VisitType type : TypeChoices)
        ui->typeBox->addItem(visitTypeText(type));

    const Visit remembered = m_store->rememberedTechnician();
    ui->technicianEdit->setText(remembered.technician);
    ui->certificateEdit->setText(remembered.certificate);
    ui->companyEdit->setText(remembered.company);

    connect(ui->siteBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VisitStartDialog::siteChosen);
    connect(ui->unitBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VisitStartDialog::unitChosen);
    connect(ui->matchList, &QListWidget::currentRowChanged, this, &VisitStartDialog::matchChosen);
    connect(ui->identifyButton, &QPushButton::clicked, this, &VisitStartDialog::identify);
    ui->identifyButton->setEnabled(link && link->isOpen());
    fillSites(0);
    // A connected unit is recognised at once, so that its stored record is offered first.
    if (link && link->isOpen())
        QMetaObject::invokeMethod(
                this, [this] { if (m_modules.isEmpty()) identify(); }, Qt::QueuedConnection);
}

VisitStartDialog::~VisitStartDialog()
{
    // Nobody waits for the unit's configuration any more.
    if (m_identify)
        m_identify->cancel();
}

void VisitStartDialog::identify()
{
    if (m_identify || !m_link)
        return;
    LinkReply *reply = m_link->request(Device::ReadConfig, QByteArray(), Device::ConfigData);
    if (reply->isFinished())
        return;
    m_identify = reply;
    ui->identifyButton->setEnabled(false);
    ui->modulesLabel->setText(tr("Odczyt konfiguracji…"));
    connect(reply, &LinkReply::finished, this, [this](const QByteArray &payload) {
        m_identify = nullptr;
        Konfiguracja config;
        ui->identifyButton->setEnabled(true);
        if (!config.parse(payload, Konfiguracja::FromDevice)) {
            ui->modulesLabel->setText(tr("Nie rozpoznano konfiguracji centrali."));
            return;
        }
        setModules(moduleSetOf(config));
    });
    connect(reply, &LinkReply::failed, this, [this](int outcome) {
        m_identify = nullptr;
        if (outcome == LinkReply::Cancelled)
            return;
        ui->identifyButton->setEnabled(m_link && m_link->isOpen());
        ui->modulesLabel->setText(tr("Centrala nie odpowiada."));
    });
}

void VisitStartDialog::setModules(const ModuleSet &modules)
{
    if (m_identify)
        m_identify->cancel();
    ui->identifyButton->setEnabled(m_link && m_link->isOpen());
    m_modules = modules;
    ui->modulesLabel->setText(moduleSetText(modules));
    ui->matchList->clear();
    const QList<Unit> units = m_store->matchingUnits(modules);
    for (const Unit &unit : units) {
        auto *item = new QListWidgetItem(QStringLiteral("%1 — %2").arg(
                unit.label, m_store->site(unit.siteId).name));
        item->setData(Qt::UserRole, unit.id);
        ui->matchList->addItem(item);
    }
    if (units.isEmpty())
        ui->matchList->addItem(tr("Żadna zapisana centrala nie ma tych modułów."));
    else
        ui->matchList->setCurrentRow(0);
}

void VisitStartDialog::fillSites(int selectSite)
{
    ui->siteBox->blockSignals(true);
    ui->siteBox->clear();
    ui->siteBox->addItem(tr("— nowy obiekt —"), 0);
    for (const Site &site : m_store->sites())
        ui->siteBox->addItem(site.name, site.id);
    ui->siteBox->setCurrentIndex(qMax(0, ui->siteBox->findData(selectSite)));
    ui->siteBox->blockSignals(false);
    siteChosen();
}

void VisitStartDialog::siteChosen()
{
    const Site site = m_store->site(ui->siteBox->currentData().toInt());
    const QString texts[] = {site.name, site.address, site.owner, site.contact, site.phone};
    QLineEdit *edits[] = {ui->siteNameEdit, ui->siteAddressEdit, ui->siteOwnerEdit,
                          ui->siteContactEdit, ui->sitePhoneEdit};
    for (int i = 0; i < 5; ++i)
        edits[i]->setText(texts[i]);
    fillUnits(0);
}

void VisitStartDialog::fillUnits(int selectUnit)
{
    ui->unitBox->blockSignals(true);
    ui->unitBox->clear();
    ui->unitBox->addItem(tr("— nowa centrala —"), 0);
    const int siteId = ui->siteBox->currentData().toInt();
    if (siteId != 0) {
        for (const Unit &unit : m_store->units(siteId))
            ui->unitBox->addItem(unit.label, unit.id);
    }
    ui->unitBox->setCurrentIndex(qMax(0, ui->unitBox->findData(selectUnit)));
    ui->unitBox->blockSignals(false);
    unitChosen();
}

void VisitStartDialog::unitChosen()
{
    const Unit unit = m_store->unit(ui->unitBox->currentData().toInt());
    ui->unitNameEdit->setText(unit.label);
    ui->unitPlaceEdit->setText(unit.place);
    ui->unitSerialEdit->setText(unit.serialNumber);
    ui->unitInstalledEdit->setText(unit.installed.toString(Qt::ISODate));
}

void VisitStartDialog::matchChosen()
{
    QListWidgetItem *item = ui->matchList->currentItem();
    const int unitId = item ? item->data(Qt::UserRole).toInt() : 0;
    if (unitId == 0)
        return;
    const Unit unit = m_store->unit(unitId);
    fillSites(unit.siteId);
    fillUnits(unit.id);
}

void VisitStartDialog::accept()
{
    Site site = m_store->site(ui->siteBox->currentData().toInt());
    site.name = ui->siteNameEdit->text().trimmed();
    site.address = ui->siteAddressEdit->text().trimmed();
    site.owner = ui->siteOwnerEdit->text().trimmed();
    site.contact = ui->siteContactEdit->text().trimmed();
    site.phone = ui->sitePhoneEdit->text().trimmed();
    Unit unit = m_store->unit(ui->unitBox->currentData().toInt());
    unit.label = ui->unitNameEdit->text().trimmed();
    unit.place = ui->unitPlaceEdit->text().trimmed();
    unit.serialNumber = ui->unitSerialEdit->text().trimmed();
    if (unit.id == 0 && !m_modules.isEmpty())
        unit.modules = m_modules;

    QString error;
    if (!parseVisitDate(ui->unitInstalledEdit->text().trimmed(), tr("Data instalacji"), true,
                        &unit.installed, &error)) {
        Dialogs::instance()->warning(this, tr("Nowy przegląd"), error);
        return;
    }
    Visit visit;
    visit.type = TypeChoices[qBound(0, ui->typeBox->currentIndex(), 3)];
    visit.technician = ui->technicianEdit->text().trimmed();
    visit.certificate = ui->certificateEdit->text().trimmed();
    visit.company = ui->companyEdit->text().trimmed();

    // Site, unit and visit are stored together or not at all.
    QSqlDatabase db = QSqlDatabase::database();
    const bool transaction = db.transaction();
    unit.siteId = m_store->saveSite(site);
    visit.unitId = unit.siteId != 0 ? m_store->saveUnit(unit) : 0;
    m_visitId = visit.unitId != 0 ? m_store->startVisit(visit) : 0;
    if (m_visitId == 0) {
        if (transaction)
            db.rollback();
        Dialogs::instance()->warning(this, tr("Nowy przegląd"), m_store->lastError());
        return;
    }
    if (transaction)
        db.commit();
    QDialog::accept();
}
