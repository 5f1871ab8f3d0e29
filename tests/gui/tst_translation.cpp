// ctest-labels: translation
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/setting.h"
#include "gui/diagnosticvalues.h"
#include "gui/mainwindow.h"
#include "gui/startup.h"
#include "store/dbmanager.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <memory>

// The catalogues as a technician gets them. The English file is chosen in the store, loaded
// from the program's directory and installed before the main window builds its option lists
// and fault texts; every catalogue in the tree is checked against the sources.
class TestTranslation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void translatesTexts();
    void storeKeepsWorking();
    void catalogueCoversSources_data();
    void catalogueCoversSources();
    void catalogueKeepsMarkup_data();
    void catalogueKeepsMarkup();
    void catalogueNamesItsLanguage_data();
    void catalogueNamesItsLanguage();
    void languageFiles_data();
    void languageFiles();
    void qtTexts_data();
    void qtTexts();
    void qtCataloguesShipped_data();
    void qtCataloguesShipped();

private:
    QTemporaryDir m_dir;
    QTranslator m_english;
    std::unique_ptr<MainWindow> m_window;
};

void TestTranslation::initTestCase()
{
    QVERIFY(m_dir.isValid() && QDir::setCurrent(m_dir.path()));
    registerResources();
    QVERIFY(openLocalStore(QStringLiteral("./")));
    DbManager::instance()->updateAppSetting(DbManager::LanguageSetting, "S_LANGUAGE", "1");
    QVERIFY(loadTranslation(m_english) && QCoreApplication::installTranslator(&m_english));
    m_window = std::make_unique<MainWindow>();
}

void TestTranslation::translatesTexts()
{
    QCOMPARE(m_window->findChild<QAction *>(QStringLiteral("actionConnect"))->text(),
             QStringLiteral("&Connect"));
    // A setting's name is translated before its block number is filled in, and its option
    // list was built with the translator installed.
    std::unique_ptr<Modul> psl(createModule(0xF0, 1));
    const QList<Setting *> settings = psl->getSettings();
    const auto mode = std::find_if(settings.begin(), settings.end(), [](Setting *setting) {
        return setting->getName() == QLatin1String("Signalling line LS3 - operating mode");
    });
    QVERIFY(mode != settings.end());
    (*mode)->setValue(1);
    QCOMPARE((*mode)->getValueText(), QStringLiteral("Steady on"));
    QCOMPARE(faultText(0xF0, 0x80),
             QStringLiteral("Short circuit of signalling line output 1 (LS1) CLEARED"));
    QVector<quint16> values(Diagnostics::LiveRowCount, 0);
    values[33] = 50;
    QCOMPARE(Diagnostics::liveText(33, values), QStringLiteral("SHORT CIRCUIT"));
}

// The store runs its language rows through tr(): a translated statement would break them.
void TestTranslation::storeKeepsWorking()
{
    QTemporaryDir dir;
    for (int start = 0; start < 2; ++start) {
        DbManager store(QStringLiteral("tst_translation"));
        QVERIFY(store.openDatabase(dir.path()));
        QCOMPARE(store.initTables(), 0);
        char id = '0';
        for (const char *file : {"en", "pl", "ro", "uk", "de"}) {
            store.updateAppSetting(DbManager::LanguageSetting, "S_LANGUAGE", QByteArray(1, ++id));
            QCOMPARE(store.getLanguageFileName(), QLatin1String("konfigurator_") + file);
        }
    }
}

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty when finished
};

struct Catalogue
{
    QString language;
    QList<Message> messages;
    QString error;
};

Catalogue readCatalogue(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = file.errorString();
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("TS")) {
            catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message();
            message.context = context;
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            // Plural forms are joined, so their markup is checked together.
            message.translation =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements);
            catalogue.messages << message;
        }
    }
    if (xml.hasError())
        catalogue.error = xml.errorString();
    return catalogue;
}

QString key(const Message &message)
{
    return message.context + QLatin1Char('|') + message.source + QLatin1Char('|')
            + message.comment;
}

QString translationsDir()
{
    return QFINDTESTDATA("../../translations");
}

// Every catalogue in the source tree, so that a language added later is covered unasked.
void addCatalogueRows()
{
    QTest::addColumn<QString>("path");
    const QDir dir(translationsDir());
    const QStringList names = dir.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
    QVERIFY(names.contains(QLatin1String("konfigurator_en.ts")));
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

// The messages of the sources as they are now, gathered the way the catalogues are refreshed.
const QHash<QString, Message> &sourceMessages()
{
    static QHash<QString, Message> messages;
    if (!messages.isEmpty())
        return messages;
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("sources.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    lupdate.start(QStringLiteral(OSTREL_LUPDATE_PATH),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QFINDTESTDATA("../../src"), QStringLiteral("-ts"), ts});
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0)
        return messages;
    const Catalogue catalogue = readCatalogue(ts);
    for (const Message &message : catalogue.messages)
        messages.insert(key(message), message);
    return messages;
}

} // namespace

void TestTranslation::catalogueCoversSources_data()
{
    addCatalogueRows();
}

