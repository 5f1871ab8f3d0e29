// ctest-labels: day trust
// One technician's whole day in the main window, against the simulated unit, a real store and a
// real archive server: connect; read, rename, edit and send a configuration; read the registers;
// a service visit from start to report; every read again; clear the log; set the clock; sync.
// After each step the whole state is counted: the rows of every record and visit table, the
// dialogs shown, the windows open in each tab and the requests the unit received. Each read
// must give exactly one record, one name prompt and one window, before a visit and after it.
#include "archive/archivesettings.h"
#include "archive/localarchive.h"
#include "gui/configeditor.h"
#include "gui/configreviewdialog.h"
#include "gui/mainwindow.h"
#include "gui/startup.h"
#include "gui/treemodel.h"
#include "gui/visitsmanagement.h"
#include "gui/visitstartdialog.h"
#include "gui/visitwindow.h"
#include "link/usbmanager.h"
#include "store/dbmanager.h"
#include "fakedialogs.h"
#include "pgcluster.h"
#include "simprocess.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

namespace {

using Counts = QMap<QString, int>;

const char *const Tables[] = {"KONFIGURACJA", "PAMIETNIK", "USZKODZENIA", "OPROGRAMOWANIE",
                              "OBIEKTY", "CENTRALE", "WIZYTY", "WIZYTY_REKORDY",
                              "WIZYTY_KONTROLE", "WIZYTY_AKUMULATORY", "WIZYTY_DIAGNOSTYKA"};
// What a visit keeps in columns rather than rows.
const char *const Facts[][2] = {
        {"checks OK", "SELECT count(*) FROM WIZYTY_KONTROLE WHERE result = 1"},
        {"clock set", "SELECT count(*) FROM WIZYTY WHERE clock_set <> 0"},
        {"closed", "SELECT count(*) FROM WIZYTY WHERE closed <> 0"}};
// Each kind of dialog the day may show, under the name the counts give it.
const char *const DialogKinds[][2] = {{"getText", "prompts"}, {"question", "questions"},
                                      {"box", "questions"}, {"information", "messages"},
                                      {"warning", "warnings"}};

const QString SiteName = QStringLiteral("Biurowiec Nowa 5");
const QString Technician = QStringLiteral("Jan Kowalski");
// Long enough that no idle clock read goes out: every request the unit gets is one the
// technician asked for, so each can be counted exactly.
constexpr int NoKeepAliveMs = 3600 * 1000;
// After the counts match, how long a late second copy of anything gets to show up.
constexpr int SettleMs = 300;

int count(const QString &sql)
{
    QSqlQuery query(DbManager::instance()->database());
    return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
}

// What differs, as "prompts 3 (expected 2), WIZYTY 0 (expected 1)"; empty when nothing does.
QString differences(const Counts &seen, const Counts &expected)
{
    QStringList keys = seen.keys() + expected.keys();
    keys.removeDuplicates();
    std::sort(keys.begin(), keys.end());
    QStringList parts;
    for (const QString &key : qAsConst(keys)) {
        if (seen.value(key) != expected.value(key))
            parts << QStringLiteral("%1 %2 (expected %3)")
                             .arg(key)
                             .arg(seen.value(key))
                             .arg(expected.value(key));
    }
    return parts.join(QStringLiteral(", "));
}

// Applies "KONFIGURACJA +1, windows Zdarzenia +1"; a key may hold blanks.
void apply(Counts &counts, const QString &changes)
{
    for (const QString &change : changes.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const int blank = change.lastIndexOf(QLatin1Char(' '));
        counts[change.left(blank)] += change.mid(blank + 1).toInt();
    }
}

// The report's text; without pdftotext on the machine, only whether it is a PDF at all.
QString pdfText(const QString &path, bool *readable)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    *readable = !tool.isEmpty();
    QProcess pdftotext;
    if (*readable) {
        pdftotext.start(tool, {path, QStringLiteral("-")});
        pdftotext.waitForFinished(60000);
        return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.read(5)) : QString();
}

} // namespace

class TestTechnicianDay : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PgCluster m_server;
    std::unique_ptr<SimProcess> m_sim;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;

    Counts observe();
    QWidget *showTab(const QString &title);
    bool press(QWidget *parent, const char *name);
    int startVisit(VisitStartDialog *start);
    VisitWindow *visit() const { return m_window->visitsManagement()->visitWindow(); }

