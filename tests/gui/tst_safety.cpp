// ctest-labels: trust
#include "fakedialogs.h"
#include "servicewindows_support.h"

#include "gui/eventsmanagement.h"
#include "gui/faultsmanagement.h"
#include "gui/servicemanagement.h"
#include "gui/startup.h"
#include "gui/timemanagement.h"

#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "link/linkreply.h"
#include "service/unitclock.h"
#include "store/dbmanager.h"

#include <QtSql>
#include <QtWidgets>

#include <ctime>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

int rows(const QString &table)
{
    QSqlQuery query(QStringLiteral("SELECT count(*) FROM ") + table);
    return query.next() ? query.value(0).toInt() : -1;
}

QByteArray readEventLog(USBManager &link)
{
    QSignalSpy answered(link.request(Device::ReadEventLog, QByteArray(2, '\0'),
                                     Device::EventLogPart),
                        &LinkReply::finished);
    return answered.wait(30000) ? answered.at(0).at(0).toByteArray() : QByteArray("timeout");
}

} // namespace

// Nothing harms the unit or the store without a question, and each answer does what it says:
// against the simulated unit and a real store.
class TestSafety : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static QString clearLog(FakeDialogs &dialogs, bool unitLogsMeanwhile);
    static QString deleteRecord(const QString &kind);

