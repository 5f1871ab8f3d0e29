// ctest-labels: visit
// A whole service visit against the simulated unit and a real store: start, arrival, a setting
// changed during the visit, departure with the clock set, close; a setting changed between two
// visits; the program killed in the middle of an open visit and the visit resumed; a closed
// visit that refuses every change.
#include "gui/visitsmanagement.h"
#include "gui/startup.h"
#include "gui/visitstartdialog.h"
#include "gui/visitwindow.h"
#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"
#include "fakedialogs.h"
#include "link/linkreply.h"
#include "link/usbmanager.h"
#include "simprocess.h"
#include "store/dbmanager.h"
#include "visits/visitreport.h"
#include "visits/visitstore.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char ChildDirVariable[] = "OSTREL_VISIT_CHILD_DIR";
const char ChildBattery[] = "AGM 12V 7Ah";

// The unit's configuration with the first adjustable setting moved to another allowed value.
QByteArray changedImage(const QByteArray &image)
{
    Konfiguracja config;
    if (!config.parse(image, Konfiguracja::FromDevice))
        return QByteArray();
    for (Modul *module : config.getModules()) {
        for (Setting *setting : module->getSettings()) {
            if (!setting->isEditable() || setting->getMaximum() <= setting->getMinimum())
                continue;
            const quint32 old = setting->getValue();
            setting->setValue(old == setting->getMinimum() ? old + 1 : setting->getMinimum());
            if (setting->isInRange())
                return config.toByteArray(Konfiguracja::FromDevice);
            setting->setValue(old);
        }
    }
    return QByteArray();
}

// Sends the changed configuration to the unit, as the configuration tab would.
bool changeUnit(USBManager *link, const QByteArray &image)
{
    const QByteArray changed = changedImage(image);
    if (changed.isEmpty())
        return false;
    QSignalSpy done(link->request(Device::ConfigData, changed, Device::Acknowledge),
                    &LinkReply::finished);
    return done.wait(10000);
}

bool read(VisitWindow *window, const char *button)
{
    QSignalSpy done(window->session(), &VisitSession::signalReadingDone);
    window->findChild<QPushButton *>(QLatin1String(button))->click();
    return done.wait(15000);
}

QByteArray record(VisitStore &store, int visitId, RecordRole role)
{
    return store.recordData(role, store.linkedRecord(visitId, role));
}

// The program in the middle of an open visit: it resumes the visit, types a measured value, a
// battery and findings, says so, and waits to be killed.
int runChild(const QString &dir)
{
    buildOptionLists();
    initFaultTextTables();
    if (!DbManager::instance()->openDatabase(dir))
        return 2;
    createStoreTables(*DbManager::instance());
    FakeDialogs dialogs;
    VisitsManagement visits;
    VisitWindow *window = visits.visitWindow();
    if (visits.currentVisit() == 0)
        return 3;
    auto *checks = window->findChild<QTableWidget *>(QStringLiteral("checksTable"));
    checks->item(0, VisitWindow::CheckMeasured)->setText(QStringLiteral("27,4 V"));
    window->findChild<QPushButton *>(QStringLiteral("addBatteryButton"))->click();
    auto *batteries = window->findChild<QTableWidget *>(QStringLiteral("batteriesTable"));
    batteries->item(0, VisitWindow::BatteryMake)->setText(QLatin1String(ChildBattery));
    // Installed so that its replacement falls due in 30 days.
    const QDate installed =
            QDate::currentDate().addDays(30).addYears(-visits.store()->batteryLifeYears());
    batteries->item(0, VisitWindow::BatteryInstalled)->setText(installed.toString(Qt::ISODate));
    batteries->item(0, VisitWindow::BatteryAh)->setText(QStringLiteral("7,2"));
    window->findChild<QPlainTextEdit *>(QStringLiteral("findingsEdit"))
            ->setPlainText(QStringLiteral("Brak zastrzeżeń"));
    // A refused date is shown at its field at once and loses nothing typed after it.
    auto *next = window->findChild<QLineEdit *>(QStringLiteral("nextServiceEdit"));
    next->setText(QStringLiteral("2020-01-01"));
    emit next->editingFinished();
    if (window->fieldError().isEmpty())
        return 4;
    auto *verdict = window->findChild<QComboBox *>(QStringLiteral("verdictBox"));
    verdict->setCurrentIndex(2);
    emit verdict->activated(2);
    window->findChild<QPlainTextEdit *>(QStringLiteral("recommendationsEdit"))
            ->setPlainText(QStringLiteral("Wymienić akumulatory"));
    for (const QString &line : dialogs.lines())
        fprintf(stderr, "child dialog: %s\n", qPrintable(line));
    fputs("READY\n", stdout);
    fflush(stdout);
    return qApp->exec();
}

} // namespace

