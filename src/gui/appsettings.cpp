#include "appsettings.h"
#include "ui_appsettings.h"

#include "archive/archivesettings.h"
#include "dialogs.h"
#include "store/dbmanager.h"
#include "store/languagenames.h"
#include "visits/visitstore.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QIdentityProxyModel>
#include <QPushButton>
#include <QSqlQueryModel>

namespace {

// Shows the stored language rows by each language's own name.
class LanguageNames : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const QVariant value = QIdentityProxyModel::data(index, role);
        if (role == Qt::DisplayRole && index.column() == 0)
            return languageOwnName(value.toString());
        return value;
    }
};

} // namespace

AppSettings::AppSettings(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::AppSettings>()), m_languages(new QSqlQueryModel(this))
{
    ui->setupUi(this);
    DbManager *store = DbManager::instance();

    bool sizeOk = false;
    const int pixelSize =
            QString::fromUtf8(store->readAppSetting(AppSetting::FontSize)).toInt(&sizeOk);
    if (sizeOk && pixelSize != 0)
        ui->fontSize->setValue(pixelSize);

    const QString family = QString::fromUtf8(store->readAppSetting(AppSetting::FontType));
    if (!family.isEmpty())
        ui->fontComboBox->setCurrentFont(QFont(family));

    ui->batteryLifeBox->setValue(VisitStore(store->database()).batteryLifeYears());

    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Anuluj", "Cancel"));

    m_languages->setQuery(QStringLiteral("select slj_NazwaOrg,slj_Id from sl_Jezyki"));
    auto *names = new LanguageNames(this);
    names->setSourceModel(m_languages);
    ui->languageBox->setModel(names);
    ui->languageBox->setModelColumn(0);

    // The ids are 1, 2, 3, ... in query order, so the id picks the row directly.
    const int languageId =
            QString::fromUtf8(store->readAppSetting(AppSetting::Language)).toInt();
    ui->languageBox->setCurrentIndex(languageId % 256 - 1);

    loadArchive();
}

void AppSettings::loadArchive()
{
    const ArchiveSettings archive = ArchiveSettings::load(DbManager::instance());
    ui->archiveHost->setText(archive.host);
    ui->archivePort->setValue(archive.port);
    ui->archiveDatabase->setText(archive.database);
    ui->archiveUser->setText(archive.user);
    for (const char *mode : {"verify-full", "require", "prefer"})
        ui->archiveSslMode->addItem(QString::fromLatin1(mode));
    ui->archiveSslMode->setCurrentText(archive.sslMode);
    ui->archiveTechnician->setText(archive.technician);
    ui->archivePasswordNote->setText(
            tr("Hasła nie zapisujemy: PostgreSQL (libpq) bierze je z pliku haseł użytkownika: "
               "~/.pgpass, pliku wskazanego zmienną PGPASSFILE albo "
               "%APPDATA%\\postgresql\\pgpass.conf w Windows."));
    showCaFile();
    connect(ui->archiveCaButton, &QPushButton::clicked, this, &AppSettings::chooseCaFile);
    // Without the driver the archive cannot work at all; say so rather than fail at sync,
    // and offer nothing to fill in.
    if (ArchiveSettings::driverAvailable()) {
        ui->archiveDriverNote->hide();
        return;
    }
    ui->archiveDriverNote->setText(
            tr("Brak sterownika PostgreSQL (QPSQL) w tej instalacji: synchronizacja z "
               "archiwum jest niedostępna."));
    for (QWidget *field : ui->archiveGroup->findChildren<QWidget *>()) {
        if (field != ui->archiveDriverNote)
            field->setEnabled(false);
    }
}

void AppSettings::showCaFile()
{
    // verify-full checks the server against this file: without it no sync starts.
    const QString path = QDir::toNativeSeparators(ArchiveSettings::caFilePath());
    ui->archiveCaNote->setText(
            tr("Dla verify-full certyfikat CA firmy musi być w %1.").arg(path) + QLatin1Char(' ')
            + (QFileInfo::exists(ArchiveSettings::caFilePath()) ? tr("Jest.")
                                                                 : tr("Jeszcze go tam nie ma.")));
}

void AppSettings::chooseCaFile()
{
    const QString file = Dialogs::instance()->getOpenFileName(
            this, tr("Certyfikat CA firmy"), QDir::homePath(),
            tr("Certyfikaty (*.crt *.pem *.cer);;Wszystkie pliki (*)"));
    if (file.isEmpty())
        return;
    QString error;
    if (!ArchiveSettings::installCaFile(file, &error))
        Dialogs::instance()->warning(this, tr("Certyfikat CA firmy"),
                                     tr("Nie skopiowano certyfikatu %1: %2")
                                             .arg(QDir::toNativeSeparators(file), error));
    showCaFile();
}

AppSettings::~AppSettings() = default;

void AppSettings::setHostedMode()
{
    ui->languageWidget->hide();
}

void AppSettings::on_buttonBox_accepted()
{
    DbManager *store = DbManager::instance();
    const int row = ui->languageBox->currentIndex();
    // With no valid row there is no language to store; the stored one stays as it was.
    bool languageChanged = false;
    if (row >= 0) {
        const QByteArray languageId = m_languages->index(row, 1).data().toString().toUtf8();
        languageChanged = languageId != store->readAppSetting(AppSetting::Language);
        store->updateAppSetting(AppSetting::Language, languageId);
    }
    store->updateAppSetting(AppSetting::FontSize, QByteArray::number(ui->fontSize->value()));
    store->updateAppSetting(AppSetting::FontType,
                            ui->fontComboBox->currentFont().family().toUtf8());
    VisitStore(store->database()).setBatteryLifeYears(ui->batteryLifeBox->value());

    ArchiveSettings archive;
    archive.host = ui->archiveHost->text().trimmed();
    archive.port = ui->archivePort->value();
    archive.database = ui->archiveDatabase->text().trimmed();
    archive.user = ui->archiveUser->text().trimmed();
    archive.sslMode = ui->archiveSslMode->currentText();
    archive.technician = ui->archiveTechnician->text().trimmed();
    archive.save(store);
    emit signalSettingChanged();
    // The catalogue is loaded at start-up; the windows cannot be rebuilt under a running link.
    if (languageChanged)
        Dialogs::instance()->information(
                this, windowTitle(),
                tr("Wybrany język interfejsu zostanie użyty po ponownym uruchomieniu programu."));
}