private slots:
    void initTestCase()
    {
        // A technician's zone, where 2024-03-31 02:30 falls into the spring-forward gap.
        qputenv("TZ", "Europe/Warsaw");
        tzset();
        buildOptionLists();
        initFaultTextTables();
        QVERIFY(DbManager::instance()->openDatabase(m_dir.path()));
        createStoreTables(*DbManager::instance());
    }
    void init()
    {
        for (const char *table : {"PAMIETNIK", "USZKODZENIA"})
            QSqlQuery().exec(QLatin1String("DELETE FROM ") + QLatin1String(table));
    }
    // Rows: the action, the answers given in turn, what became of the unit and the store, and the
    // first question asked (null: not compared).
    void questions_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("effect");
        QTest::addColumn<QString>("question");
        const QString clear = QStringLiteral(
                "box|Wyczyść rejestr zdarzeń|Rejestr zdarzeń w centrali zostanie skasowany i nie "
                "da się go odtworzyć.\n\n„Odczytaj, zapisz i wyczyść” najpierw odczytuje rejestr i "
                "zapisuje go w bazie danych; centrala jest czyszczona dopiero po zapisaniu.|Anuluj,"
                "Odczytaj, zapisz i wyczyść,Wyczyść bez odczytu");
        // The unit logs a clock setting while its register is being read: that entry is stored
        // by a second read before anything is cleared. (The plain read, store and clear: the
        // technician's day.)
        QTest::newRow("clear while the unit logs")
                << "clear, logging" << "Yes" << "stored 2, clock setting stored, cleared" << clear;
        QTest::newRow("clear without reading")
                << "clear" << "No" << "stored 0, cleared" << QString();
        QTest::newRow("clear cancelled") << "clear" << "Cancel" << "stored 0, kept 40" << QString();
        QTest::newRow("delete event register") << "events" << "Yes" << "gone"
                << "box|Usunięcie rejestru zdarzeń|Czy usunąć rejestr zdarzeń R1?|Nie,Tak";
        QTest::newRow("keep fault list") << "faults" << "No" << "kept"
                << "box|Usunięcie uszkodzeń|Czy usunąć listę uszkodzeń R1?|Nie,Tak";
    }
    void questions()
    {
        QFETCH(QString, action);
        QFETCH(QString, answers);
        QFETCH(QString, question);
        const QMap<QString, QMessageBox::StandardButton> buttons{
                {"Yes", QMessageBox::Yes}, {"No", QMessageBox::No},
                {"Cancel", QMessageBox::Cancel}};
        FakeDialogs dialogs(QMessageBox::Cancel);
        for (const QString &answer : answers.split(','))
            dialogs.answers << buttons.value(answer);
        QString effect;
        if (action.startsWith("clear"))
            effect = clearLog(dialogs, action.endsWith("logging"));
        else
            effect = deleteRecord(action);
        QTEST(effect, "effect");
        if (!question.isNull()) {
            QStringList asked = dialogs.lines("question") + dialogs.lines("box");
            QCOMPARE(asked.value(0), question);
        }
        QVERIFY2(dialogs.answers.isEmpty(), "a question was not asked");
    }
    // Rows: the unit's flag in its clock answers (-1: no answer yet), the user's click on the flag
    // to send (-1: none), the button, the answer to the question, and what is sent: the payload,
    // "now:<flag>" for the PC's time, or nothing.
    void clockPayloads_data()
    {
        QTest::addColumn<int>("unitFlag");
        QTest::addColumn<int>("userFlag");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QString>("sent");
        QTest::newRow("typed in the DST gap, unit's flag on") << 1 << -1 << "typed" << true
                                                              << "18031F021E0001";
        QTest::newRow("typed, user turns the flag off") << 1 << 0 << "typed" << true
                                                        << "18031F021E0000";
        QTest::newRow("typed, user turns the flag on") << 0 << 1 << "typed" << true
                                                       << "18031F021E0001";
        QTest::newRow("PC time keeps the unit's flag on") << 1 << 0 << "pc" << true << "now:1";
        QTest::newRow("PC time keeps the unit's flag off") << 0 << 1 << "pc" << true << "now:0";
        QTest::newRow("PC time, unit's flag unknown") << -1 << 1 << "pc" << true << "now:1";
        QTest::newRow("set time back on the tab follows the PC") << 1 << -1 << "shown again" << true
                                                                 << "now:1";
        QTest::newRow("declined") << 1 << -1 << "typed" << false << "";
    }
    void clockPayloads()
    {
        QFETCH(int, unitFlag);
        QFETCH(int, userFlag);
        QFETCH(QString, button);
        QFETCH(bool, confirmed);
        QFETCH(QString, sent);
        FakeDialogs dialogs(confirmed ? QMessageBox::Yes : QMessageBox::No);
        PtyUnit unit;
        TimeManagement window(&unit.link);
        window.show();
        QVERIFY(unit.open());
        const QByteArray answer = QByteArray::fromHex("18031F021E00") + char(unitFlag);
        auto *flag = child<QCheckBox>(window, "checkBoxChangeTimeSend");
        if (unitFlag >= 0)
            emit unit.link.signalUnitClock(answer);
        if (userFlag >= 0) {
            flag->click();
            if (flag->isChecked() != (userFlag == 1))
                flag->click();
            // Later answers leave the user's choice alone.
            if (unitFlag >= 0)
                emit unit.link.signalUnitClock(answer);
        }
        auto *edit = child<QDateTimeEdit>(window, "dateSetTimeEdit");
        // Typed inside the PC zone's DST gap: sent as typed, not moved by an hour.
        edit->setDateTime(QDateTime(QDate(2024, 3, 31), QTime(2, 30), Qt::UTC));
        if (button == "shown again") {
            window.hide();
            window.show();
        }
        const QDateTime now = QDateTime::currentDateTime();
        QTest::mouseClick(child<QPushButton>(window, button == "pc" ? "sendComputerTimeButton"
                                                                    : "sendTimeButton"),
                          Qt::LeftButton);
        const QStringList asked = dialogs.lines("question");
        const QString flagText = sent.endsWith('1') ? "włączona?" : "wyłączona?";
        QVERIFY2(asked.size() == 1 && (sent.isEmpty() || asked[0].endsWith(flagText)),
                 qPrintable(asked.join('\n')));
        if (sent.isEmpty()) {
            QVERIFY(child<QPushButton>(window, "sendTimeButton")->isEnabled());
            return;
        }
        const QByteArray frame = unit.request(Device::ClockData);
        const QByteArray payload = frame.mid(5, frame.size() - 6);
        QVERIFY(Device::checkCrc(frame.constData(), frame.size() - 1));
        if (sent.startsWith("now:")) {
            QDateTime time;
            int dst = -1;
            QVERIFY(UnitClock::parse(payload, &time, &dst));
            QCOMPARE(dst, sent.back().digitValue());
            QVERIFY(qAbs(QDateTime(time.date(), time.time()).secsTo(now)) <= 2);
            return;
        }
        QCOMPARE(payload.toHex().toUpper(), sent.toLatin1());
        QCOMPARE(asked[0], "question|Data i czas|Ustawić w centrali datę i czas: 31.03.2024 "
                           "02:30:00, automatyczna zmiana czasu LATO/ZIMA: " + flagText);
        // What the unit answers is what it now has, and it is shown.
        unit.answer(Device::ClockData, QByteArray::fromHex("18031F021E0501"));
        QTRY_COMPARE(dialogs.lines("information"),
                     QStringList("information|Data i czas|Centrala ma teraz datę i czas 31.03.2024 "
                                 "02:30:05, automatyczna zmiana czasu LATO/ZIMA: włączona."));
    }
    // Every clock answer is shown, the link's idle reads included, with the PC's time of arrival.
    void clockAnswers_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("box"); // the unit's flag box before and after
        const char *const night = "31.03.2024 02:30:00";
        QTest::newRow("7 bytes set the flag") << hex("18031F021E0001") << night << "01";
        QTest::newRow("7 bytes clear the flag") << hex("18031F021E0000") << night << "10";
        QTest::newRow("6 bytes keep a checked box") << hex("18031F021E00") << night << "11";
        QTest::newRow("5 bytes change nothing") << hex("18031F021E") << "05.05.2010 05:05:05"
                                                << "11";
        QTest::newRow("impossible date") << hex("18001F021E0001") << "Nieprawidłowa data" << "01";
    }
    void clockAnswers()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QString, shown);
        QFETCH(QString, box);
        USBManager link;
        TimeManagement window(&link);
        auto *unitTime = child<QDateTimeEdit>(window, "dateReadTimeEdit");
        auto *arrival = child<QDateTimeEdit>(window, "dateSystemTimeEdit");
        auto *flag = child<QCheckBox>(window, "checkBoxChangeTimeRead");
        unitTime->setDateTime(QDateTime(QDate(2010, 5, 5), QTime(5, 5, 5), Qt::UTC));
        arrival->setDateTime(QDateTime(QDate(2010, 5, 5), QTime(5, 5, 5)));
        flag->setChecked(box.at(0) == QLatin1Char('1'));
        emit link.signalUnitClock(payload);
        QCOMPARE(unitTime->text(), shown);
        QCOMPARE(flag->isChecked(), box.at(1) == QLatin1Char('1'));
        const bool stamped = shown != QLatin1String("05.05.2010 05:05:05");
        QCOMPARE(qAbs(arrival->dateTime().secsTo(QDateTime::currentDateTime())) <= 2, stamped);
    }
    void idleClockAdvancesWithTheUnit()
    {
        SimUnit sim;
        TimeManagement window(&sim.link);
        auto *unitTime = child<QDateTimeEdit>(window, "dateReadTimeEdit");
        const QDateTime initial = unitTime->dateTime();
        QVERIFY(sim.open());
        // No user action: only the link's idle reads bring the clock in, the PC's wall time. (On
        // connecting, the previous unit's clock gives way to an empty field.)
        QTRY_VERIFY_WITH_TIMEOUT(unitTime->dateTime() != initial
                                         && unitTime->dateTime() != unitTime->minimumDateTime(),
                                 6000);
        const QDateTime first = unitTime->dateTime();
        const QDateTime wall(first.date(), first.time());
        QVERIFY(qAbs(wall.secsTo(QDateTime::currentDateTime())) <= 5);
        QTRY_VERIFY_WITH_TIMEOUT(unitTime->dateTime() > first, 6000);
    }
};

