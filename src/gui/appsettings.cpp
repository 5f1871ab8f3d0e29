#include "appsettings.h"
#include "ui_appsettings.h"

#include "archive/archivecatalogue.h"
#include "archive/archivesettings.h"
#include "archive/localarchive.h"
#include "dialogs.h"
#include "store/dbmanager.h"
#include "store/languagenames.h"
#include "visits/visitstore.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QIdentityProxyModel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSqlQueryModel>

#include <iterator>

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

// What each archive scope keeps on this computer, in the order of ArchiveScope.
struct ScopeText
{
    const char *name;
    const char *note;
};
const ScopeText kScopes[] = {
    {QT_TRANSLATE_NOOP("AppSettings", "wszystko"),
     QT_TRANSLATE_NOOP("AppSettings", "Każdy rekord firmy trafia na ten komputer w całości.")},
    {QT_TRANSLATE_NOOP("AppSettings", "moje obiekty"),
     QT_TRANSLATE_NOOP("AppSettings",
                       "W całości trafiają tu obiekty, w których były Twoje wizyty, i rekordy, "
                       "które sam zapisałeś w archiwum. O pozostałych ten komputer zna tylko "
                       "opis; pobiera je, gdy je otworzysz.")},
    {QT_TRANSLATE_NOOP("AppSettings", "wybrane obiekty"),
     QT_TRANSLATE_NOOP("AppSettings",
                       "W całości trafiają tu obiekty zaznaczone poniżej i Twoje własne rekordy. "
                       "O pozostałych ten komputer zna tylko opis; pobiera je, gdy je otworzysz.")},
};

// The site lines the local catalogue knows, with the newest revision's name. Read a page at a
// time; bounded, as a company has thousands of sites, not millions.
QVector<QPair<QString, QString>> knownSites(const QSqlDatabase &db)
{
    QVector<QPair<QString, QString>> sites;
    QSet<QString> seen;
    const LocalArchive archive(db);
    CatalogueQuery query;
    query.kind = QStringLiteral("site");
    query.limit = 500;
    for (int pages = 0; pages < 200; ++pages) {
        const CataloguePage page = archive.catalogue(query);
        for (const CatalogueEntry &entry : page.entries) {
            const QString line = entry.line.isEmpty() ? entry.uuid : entry.line;
            if (!seen.contains(line)) {
                seen.insert(line);
                sites.append({line, entry.name});
            }
        }
        if (!page.more || page.entries.isEmpty())
            break;
        query.beforeSeq = page.entries.constLast().seq;
    }
    return sites;
}

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
    for (const ScopeText &scope : kScopes)
        ui->archiveScope->addItem(tr(scope.name));
    ui->archiveScope->setCurrentIndex(int(archive.scope));
    loadSites(archive.sites);
    connect(ui->archiveScope, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &AppSettings::showScope);
    connect(ui->archiveSiteFilter, &QLineEdit::textChanged, this, [this](const QString &text) {
        for (int row = 0; row < ui->archiveSites->count(); ++row) {
            QListWidgetItem *item = ui->archiveSites->item(row);
            item->setHidden(!item->text().contains(text.trimmed(), Qt::CaseInsensitive));
        }
    });
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
        showScope();
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

void AppSettings::loadSites(const QStringList &chosen)
{
    QSet<QString> left(chosen.begin(), chosen.end());
    for (const auto &site : knownSites(DbManager::instance()->database())) {
        auto *item = new QListWidgetItem(site.second, ui->archiveSites);
        item->setData(Qt::UserRole, site.first);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(left.remove(site.first) ? Qt::Checked : Qt::Unchecked);
    }
    ui->archiveSites->sortItems();
    // A chosen site this catalogue does not know yet stays chosen.
    for (const QString &line : left) {
        auto *item = new QListWidgetItem(tr("obiekt jeszcze nieznany na tym komputerze (%1)")
                                                 .arg(line),
                                         ui->archiveSites);
        item->setData(Qt::UserRole, line);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Checked);
    }
}

void AppSettings::showScope()
{
    const int scope = qBound(0, ui->archiveScope->currentIndex(), int(std::size(kScopes)) - 1);
    ui->archiveScopeNote->setText(tr(kScopes[scope].note));
    const bool chosen = scope == int(ArchiveScope::ChosenSites);
    ui->archiveSiteFilter->setVisible(chosen);
    ui->archiveSites->setVisible(chosen);
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
    archive.scope = ArchiveScope(ui->archiveScope->currentIndex());
    for (int row = 0; row < ui->archiveSites->count(); ++row) {
        const QListWidgetItem *item = ui->archiveSites->item(row);
        if (item->checkState() == Qt::Checked)
            archive.sites << item->data(Qt::UserRole).toString();
    }
    archive.save(store);
    emit signalSettingChanged();
    // The catalogue is loaded at start-up; the windows cannot be rebuilt under a running link.
    if (languageChanged)
        Dialogs::instance()->information(
                this, windowTitle(),
                tr("Wybrany język interfejsu zostanie użyty po ponownym uruchomieniu programu."));
}