private slots:
    void initTestCase();
    void wholeDay();
    void cleanupTestCase();
};

void TestTechnicianDay::initTestCase()
{
    const QString error = m_server.setUp();
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(m_dir.isValid() && openLocalStore(m_dir.path()));
}

void TestTechnicianDay::cleanupTestCase()
{
    m_window.reset();
    m_dialogs.reset();
    m_sim.reset();
}

Counts TestTechnicianDay::observe()
{
    Counts counts;
    for (const char *table : Tables)
        counts[QLatin1String(table)] = count(QStringLiteral("SELECT count(*) FROM ") + table);
    for (const auto &fact : Facts)
        counts[QString::fromUtf8(fact[0])] = count(QLatin1String(fact[1]));
    for (const auto &kind : DialogKinds)
        counts[QLatin1String(kind[1])] += m_dialogs->ofKind(QLatin1String(kind[0])).size();
    auto *tabs = qobject_cast<QTabWidget *>(m_window->centralWidget());
    for (int i = 0; i < tabs->count(); ++i) {
        if (auto *area = tabs->widget(i)->findChild<QMdiArea *>(QStringLiteral("mdiArea")))
            counts[QStringLiteral("windows ") + tabs->tabText(i)] = area->subWindowList().size();
    }
    // The simulator logs every request it receives as "<- <hex>  <command>". The Debug tab's
    // live poll runs once a second whatever the technician does, so it is not counted.
    for (const QString &line : m_sim->log().split(QLatin1Char('\n'))) {
        const QString command = line.trimmed().section(QLatin1Char(' '), -1);
        if (line.contains(QLatin1String(" <- ")) && command != QLatin1String("ReadLiveState"))
            ++counts[command];
    }
    counts[QStringLiteral("archived")] =
            m_server.value(QStringLiteral("SELECT count(*) FROM archive_record")).toInt();
    return counts;
}

QWidget *TestTechnicianDay::showTab(const QString &title)
{
    auto *tabs = qobject_cast<QTabWidget *>(m_window->centralWidget());
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->tabText(i) == title) {
            tabs->setCurrentIndex(i);
            return tabs->widget(i);
        }
    }
    qFatal("no tab %s", qPrintable(title));
}

// Clicks the button once it can be clicked, as a technician waits for a busy one.
bool TestTechnicianDay::press(QWidget *parent, const char *name)
{
    auto *button = parent->findChild<QAbstractButton *>(QLatin1String(name));
    if (!button || !QTest::qWaitFor([button] { return button->isEnabled(); }, 20000))
        return false;
    button->click();
    return true;
}

// The start of the visit: the unit on the line recognised, a new site and unit typed in.
int TestTechnicianDay::startVisit(VisitStartDialog *start)
{
    auto *identify = start->findChild<QPushButton *>(QStringLiteral("identifyButton"));
    identify->click();
    if (!QTest::qWaitFor([identify] { return identify->isEnabled(); }, 10000))
        return QDialog::Rejected;
    const std::pair<const char *, QString> fields[] = {
            {"siteNameEdit", SiteName},
            {"unitNameEdit", QStringLiteral("Centrala oddymiania — klatka A")},
            {"technicianEdit", Technician}};
    for (const auto &field : fields)
        start->findChild<QLineEdit *>(QLatin1String(field.first))->setText(field.second);
    start->accept();
    return start->result();
}