// A text the catalogue does not know reaches the technician in Polish without anyone having
// decided so: each one must be translated, or marked unfinished on purpose.
void TestTranslation::catalogueCoversSources()
{
    QFETCH(QString, path);
    const QHash<QString, Message> &sources = sourceMessages();
    QVERIFY(sources.size() > 900);
    const Catalogue catalogue = readCatalogue(path);
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QHash<QString, Message> entries;
    for (const Message &message : catalogue.messages)
        entries.insert(key(message), message);
    QStringList faults;
    for (const Message &source : sources) {
        const auto entry = entries.constFind(key(source));
        if (entry == entries.constEnd())
            faults << QLatin1String("missing: ") + key(source);
        else if (entry->translation.isEmpty() && entry->type != QLatin1String("unfinished"))
            faults << QLatin1String("empty: ") + key(source);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslation::catalogueKeepsMarkup_data()
{
    addCatalogueRows();
}

// What the program fills in or lays out after translating must survive the translation:
// placeholders, mnemonics, tags, line breaks and the blanks at either end. Unfinished entries
// that carry a text are shipped too, so they are held to the same rule.
void TestTranslation::catalogueKeepsMarkup()
{
    QFETCH(QString, path);
    static const QRegularExpression marks(QStringLiteral("%L?\\d|%n|&|</?[A-Za-z0-9]+|\n|^ +| +$"));
    const auto markup = [](const QString &text) {
        QStringList found;
        for (auto it = marks.globalMatch(text); it.hasNext();)
            found << it.next().captured();
        found.sort();
        return found;
    };
    const Catalogue catalogue = readCatalogue(path);
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QStringList broken;
    for (const Message &message : catalogue.messages) {
        if (!message.translation.isEmpty() && markup(message.translation) != markup(message.source))
            broken << message.source + QLatin1String(" -> ") + message.translation;
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
}

void TestTranslation::catalogueNamesItsLanguage_data()
{
    addCatalogueRows();
}

// Start-up picks Qt's own catalogue by the language the file names (the file's suffix is
// the store's name for it, not necessarily a language code).
void TestTranslation::catalogueNamesItsLanguage()
{
    QFETCH(QString, path);
    const QString language = readCatalogue(path).language;
    QVERIFY2(!language.isEmpty(), "no language attribute");
    QCOMPARE(QLocale(language).name(), language);
}

void TestTranslation::languageFiles_data()
{
    QTest::addColumn<int>("language");
    for (int language = 1; language <= 5; ++language)
        QTest::newRow(qPrintable(QString::number(language))) << language;
}

// Each language of the store loads its catalogue once the catalogue exists in the tree: the
// build put the compiled file where start-up looks.
void TestTranslation::languageFiles()
{
    QFETCH(int, language);
    DbManager *store = DbManager::instance();
    store->updateAppSetting(DbManager::LanguageSetting, "S_LANGUAGE",
                            QByteArray::number(language));
    const QString fileName = store->getLanguageFileName();
    const bool shipped = QFile::exists(translationsDir() + QLatin1Char('/') + fileName
                                       + QLatin1String(".ts"));
    QTranslator translator;
    QCOMPARE(loadTranslation(translator), shipped);
    store->updateAppSetting(DbManager::LanguageSetting, "S_LANGUAGE", "1");
}

void TestTranslation::qtTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("Polish") << QStringLiteral("pl_PL") << true << QStringLiteral("Anuluj");
    QTest::newRow("German") << QStringLiteral("de_DE") << true << QStringLiteral("Abbrechen");
    QTest::newRow("Ukrainian") << QStringLiteral("uk_UA") << true << QStringLiteral("Скасувати");
    QTest::newRow("Russian") << QStringLiteral("ru_RU") << true << QStringLiteral("Отмена");
    QTest::newRow("English") << QStringLiteral("en_GB") << true << QStringLiteral("Cancel");
    QTest::newRow("Romanian: Qt has none")
            << QStringLiteral("ro_RO") << false << QStringLiteral("Cancel");
    QTest::newRow("no language") << QString() << false << QStringLiteral("Cancel");
}

// Standard buttons follow the chosen language where Qt translates them, else stay English.
void TestTranslation::qtTexts()
{
    QFETCH(QString, language);
    QFETCH(bool, loaded);
    QFETCH(QString, cancel);
    QTranslator qt;
    QCOMPARE(loadQtTranslation(qt, language), loaded);
    QCoreApplication::installTranslator(&qt);
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    const QString text = box.button(QDialogButtonBox::Cancel)->text();
    QCoreApplication::removeTranslator(&qt);
    QCOMPARE(text, cancel);
}

void TestTranslation::qtCataloguesShipped_data()
{
    addCatalogueRows();
}

// Qt's catalogue of each of our languages travels with the program, so an installed copy does
// not depend on what else the machine has.
void TestTranslation::qtCataloguesShipped()
{
    QFETCH(QString, path);
    const QString language = readCatalogue(path).language;
    const QLocale locale(language);
    QTranslator system;
    if (!system.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QSKIP("Qt has no catalogue for this language");
    QTranslator qt;
    QVERIFY(loadQtTranslation(qt, language));
    QCOMPARE(QFileInfo(qt.filePath()).absolutePath(),
             QFileInfo(QCoreApplication::applicationDirPath()).absoluteFilePath());
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
