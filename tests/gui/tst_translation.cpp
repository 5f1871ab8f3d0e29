#include "config/enumlist.h"
#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/setting.h"
#include "gui/diagnosticvalues.h"
#include "gui/mainwindow.h"
#include "gui/startup.h"
#include "gui/timemanagement.h"
#include "store/dbmanager.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace {
// One message of a .ts file.
struct Entry
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type; // empty when finished
};

QList<Entry> readTs(const QString &path, QString *error)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = Entry();
            entry.context = context;
        } else if (name == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            entry.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = xml.readElementText();
            entries.append(entry);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return entries;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList matches(const QRegularExpression &pattern, const QString &text)
{
    QStringList found;
    auto it = pattern.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    return found;
}

int leadingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(n) == QLatin1Char(' '))
        ++n;
    return n;
}

int trailingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(text.size() - 1 - n) == QLatin1Char(' '))
        ++n;
    return n;
}

Setting *settingNamed(const Modul &module, const QString &name)
{
    const QList<Setting *> settings = module.getSettings();
    for (Setting *setting : settings) {
        if (setting->getName() == name)
            return setting;
    }
    return nullptr;
}
} // namespace

// The English file as a technician gets it: chosen in the store, loaded from the program's
// directory and installed before the main window builds its option lists and fault texts.
class TestTranslation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void mainWindowSpeaksEnglish();
    void windowButtons();
    void moduleSettingsOptionsAndFaults();
    void reports();
    void diagnosticsValues();
    void storeStatementsAreNotTranslated();
    void catalogueKeepsMarkup_data();
    void catalogueKeepsMarkup();
    void catalogueIsComplete();

private:
    QTemporaryDir m_dir;
    QTranslator m_english;
    std::unique_ptr<MainWindow> m_window;
};

void TestTranslation::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir::setCurrent(m_dir.path()));
    registerResources();
    QVERIFY(openLocalStore(QStringLiteral("./")));
    DbManager::instance()->updateAppSetting(DbManager::LanguageSetting,
                                            QStringLiteral("S_LANGUAGE"), "1");
    QVERIFY2(QFile::exists(QCoreApplication::applicationDirPath()
                           + QStringLiteral("/konfigurator_en.qm")),
             "the English .qm is built next to the programs");
    QVERIFY(loadTranslation(m_english));
    QVERIFY(QCoreApplication::installTranslator(&m_english));
    m_window = std::make_unique<MainWindow>();
}

void TestTranslation::cleanupTestCase()
{
    m_window.reset();
    QCoreApplication::removeTranslator(&m_english);
}

void TestTranslation::mainWindowSpeaksEnglish()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ostrel Configurator"));
    auto *connect = m_window->findChild<QAction *>(QStringLiteral("actionConnect"));
    QVERIFY(connect);
    QCOMPARE(connect->text(), QStringLiteral("&Connect"));
    auto *tabs = m_window->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QVERIFY(tabs);
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    QCOMPARE(titles, QStringList({"Configuration", "Events", "Debug", "Faults",
                                  "Software versions", "Date and time", "Service"}));
}

void TestTranslation::windowButtons()
{
    TimeManagement clock;
    auto *send = clock.findChild<QAbstractButton *>(QStringLiteral("sendComputerTimeButton"));
    QVERIFY(send);
    QCOMPARE(send->text(), QStringLiteral("Send the PC time"));
    auto *dst = clock.findChild<QAbstractButton *>(QStringLiteral("checkBoxChangeTimeRead"));
    QVERIFY(dst);
    QCOMPARE(dst->text(), QStringLiteral("Automatic SUMMER/WINTER time change"));
}

void TestTranslation::moduleSettingsOptionsAndFaults()
{
    std::unique_ptr<Modul> psl(createModule(0xF0, 1));
    QVERIFY(psl);
    QCOMPARE(psl->getDescription(), QStringLiteral("Additional Relays Module"));
    // Names are translated first, then their block number is filled in.
    Setting *mode = settingNamed(*psl, QStringLiteral("Signalling line LS3 - operating mode"));
    QVERIFY(mode);
    // Option lists were built after the translator was installed.
    mode->setValue(1);
    QCOMPARE(mode->getValueText(), QStringLiteral("Steady on"));
    Setting *declared = settingNamed(*psl, QStringLiteral("Module declared"));
    QVERIFY(declared);
    declared->setValue(1);
    QCOMPARE(declared->getValueText(), QStringLiteral("Yes"));
    Setting *t2 = settingNamed(*psl, QStringLiteral("Signalling line LS1 - T2 - activation time"));
    QVERIFY(t2);
    t2->setValue(3725);
    QCOMPARE(t2->getValueText(), QStringLiteral(" 1h: 2m: 5s"));

    // Two numbers filled into one name.
    std::unique_ptr<Modul> ctm(createModule(0xA0, 1));
    QVERIFY(ctm);
    QVERIFY(settingNamed(*ctm, QStringLiteral("Ventilation – LNM1 buttons to RLH 2 PK1")));

    QCOMPARE(EnumList::find(21)->text(4), QStringLiteral("4 - Extinguishing stop"));
    QCOMPARE(faultText(0xF0, 0x04),
             QStringLiteral("Open circuit of signalling line output 1 (LS1)"));
    QCOMPARE(faultText(0xF0, 0x80),
             QStringLiteral("Short circuit of signalling line output 1 (LS1) CLEARED"));
    QCOMPARE(faultText(0x90, 0x00), QStringLiteral("Detection line – short circuit "));
}

