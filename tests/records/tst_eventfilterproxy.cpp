// ctest-labels: eventlog
#include "config/modulefactory.h"
#include "records/eventfilterproxy.h"
#include "records/eventlogmodel.h"
#include "records/pamietnik.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <algorithm>

namespace {
QDateTime at(int day, int hour, int minute = 0, int second = 0)
{
    return QDateTime(QDate(2024, 3, day), QTime(hour, minute, second));
}

// Six records, oldest first. Two pairs share their time stamps, and the last one was written
// after the clock had been set back.
const QByteArray Register = QByteArray::fromHex("1803050a0000" "1700"  // 0: the unit, start
                                                "1803050a0000" "03ea"  // 1: PSB 10
                                                "180306081e00" "83e2"  // 2: PSB 2, gone
                                                "180306081e00" "03e2"  // 3: PSB 2
                                                "1803070c0000" "83f2"  // 4: PSL 2, gone
                                                "180304173b3b" "03f2"); // 5: PSL 2
} // namespace

class tst_EventFilterProxy : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initFaultTextTables(); }
    void init();
    void filter_data();
    void filter();
    void sort_data();
    void sort();

private:
    std::unique_ptr<EventLogModel> m_model;
    std::unique_ptr<EventFilterProxy> m_proxy;
};

void tst_EventFilterProxy::init()
{
    m_model = std::make_unique<EventLogModel>(Register);
    m_proxy = std::make_unique<EventFilterProxy>();
    m_proxy->setSourceModel(m_model.get());
}

// Each row: a filter and the register indexes it leaves, in the order shown (newest first).
void tst_EventFilterProxy::filter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("source");
    QTest::addColumn<QDateTime>("from");
    QTest::addColumn<QDateTime>("to");
    QTest::addColumn<int>("state");
    QTest::addColumn<QVector<int>>("shown");
    using V = QVector<int>;
    const QDateTime open;
    const int all = EventFilter::AllEntries;
    const int active = EventFilter::ActiveOnly;
    QTest::newRow("nothing set") << "" << -1 << open << open << all << V{5, 4, 3, 2, 1, 0};
    QTest::newRow("module text, any case") << "psb" << -1 << open << open << all << V{3, 2, 1};
    QTest::newRow("PSB 1 finds PSB 10") << "PSB 1" << -1 << open << open << all << V{1};
    QTest::newRow("event text") << "start SYSTEMU" << -1 << open << open << all << V{0};
    QTest::newRow("Polish letters, any case") << "usunięte" << -1 << open << open << all << V{4, 2};
    QTest::newRow("no match") << "nic takiego" << -1 << open << open << all << V{};
    QTest::newRow("module, active") << "" << 0xE2 << open << open << active << V{3};
    QTest::newRow("active only") << "" << -1 << open << open << active << V{5, 3, 1, 0};
    QTest::newRow("from a day on") << "" << -1 << at(6, 0) << open << all << V{4, 3, 2};
    QTest::newRow("to a second, inclusive") << "" << -1 << open << at(6, 8, 30) << all
                                            << V{5, 3, 2, 1, 0};
    QTest::newRow("everything narrowed") << "psl" << 0xF2 << at(7, 0) << at(8, 0)
                                         << int(EventFilter::RemovedOnly) << V{4};
}

void tst_EventFilterProxy::filter()
{
    QFETCH(QVector<int>, shown);
    QAbstractItemModelTester tester(m_proxy.get(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    EventFilter filter;
    QFETCH(QString, text);
    QFETCH(int, source);
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    QFETCH(int, state);
    filter.text = text;
    filter.source = source;
    filter.from = from;
    filter.to = to;
    filter.state = EventFilter::State(state);
    // A second filter on the same proxy starts from the whole register again.
    m_proxy->setEventFilter(EventFilter{});
    m_proxy->setEventFilter(filter);
    QCOMPARE(m_proxy->visibleIndexes(), shown);
    QCOMPARE(m_proxy->rowCount(), shown.size());
    QCOMPARE(m_proxy->hidesRows(), shown.size() < 6);
    // The row headers keep the register's numbers.
    for (int row = 0; row < shown.size(); ++row)
        QCOMPARE(m_proxy->headerData(row, Qt::Vertical).toInt(), shown.at(row) + 1);
}

// Equal keys keep the register's order in the direction of the sort, so that entries written
// in the same second stay in the order they happened. Filtering a sorted view keeps its order.
void tst_EventFilterProxy::sort_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QVector<int>>("shown");
    using V = QVector<int>;
    const int date = EventLogModel::DateColumn;
    QTest::newRow("date, oldest first") << date << int(Qt::AscendingOrder) << V{5, 0, 1, 2, 3, 4};
    QTest::newRow("date, newest first") << date << int(Qt::DescendingOrder) << V{4, 3, 2, 1, 0, 5};
    QTest::newRow("module, by name then number") << int(EventLogModel::ModuleColumn)
                                                 << int(Qt::AscendingOrder) << V{0, 2, 3, 1, 4, 5};
    QTest::newRow("no column: the register, newest first")
            << -1 << int(Qt::AscendingOrder) << V{5, 4, 3, 2, 1, 0};
}

void tst_EventFilterProxy::sort()
{
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QVector<int>, shown);
    m_proxy->sort(EventLogModel::EventColumn);
    m_proxy->sort(column, Qt::SortOrder(order));
    QCOMPARE(m_proxy->visibleIndexes(), shown);
    EventFilter filter;
    filter.state = EventFilter::ActiveOnly;
    m_proxy->setEventFilter(filter);
    shown.erase(std::remove_if(shown.begin(), shown.end(), [](int i) { return i == 2 || i == 4; }),
                shown.end()); // 2 and 4 are the removed ones
    QCOMPARE(m_proxy->visibleIndexes(), shown);
}

QTEST_GUILESS_MAIN(tst_EventFilterProxy)
#include "tst_eventfilterproxy.moc"