class tst_VisitWorkflow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void wholeWorkflow();

private:
    QTemporaryDir m_dir;
};

void tst_VisitWorkflow::initTestCase()
{
    buildOptionLists();
    initFaultTextTables();
    QVERIFY(m_dir.isValid() && DbManager::instance()->openDatabase(m_dir.path()));
    createStoreTables(*DbManager::instance());
}

void tst_VisitWorkflow::wholeWorkflow()
{
    // The unit's clock runs 90 s ahead of the PC's.
    const QString clock = QDateTime::currentDateTime().addSecs(90).toString(Qt::ISODate);
    SimProcess sim(ostrelSimPath(), {"--fast", "--preset", "smoke-vent", "--clock", clock});
    QVERIFY(sim.start());
    USBManager link;
    QVERIFY(link.openPort(sim.portName()));
    FakeDialogs dialogs(QMessageBox::Yes);
    std::unique_ptr<VisitsManagement> visits = std::make_unique<VisitsManagement>(&link);
    VisitStore &store = *visits->store();
    VisitWindow *window = visits->visitWindow();

    // Start: a new site and unit, the technician remembered for the next visit.
    const auto startVisit = [&](bool newUnit) {
        dialogs.onExec = [newUnit](QDialog *dialog) {
            auto *start = qobject_cast<VisitStartDialog *>(dialog);
            if (!start)
                return int(QDialog::Rejected);
            // The connected unit is recognised: nothing stored matches it on the first visit,
            // and the unit created now is the match on the next.
            auto *matches = start->findChild<QListWidget *>(QStringLiteral("matchList"));
            if (!QTest::qWaitFor([matches] { return matches->count() > 0; }, 10000))
                return int(QDialog::Rejected);
            const QStringList edits = {"siteNameEdit", "unitNameEdit", "technicianEdit"};
            const QStringList texts = {"Biurowiec Nowa 5", "Centrala oddymiania — klatka A",
                                       "Jan Kowalski"};
            for (int i = 0; newUnit && i < edits.size(); ++i)
                start->findChild<QLineEdit *>(edits.at(i))->setText(texts.at(i));
            if (!newUnit && matches->currentItem()->data(Qt::UserRole).toInt() == 0)
                return int(QDialog::Rejected);
            start->accept();
            return start->result();
        };
        visits->startVisit();
        dialogs.onExec = nullptr;
        return visits->currentVisit();
    };
    const int first = startVisit(true);
    QVERIFY(first != 0);

    // Arrival: every record linked, the drift kept, the checklist built from the modules.
    QVERIFY(read(window, "arrivalButton"));
    const QByteArray arrivalConfig = record(store, first, RecordRole::ConfigBefore);
    for (RecordRole role :
         {RecordRole::ConfigBefore, RecordRole::FaultsArrival, RecordRole::Software})
        QVERIFY(!record(store, first, role).isEmpty());
    QVERIFY(qAbs(store.visit(first).clockDrift - 90) <= 3);
    QVERIFY(!store.checks(first).isEmpty());
    QVERIFY(!store.unit(store.visit(first).unitId).modules.isEmpty());
    QVERIFY(window->warningText().isEmpty()); // nothing to compare with on a first visit

    // A change during the visit, then departure: reported, and the clock set on request.
    QVERIFY(changeUnit(&link, arrivalConfig));
    QSignalSpy clockSet(window->session(), &VisitSession::signalClockSet);
    QVERIFY(read(window, "departureButton"));
    QVERIFY(window->warningText().contains(QStringLiteral("podczas przeglądu")));
    QVERIFY(clockSet.wait(10000));
    QVERIFY(store.visit(first).clockSet);
    QVERIFY(record(store, first, RecordRole::ConfigAfter) != arrivalConfig);

    // Close: a bad date is refused, then a verdict closes it.
    window->findChild<QComboBox *>(QStringLiteral("verdictBox"))->setCurrentIndex(1);
    auto *nextEdit = window->findChild<QLineEdit *>(QStringLiteral("nextServiceEdit"));
    nextEdit->setText(QStringLiteral("2027-02-30"));
    QVERIFY(!window->closeVisit());
    nextEdit->setText(QDate::currentDate().addYears(1).toString(Qt::ISODate));
    QVERIFY(window->closeVisit());
    QVERIFY(store.visit(first).closed);

    // A closed visit refuses every change in the window (the store's refusals: tst_visitstore).
    QVERIFY(!store.updateVisit(store.visit(first)));
    QVERIFY(!window->findChild<QPushButton *>(QStringLiteral("arrivalButton"))->isEnabled());
    window->startArrival();
    QCOMPARE(dialogs.shown.last().title, QStringLiteral("Przegląd zamknięty"));

    // A change between visits is shown at the next arrival, with the comparison.
    QVERIFY(changeUnit(&link, record(store, first, RecordRole::ConfigAfter)));
    const int second = startVisit(false);
    QVERIFY(second != first && second != 0);
    QCOMPARE(store.visit(second).technician, QStringLiteral("Jan Kowalski"));
    dialogs.shown.clear();
    QVERIFY(read(window, "arrivalButton"));
    QVERIFY(window->warningText().contains(QStringLiteral("poprzednim przeglądzie")));
    QCOMPARE(dialogs.ofKind(QStringLiteral("exec")).size(), 1);

    // The Debug tab's results go to the open visit.
    DiagnosticRow test;
    test.name = QStringLiteral("Napięcie zasilania");
    QVERIFY(visits->attachDiagnostics(DiagnosticKind::SelfTest, {test}));
    QCOMPARE(store.diagnostics(second).size(), 1);

    // The port lost in the middle of the departure reading: a message, nothing stored.
    QSqlQuery faults(QStringLiteral("SELECT COUNT(*) FROM USZKODZENIA"));
    const int faultRecords = faults.next() ? faults.value(0).toInt() : -1;
    QSignalSpy failed(window->session(), &VisitSession::signalReadingFailed);
    const int warnings = dialogs.ofKind("warning").size();
    window->startDeparture();
    link.closePort();
    QVERIFY(failed.count() == 1 || failed.wait(5000));
    // One message for one lost port, not a second box saying the same.
    QTRY_COMPARE(dialogs.ofKind("warning").size(), warnings + 1);
    QTest::qWait(200);
    QCOMPARE(dialogs.ofKind("warning").size(), warnings + 1);
    QVERIFY(faults.exec() && faults.next());
    QCOMPARE(faults.value(0).toInt(), faultRecords);
    faults.finish();
    QCOMPARE(store.linkedRecord(second, RecordRole::FaultsDeparture), 0);
    QVERIFY(!store.visit(second).closed);

    // Killed in the middle of the open visit: everything typed before the kill is back.
    visits.reset();
    DbManager::instance()->close();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(ChildDirVariable), m_dir.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains("READY")
                                     || child.state() == QProcess::NotRunning,
                             20000);
    QVERIFY2(child.state() == QProcess::Running,
             qPrintable(QStringLiteral("child ended with %1").arg(child.exitCode())));
    child.kill();
    QVERIFY(child.waitForFinished(5000));

    QVERIFY(DbManager::instance()->openDatabase(m_dir.path()));
    visits = std::make_unique<VisitsManagement>(&link);
    QCOMPARE(visits->currentVisit(), second);
    QVERIFY(visits->visitWindow()->warningText().contains(
            QStringLiteral("poprzednim przeglądzie")));
    VisitStore &resumed = *visits->store();
    QCOMPARE(resumed.checks(second).first().measured, QStringLiteral("27,4 V"));
    QCOMPARE(resumed.visit(second).findings, QStringLiteral("Brak zastrzeżeń"));
    QCOMPARE(resumed.visit(second).recommendations, QStringLiteral("Wymienić akumulatory"));
    QCOMPARE(resumed.visit(second).verdict, Verdict::WorkingWithRemarks);
    QVERIFY(resumed.visit(second).nextService > QDate::currentDate());
    const QList<BatteryRow> batteries = resumed.batteries(second);
    QCOMPARE(batteries.size(), 1);
    QCOMPARE(batteries.first().make, QLatin1String(ChildBattery));
    const QDate due = batteryReplacementDue(batteries.first().installed,
                                            resumed.batteryLifeYears());
    QCOMPARE(due, QDate::currentDate().addDays(30));
    QCOMPARE(batteryDueState(due, QDate::currentDate()), BatteryDueState::DueSoon);

    // Without the departure reading it closes only with the reason written down.
    window = visits->visitWindow();
    window->findChild<QComboBox *>(QStringLiteral("verdictBox"))->setCurrentIndex(2);
    QVERIFY(!window->closeVisit());
    window->findChild<QLineEdit *>(QStringLiteral("skipEdit"))
            ->setText(QStringLiteral("centrala wyłączona przez zarządcę"));
    QVERIFY(window->closeVisit());
    const QString report = VisitReport::toHtml(resumed, second);
    QVERIFY(report.contains(QLatin1String(ChildBattery)));
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString childDir = qEnvironmentVariable(ChildDirVariable);
    if (!childDir.isEmpty())
        return runChild(childDir);
    tst_VisitWorkflow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_visitworkflow.moc"