void TestTranslation::reports()
{
    Konfiguracja config(QStringLiteral("Hall B"), nullptr);
    Modul *psl = createModule(0xF0, 2);
    QVERIFY(psl);
    config.addModule(psl);
    const QString html = config.toHtml();
    QVERIFY2(html.contains(QStringLiteral("<H2>Ostrel configuration: Hall B</H2>")),
             qPrintable(html));
    QVERIFY(html.contains(QStringLiteral("<H3>Module: PSL, Additional Relays Module ,no. 2</H3>")));
    QVERIFY(html.contains(QStringLiteral("<th width = '40'>No.</th><th width = '400'>Name</th>"
                                         "<th width = '200'>Value</th>")));

    psl->setFaultBytes(QByteArray::fromHex("000001000000"));
    const QString faults = psl->faultsToHtml();
    QVERIFY2(faults.contains(QStringLiteral("<th width = '400'>Name</th>")), qPrintable(faults));
    QVERIFY(faults.contains(QStringLiteral("Short circuit of signalling line output 3 (LS3)")));
}

void TestTranslation::diagnosticsValues()
{
    QVector<quint16> values(Diagnostics::LiveRowCount, 0);
    values[33] = 50;
    QCOMPARE(Diagnostics::liveRowName(33), QStringLiteral("Control line LK1 state"));
    QCOMPARE(Diagnostics::liveText(33, values), QStringLiteral("SHORT CIRCUIT"));
    values[6] = 1;
    QCOMPARE(Diagnostics::liveText(6, values), QStringLiteral("ON"));
    QCOMPARE(Diagnostics::liveText(20, values), QStringLiteral("The value is cleared on reset"));
}

// The store passes its statements through tr(); a translated statement would break it.
void TestTranslation::storeStatementsAreNotTranslated()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (int start = 0; start < 2; ++start) {
        DbManager store(QStringLiteral("tst_translation"));
        QVERIFY(store.openDatabase(dir.path()));
        QCOMPARE(store.initTables(), 0);
        QSqlQuery query(store.database());
        QVERIFY(query.exec(QStringLiteral("SELECT slj_Id, slj_NazwaOrg, slj_NazwaPliku "
                                          "FROM sl_Jezyki ORDER BY slj_Id")));
        QStringList rows;
        while (query.next())
            rows << query.value(0).toString() + QLatin1Char('|') + query.value(1).toString()
                            + QLatin1Char('|') + query.value(2).toString();
        QCOMPARE(rows, QStringList({"1|ENGLISH|konfigurator_en", "2|POLSKI|konfigurator_pl",
                                    "3|РОССИЯ|konfigurator_ro", "4|УКРАЇНСЬКИЙ|konfigurator_uk",
                                    "5|Deutch|konfigurator_de"}));
        store.updateAppSetting(DbManager::LanguageSetting, QStringLiteral("S_LANGUAGE"), "1");
        QCOMPARE(store.getLanguageFileName(), QStringLiteral("konfigurator_en"));
        const int id = store.writeConfig(QStringLiteral("Hall B"), QByteArray("\x01\x02", 2));
        QVERIFY(id > 0);
        QCOMPARE(store.readConfig(id), QByteArray("\x01\x02", 2));
    }
}

void TestTranslation::catalogueKeepsMarkup_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QString error;
    const QList<Entry> entries =
            readTs(QFINDTESTDATA("../../translations/konfigurator_en.ts"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(entries.size() > 900);
    for (const Entry &entry : entries) {
        if (!entry.type.isEmpty() || entry.translation.isEmpty())
            continue;
        QString row = entry.context + QLatin1String(": ") + entry.source.left(60);
        row.replace(QLatin1Char('\n'), QLatin1Char(' '));
        QTest::newRow(qPrintable(row)) << entry.source << entry.translation;
    }
}

// What the program fills in or lays out after translating must survive the translation.
void TestTranslation::catalogueKeepsMarkup()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    static const QRegularExpression tag(QStringLiteral("</?[A-Za-z0-9]+"));
    QCOMPARE(sorted(matches(placeholder, translation)), sorted(matches(placeholder, source)));
    QCOMPARE(translation.count(QLatin1Char('&')), source.count(QLatin1Char('&')));
    QCOMPARE(matches(tag, translation), matches(tag, source));
    QCOMPARE(leadingBlanks(translation), leadingBlanks(source));
    QCOMPARE(trailingBlanks(translation), trailingBlanks(source));
    QCOMPARE(translation.count(QLatin1Char('\n')), source.count(QLatin1Char('\n')));
}

void TestTranslation::catalogueIsComplete()
{
    QString error;
    const QList<Entry> entries =
            readTs(QFINDTESTDATA("../../translations/konfigurator_en.ts"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    static const QRegularExpression sql(
            QStringLiteral("^\\s*(select|insert|update|delete|create|drop)\\s"),
            QRegularExpression::CaseInsensitiveOption);
    QStringList untranslated;
    for (const Entry &entry : entries) {
        const bool finished = entry.type.isEmpty() && !entry.translation.isEmpty();
        if (sql.match(entry.source).hasMatch()) {
            QVERIFY2(!finished || entry.translation == entry.source, qPrintable(entry.source));
            continue;
        }
        if (!finished && entry.type != QLatin1String("obsolete")
            && entry.type != QLatin1String("vanished"))
            untranslated << entry.context + QLatin1String(": ") + entry.source;
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