void TestTechnicianDay::wholeDay()
{
    // The unit's clock runs 90 s ahead, so the departure offers to set it.
    const QString clock = QDateTime::currentDateTime().addSecs(90).toString(Qt::ISODate);
    m_sim = std::make_unique<SimProcess>(
            ostrelSimPath(),
            QStringList{"--fast", "--verbose", "--log-entries", "40", "--clock", clock});
    QVERIFY(m_sim->start());
    m_dialogs = std::make_unique<FakeDialogs>(QMessageBox::Yes);
    m_dialogs->onExec = [this](QDialog *dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            // The clear's question is answered by its button's words, whichever role it has.
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == QStringLiteral("Odczytaj, zapisz i wyczyść"))
                    return int(box->standardButton(button));
            }
            return int(QMessageBox::Yes);
        }
        if (auto *port = qobject_cast<QInputDialog *>(dialog)) {
            port->setTextValue(m_sim->portName());
            return int(QDialog::Accepted);
        }
        if (auto *start = qobject_cast<VisitStartDialog *>(dialog))
            return startVisit(start);
        return int(qobject_cast<ConfigReviewDialog *>(dialog) ? QDialog::Accepted
                                                              : QDialog::Rejected);
    };
    m_window = std::make_unique<MainWindow>();
    m_window->usbManager()->setTimeouts(USBManager::AnswerTimeoutMs, NoKeepAliveMs);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    struct Step
    {
        QString name;
        std::function<void()> act;
        QString changes; // what the step adds to every count before it
    };
    // The four reads, each from its own tab; done once before the visit and once after it.
    const struct
    {
        const char *tab;
        const char *changes;
    } reads[] = {
        {"Konfiguracja", "KONFIGURACJA +1, prompts +1, windows Konfiguracja +1, ReadConfig +1"},
        {"Zdarzenia", "PAMIETNIK +1, windows Zdarzenia +1, ReadEventLog +2"},
        {"Uszkodzenia", "USZKODZENIA +1, windows Uszkodzenia +1, ReadFaults +1"},
        {"Wersje oprogramowania",
         "OPROGRAMOWANIE +1, windows Wersje oprogramowania +1, ReadSoftware +1"},
    };
    // The technician types the name at every prompt, so a second prompt stores a second copy.
    const auto read = [this, &reads](int which, const QString &when, const QString &name) {
        const QString tab = QString::fromUtf8(reads[which].tab);
        return Step{QStringLiteral("read %1 %2").arg(tab, when), [this, tab, name] {
                        if (!name.isNull())
                            m_dialogs->texts << name << name;
                        QVERIFY(press(showTab(tab), "readButton"));
                    }, QString::fromUtf8(reads[which].changes)};
    };
    const QString verified = QStringLiteral("Dane wysłane poprawnie.\nKonfiguracja zweryfikowana");
    const QString pdf = m_dir.filePath(QStringLiteral("protokol.pdf"));

    std::vector<Step> day = {
        {"connect", [this] {
             m_window->findChild<QAction *>(QStringLiteral("actionConnect"))->trigger();
             QVERIFY(m_window->usbManager()->isOpen());
         }, ""},
        read(0, "before the visit", "Hala B"),
        {"rename it", [this] {
             m_dialogs->texts << QStringLiteral("Hala A");
             QVERIFY(press(showTab("Konfiguracja"), "renameButton"));
             QVERIFY(DbManager::instance()->findConfigId(QStringLiteral("Hala A")) != 0);
         }, "prompts +1, messages +1"},
        {"edit a setting, send it through the review", [this, &verified] {
             auto *area = showTab("Konfiguracja")->findChild<QMdiArea *>("mdiArea");
             TreeModel *model = qobject_cast<ConfigEditor *>(area->activeSubWindow()->widget())
                                        ->model();
             const QModelIndex capacity = model->index(1, 1, model->index(0, 0));
             QCOMPARE(capacity.siblingAtColumn(0).data().toString(),
                      QStringLiteral("Pojemność Akumulatorów"));
             QVERIFY(model->setData(capacity, capacity.data().toString().startsWith("65")
                                                      ? 40u : 65u));
             QVERIFY(press(showTab("Konfiguracja"), "sendButton"));
             QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->count(verified), 1, 20000);
         }, "KONFIGURACJA +1, questions +2, messages +2, ReadConfig +2, ConfigData +1"},
        read(1, "before the visit", {}),
        read(2, "before the visit", {}),
        read(3, "before the visit", {}),
        {"start a visit", [this] {
             m_window->findChild<QAction *>(QStringLiteral("actionVisit"))->trigger();
             QVERIFY(m_window->visitsManagement()->currentVisit() != 0);
         }, "OBIEKTY +1, CENTRALE +1, WIZYTY +1, ReadConfig +1"},
        {"arrival reading", [this] {
             visit()->findChild<QCheckBox *>(QStringLiteral("registerBox"))->setChecked(true);
             QVERIFY(press(visit(), "arrivalButton"));
         }, "KONFIGURACJA +1, PAMIETNIK +1, USZKODZENIA +1, OPROGRAMOWANIE +1, "
            // 7 module checks, 6 general checks and 6 kinds of field device.
            "WIZYTY_REKORDY +4, WIZYTY_KONTROLE +19, ReadClock +1, ReadConfig +1, ReadFaults +1, "
            "ReadSoftware +1, ReadEventLog +2"},
        {"checks and a battery", [this] {
             auto *checks = visit()->findChild<QTableWidget *>(QStringLiteral("checksTable"));
             checks->item(0, VisitWindow::CheckMeasured)->setText(QStringLiteral("27,4 V"));
             for (int row = 0; row < checks->rowCount(); ++row)
                 QTest::keyClick(checks->cellWidget(row, VisitWindow::CheckResultColumn),
                                 Qt::Key_Down); // from unchecked to "OK"
             QVERIFY(press(visit(), "addBatteryButton"));
             auto *batteries = visit()->findChild<QTableWidget *>("batteriesTable");
             const QString installed = QDate::currentDate().addYears(-1).toString(Qt::ISODate);
             const std::pair<int, QString> cells[] = {{VisitWindow::BatteryMake, "AGM 12V 7Ah"},
                                                      {VisitWindow::BatteryAh, "7,2"},
                                                      {VisitWindow::BatteryInstalled, installed}};
             for (const auto &cell : cells)
                 batteries->item(0, cell.first)->setText(cell.second);
         }, "checks OK +19, WIZYTY_AKUMULATORY +1"},
        {"departure reading, the clock set", [this] {
             QVERIFY(press(visit(), "departureButton"));
         }, "KONFIGURACJA +1, USZKODZENIA +1, WIZYTY_REKORDY +2, questions +1, clock set +1, "
            "ReadClock +1, ReadFaults +1, ReadConfig +1, ClockData +1"},
        {"close, report", [this, &pdf] {
             visit()->findChild<QComboBox *>(QStringLiteral("verdictBox"))->setCurrentIndex(1);
             visit()->findChild<QLineEdit *>(QStringLiteral("nextServiceEdit"))
                     ->setText(QDate::currentDate().addYears(1).toString(Qt::ISODate));
             QVERIFY(press(visit(), "closeButton"));
             m_dialogs->files << pdf;
             QVERIFY(press(visit(), "pdfButton"));
             bool readable = false;
             const QString report = pdfText(pdf, &readable);
             for (const QString &expected : readable ? QStringList{SiteName, Technician}
                                                     : QStringList{"%PDF-"})
                 QVERIFY2(report.contains(expected), qPrintable(report.left(2000)));
         // The close warns first (the unit's faults are still active at departure).
         }, "closed +1, questions +1"},
        read(0, "after the visit", "Po przeglądzie"),
        read(1, "after the visit", {}),
        read(2, "after the visit", {}),
        read(3, "after the visit", {}),
        {"clear the log through the question", [this] {
             QVERIFY(press(showTab("Serwis"), "sendAckButton"));
         // Read, stored, read again to see that the unit logged nothing meanwhile, then cleared.
         }, "PAMIETNIK +1, questions +1, messages +1, ReadEventLog +4, ClearEventLog +1"},
        {"set the clock", [this] {
             QVERIFY(press(showTab("Data i czas"), "sendComputerTimeButton"));
         }, "questions +1, messages +1, ClockData +1"},
        {"sync with the archive", [this] {
             m_server.settings(QStringLiteral("tech_a")).save(DbManager::instance());
             auto *sync = m_window->findChild<QAction *>(QStringLiteral("actionArchiveSync"));
             sync->trigger();
             QVERIFY(!sync->isEnabled());
             QTRY_VERIFY_WITH_TIMEOUT(sync->isEnabled(), 30000);
             QCOMPARE(LocalArchive(DbManager::instance()->database()).waitingCount(), 0);
         }, "archived +14"}, // the unchanged fault and software lists are one record each
    };

    Counts expected;
    for (const auto &step : day) {
        step.act();
        if (QTest::currentTestFailed())
            return;
        apply(expected, step.changes);
        // The step's name on both sides, so that a failure says where the day went wrong.
        const QString name = step.name + QStringLiteral(": ");
        const auto seen = [&] { return name + differences(observe(), expected); };
        static_cast<void>(QTest::qWaitFor([&] { return seen() == name; }, 15000));
        QCOMPARE(seen(), name);
        QTest::qWait(SettleMs);
        QCOMPARE(seen(), name);
        m_dialogs->texts.clear();
    }
}

QTEST_MAIN(TestTechnicianDay)
#include "tst_technicianday.moc"
