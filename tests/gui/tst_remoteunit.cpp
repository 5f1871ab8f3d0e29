// ctest-labels: link
// End to end over TCP: the product's link, store and reports against the simulated unit that
// the CTest fixture starts on the build machine (OSTREL_SIM_ADDRESS, host:port). The Windows
// build runs this under Wine against the Linux simulator. The store lies in a folder with
// Polish letters, named with the platform's separators; the PDFs go to OSTREL_REPORT_DIR, where
// the next test reads their text.
#include "config/konfiguracja.h"
#include "gui/reportprinter.h"
#include "gui/startup.h"
#include "link/usbmanager.h"
#include "records/pamietnik.h"
#include "records/uszkodzenia.h"
#include "store/dbmanager.h"

#include <QLoggingCategory>
#include <QtTest>

class TestRemoteUnit : public QObject
{
    Q_OBJECT
private slots:
    void readStoreAndReport();
};

void TestRemoteUnit::readStoreAndReport()
{
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    const QString address = qEnvironmentVariable("OSTREL_SIM_ADDRESS");
    const QString reportDir = qEnvironmentVariable("OSTREL_REPORT_DIR");
    QVERIFY2(!address.isEmpty() && !reportDir.isEmpty(),
             "the fixture sets OSTREL_SIM_ADDRESS and OSTREL_REPORT_DIR");

    USBManager usb;
    QHash<int, QByteArray> answers;
    connect(&usb, &USBManager::signalReceivedPacket, this,
            [&answers](Device::COMMAND command, const QByteArray &payload) {
                answers.insert(command, payload);
            });
    QVERIFY2(usb.openPort(address), qPrintable(usb.openError()));
    const QByteArray fromStart(2, '\0');
    const struct
    {
        Device::COMMAND request, answer;
        QByteArray payload;
    } reads[] = {{Device::ReadConfig, Device::ConfigData, {}},
                 {Device::ReadEventLog, Device::EventLogPart, fromStart},
                 {Device::ReadFaults, Device::FaultsData, fromStart}};
    for (const auto &read : reads) {
        QByteArray frame;
        Device::buildFrame(read.request, read.payload, frame);
        QVERIFY(usb.queueFrame(frame));
        QTRY_VERIFY_WITH_TIMEOUT(answers.contains(read.answer), 30000);
    }
    usb.closePort();

    // Stored under generated names, which hold ':'; a second handle on the same file (another
    // instance of the program) sees the records.
    QTemporaryDir root;
    const QString dir = QDir::toNativeSeparators(root.filePath(QStringLiteral("Łukasz/Dane")));
    QVERIFY(QDir().mkpath(dir));
    const QString name = QStringLiteral("C_2026_12_07_02:41:00");
    {
        DbManager store(QStringLiteral("first"));
        QVERIFY(store.openDatabase(dir));
        createStoreTables(store);
        QVERIFY(store.writeConfig(name, answers[Device::ConfigData]) > 0);
        QVERIFY(store.writeLog(name, answers[Device::EventLogPart]) > 0);
        QVERIFY(store.writeFaults(name, answers[Device::FaultsData]) > 0);
        DbManager second(QStringLiteral("second"));
        QVERIFY(second.openDatabase(dir));
        QCOMPARE(second.readConfig(second.findConfigId(name)), answers[Device::ConfigData]);
        QCOMPARE(second.readConfigName(1), name);
        QCOMPARE(second.readLog(1), answers[Device::EventLogPart]);
        QCOMPARE(second.readFaults(1), answers[Device::FaultsData]);
    }
    QVERIFY(QFileInfo::exists(dir + QDir::separator() + QStringLiteral("ostrel.db3")));

    Konfiguracja config;
    config.setName(name);
    QVERIFY(config.parse(answers[Device::ConfigData], Konfiguracja::FromDevice));
    Pamietnik log;
    log.name = name;
    log.parse(answers[Device::EventLogPart]);
    Uszkodzenia faults;
    faults.name = name;
    faults.parse(answers[Device::FaultsData]);
    QVERIFY(!log.events().isEmpty() && !faults.modules.isEmpty());
    const QList<QPair<QString, QString>> reports = {
            {QStringLiteral("konfiguracja"), config.toHtml()},
            {QStringLiteral("zdarzenia"), log.toHtml()},
            {QStringLiteral("uszkodzenia"), faults.toHtml()}};
    for (const auto &report : reports) {
        const QString local = dir + QDir::separator() + report.first + QStringLiteral(".pdf");
        QVERIFY2(ReportPrinter::writePdf(report.second, local), qPrintable(local));
        const QString shared = reportDir + QLatin1Char('/') + report.first + QStringLiteral(".pdf");
        QFile::remove(shared);
        QVERIFY(QFile::copy(local, shared));
    }
}

QTEST_MAIN(TestRemoteUnit)
#include "tst_remoteunit.moc"
