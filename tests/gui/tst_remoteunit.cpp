// ctest-labels: link
// End to end over TCP: the product's link, store and reports against the simulated unit that
// the CTest fixture starts on the build machine (OSTREL_SIM_ADDRESS, host:port). The Windows
// build runs this under Wine against the Linux simulator. The store lies in a folder with
// Polish letters, named with the platform's separators; the PDFs go to OSTREL_REPORT_DIR, where
// the next test reads their text.
#include "config/konfiguracja.h"
#include "gui/reportprinter.h"
#include "gui/startup.h"
#include "link/linkreply.h"
#include "link/usbmanager.h"
#include "records/pamietnik.h"
#include "records/uszkodzenia.h"
#include "store/dbmanager.h"

#include <QLoggingCategory>
#include <QtTest>

#include <tuple>

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
    QVERIFY2(usb.openPort(address), qPrintable(usb.openError()));
    const QByteArray fromStart(2, '\0');
    QHash<int, QByteArray> answers;
    for (const auto &[request, answer, payload] :
         {std::tuple(Device::ReadConfig, Device::ConfigData, QByteArray()),
          std::tuple(Device::ReadEventLog, Device::EventLogPart, fromStart),
          std::tuple(Device::ReadFaults, Device::FaultsData, fromStart)}) {
        QSignalSpy answered(usb.request(request, payload, answer), &LinkReply::finished);
        QVERIFY(answered.wait(30000));
        answers.insert(answer, answered.at(0).at(0).toByteArray());
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