QString TestSafety::clearLog(FakeDialogs &dialogs, bool unitLogsMeanwhile)
{
    SimUnit sim({QStringLiteral("--log-entries"), QStringLiteral("40")});
    if (!sim.open())
        return QStringLiteral("no unit");
    ServiceManagement window(&sim.link);
    QSignalSpy storedSignal(&window, &ServiceManagement::signalEventLogStored);
    auto *button = child<QPushButton>(window, "sendAckButton");
    QTest::mouseClick(button, Qt::LeftButton);
    if (unitLogsMeanwhile)
        sim.link.queueFrame(frameOf(Device::ClockData, QByteArray::fromHex("18031F0C1E0001")));
    const bool asked = dialogs.answers.isEmpty();
    QTest::qWait(200);
    if (!QTest::qWaitFor([button] { return button->isEnabled(); }, 20000))
        return QStringLiteral("still busy");
    const int unitEntries = readEventLog(sim.link).size() / 8;
    if (!asked)
        return QStringLiteral("not asked");
    // The unit notes its own clearing, and then our read, in the new register.
    QString effect = QStringLiteral("stored %1, ").arg(rows("PAMIETNIK"));
    QSqlQuery last(QStringLiteral("SELECT dane FROM PAMIETNIK ORDER BY id DESC LIMIT 1"));
    const QByteArray stored = last.next() ? last.value(0).toByteArray() : QByteArray();
    for (int at = 0; unitLogsMeanwhile && at + 8 <= stored.size(); at += 8) {
        if (stored.mid(at + 6, 2) == QByteArray::fromHex("1A00")) // "Zapis nowej daty i czasu"
            effect += QStringLiteral("clock setting stored, ");
    }
    effect += unitEntries <= 2 ? QStringLiteral("cleared")
                               : QStringLiteral("kept %1").arg(unitEntries);
    // Done is said once, naming the stored register when there is one.
    const QStringList done = dialogs.lines("information");
    if (effect.endsWith("cleared")
        && (done.size() != 1 || done[0].contains("zapisano jako L_") == storedSignal.isEmpty()))
        effect += QStringLiteral(" silently");
    return effect;
}

// The record windows share their deletion: the event log and the faults stand for them all.
QString TestSafety::deleteRecord(const QString &kind)
{
    const QString table = kind == "events" ? "PAMIETNIK" : "USZKODZENIA";
    QSqlQuery().exec(QStringLiteral("INSERT INTO %1 VALUES (NULL, 'R1', x'00')").arg(table));
    std::unique_ptr<RecordManagement> window;
    if (kind == "events")
        window = std::make_unique<EventsManagement>(nullptr, nullptr);
    else
        window = std::make_unique<FaultsManagement>(nullptr, nullptr);
    auto *list = window->findChild<QListView *>(QStringLiteral("lista"));
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
    child<QToolButton>(*window, "deleteButton")->defaultAction()->trigger();
    return rows(table) == 0 ? QStringLiteral("gone") : QStringLiteral("kept");
}

QTEST_MAIN(TestSafety)
#include "tst_safety.moc"
