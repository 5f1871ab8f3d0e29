#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/setting.h"
#include "gui/diagnosticvalues.h"
#include "gui/mainwindow.h"
#include "gui/startup.h"
#include "store/dbmanager.h"

#include <QAction>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <memory>

// The English file as a technician gets it: chosen in the store, loaded from the program's
// directory and installed before the main window builds its option lists and fault texts.
class TestTranslation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void translatesTexts();
    void storeKeepsWorking();
    void catalogueKeepsMarkup();

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

// What the program fills in or lays out after translating must survive the translation:
// placeholders, mnemonics, tags, line breaks and the blanks at either end.
void TestTranslation::catalogueKeepsMarkup()
{
    static const QRegularExpression marks(QStringLiteral("%\\d|&|</?[A-Za-z0-9]+|\n|^ +| +$"));
    const auto markup = [](const QString &text) {
        QStringList found;
        for (auto it = marks.globalMatch(text); it.hasNext();)
            found << it.next().captured();
        found.sort();
        return found;
    };
    QFile file(QFINDTESTDATA("../../translations/konfigurator_en.ts"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    QStringList broken;
    int checked = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        if (xml.name() != QLatin1String("translation") || !xml.attributes().value("type").isEmpty())
            continue;
        const QString translation = xml.readElementText();
        checked += translation.isEmpty() ? 0 : 1;
        if (!translation.isEmpty() && markup(translation) != markup(source))
            broken << source + QLatin1String(" -> ") + translation;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(checked > 900);
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
