// ctest-labels: translation trust

#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/setting.h"
#include "gui/diagnosticvalues.h"
#include "gui/mainwindow.h"
#include "gui/startup.h"
#include "store/dbmanager.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

// The English catalogue is chosen in the store and installed before the main window builds
// its option lists and fault texts; every catalogue in the tree is checked against the sources.
class TestTranslation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void translatesTexts();
    void catalogue_data();
    void catalogue();
    void languageFiles_data();
    void languageFiles();

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_store;
    QTranslator m_english;
    std::unique_ptr<MainWindow> m_window;
};

void TestTranslation::initTestCase()
{
    QVERIFY(m_dir.isValid() && QDir::setCurrent(m_dir.path()));
    registerResources();
    QVERIFY(openLocalStore(QStringLiteral("./")));
    DbManager::instance()->updateAppSetting(AppSetting::Language, "1");
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
    Setting *mode = nullptr;
    for (Setting *setting : psl->getSettings())
        mode = setting->getName() == "Signalling line LS3 - operating mode" ? setting : mode;
    QVERIFY(mode);
    mode->setValue(1);
    QCOMPARE(mode->getValueText(), QStringLiteral("Steady on"));
    QCOMPARE(faultText(0xF0, 0x80),
             QStringLiteral("Short circuit of signalling line output 1 (LS1) CLEARED"));
    QVector<quint16> values(Diagnostics::LiveRowCount, 0);
    values[33] = 50;
    QCOMPARE(Diagnostics::liveText(33, values), QStringLiteral("SHORT CIRCUIT"));
}

namespace {

struct Message
{
    QString context, source, comment, translation;
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
    if (!file.open(QIODevice::ReadOnly))
        catalogue.error = file.errorString();
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
            message = Message{context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            // Plural forms are joined, so their markup is checked together.
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            catalogue.messages << message;
        }
    }
    if (xml.hasError() && catalogue.error.isEmpty())
        catalogue.error = xml.errorString();
    return catalogue;
}

QString key(const Message &m)
{
    return m.context + QLatin1Char('|') + m.source + QLatin1Char('|') + m.comment;
}

QString translationsDir()
{
    return QFINDTESTDATA("../../translations");
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

// Every catalogue in the source tree, so that a language added later is covered unasked.
void TestTranslation::catalogue_data()
{
    QTest::addColumn<QString>("path");
    const QDir dir(translationsDir());
    const QStringList names = dir.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
    QVERIFY(names.contains(QLatin1String("konfigurator_en.ts")));
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

// A text the catalogue does not know reaches the technician in Polish without anyone having
// decided so: each one must be translated, or marked unfinished on purpose. What the program
// fills in or lays out after translating (placeholders, mnemonics, tags, line breaks, blanks
// at either end) must survive in every shipped text, unfinished ones included. Start-up picks
// Qt's own catalogue by the language the file names, and ships it with the program.
void TestTranslation::catalogue()
{
    QFETCH(QString, path);
    if (QStringLiteral(OSTREL_LUPDATE_PATH).isEmpty())
        QSKIP("lupdate runs on the build machine; the native suite checks the catalogues");
    const QHash<QString, Message> &sources = sourceMessages();
    QVERIFY(sources.size() > 900);
    const Catalogue catalogue = readCatalogue(path);
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    static const QRegularExpression marks(
            QStringLiteral("%L?\\d|%n|&|</?[A-Za-z0-9]+|\n|^ +| +$"));
    const auto markup = [](const QString &text) {
        QStringList found;
        for (auto it = marks.globalMatch(text); it.hasNext();)
            found << it.next().captured();
        found.sort();
        return found;
    };
    QHash<QString, Message> entries;
    QStringList faults;
    for (const Message &message : catalogue.messages) {
        entries.insert(key(message), message);
        if (!message.translation.isEmpty() && markup(message.translation) != markup(message.source))
            faults << QLatin1String("markup: ") + message.source + " -> " + message.translation;
    }
    for (const Message &source : sources) {
        const auto entry = entries.constFind(key(source));
        if (entry == entries.constEnd())
            faults << QLatin1String("missing: ") + key(source);
        else if (entry->translation.isEmpty() && entry->type != QLatin1String("unfinished"))
            faults << QLatin1String("empty: ") + key(source);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

    const QString language = catalogue.language;
    QVERIFY2(!language.isEmpty(), "no language attribute");
    QCOMPARE(QLocale(language).name(), language);
    QTranslator system;
    if (!system.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        return; // Qt has no catalogue for this language
    QTranslator qt;
    QVERIFY(loadQtTranslation(qt, language));
    QCOMPARE(QFileInfo(qt.filePath()).absolutePath(),
             QFileInfo(QCoreApplication::applicationDirPath()).absoluteFilePath());
}

void TestTranslation::languageFiles_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("locale");
    const char *const languages[][2] = {{"en", "en_GB"}, {"pl", "pl_PL"}, {"ro", "ru_RU"},
                                        {"uk", "uk_UA"}, {"de", "de_DE"}};
    char id = '0';
    for (const auto &[file, locale] : languages)
        QTest::newRow(file) << QByteArray(1, ++id)
                            << QString(QLatin1String("konfigurator_") + file) << QString(locale);
    QTest::newRow("no catalogue: the Polish source") << QByteArray("7") << QString() << "pl_PL";
}

// The store runs its language rows through tr(): with the translator installed, a new or
// reopened store must still name the right file. Each language loads its catalogue once the
// catalogue exists in the tree: the build put the compiled file where start-up looks.
// Calendars and dates follow the language of the texts, not the machine's.
void TestTranslation::languageFiles()
{
    QFETCH(QByteArray, language);
    QFETCH(QString, file);
    QFETCH(QString, locale);
    DbManager store(QStringLiteral("tst_translation"));
    QVERIFY(store.openDatabase(m_store.path()));
    QCOMPARE(store.initTables(), 0);
    store.updateAppSetting(AppSetting::Language, language);
    QCOMPARE(store.getLanguageFileName(), file);
    DbManager::instance()->updateAppSetting(AppSetting::Language, language);
    QTranslator translator;
    QCOMPARE(loadTranslation(translator), QFile::exists(translationsDir() + '/' + file + ".ts"));
    // Polish has a catalogue of its own, which mends the source texts' typos; catalogues are
    // keyed by UTF-8, which qPrintable would not give on Windows.
    if (file.endsWith(QLatin1String("_pl")))
        QCOMPARE(translator.translate("ConfigManagement",
                                      QStringLiteral("Dodaj nową konfigrację").toUtf8().constData(),
                                      "Add new config"),
                 QStringLiteral("Dodaj nową konfigurację"));
    applyInterfaceLocale(translator);
    DbManager::instance()->updateAppSetting(AppSetting::Language, "1");
    QCOMPARE(QCalendarWidget().locale().name(), locale);
    QCOMPARE(QLocale().name(), locale);
    QLocale::setDefault(QLocale::c());
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
