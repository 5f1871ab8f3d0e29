#include "config/enumlist.h"
#include "config/optionlists.h"
#include "config/setting.h"

#include <QtTest>

class TestSetting : public QObject
{
    Q_OBJECT
private slots:
    // Settings keep pointers into the registry, so building it again must keep the lists.
    void initTestCase()
    {
        buildOptionLists();
        const EnumList *list = EnumList::find(5);
        buildOptionLists();
        QCOMPARE(EnumList::find(5), list);
    }

    // The registry owns its lists: a replaced or unregistered list is deleted, not leaked.
    void registryOwnsLists()
    {
        constexpr int id = 901;
        QPointer<EnumList> first = new EnumList;
        first->setId(id);
        EnumList::registerList(first);
        EnumList::registerList(first);
        QCOMPARE(EnumList::find(id), first.data());
        QPointer<EnumList> second = new EnumList;
        second->setId(id);
        EnumList::registerList(second);
        QVERIFY(first.isNull());
        QCOMPARE(EnumList::find(id), second.data());
        EnumList::unregisterList(id);
        QVERIFY(second.isNull());
        QVERIFY(!EnumList::isRegistered(id));
        QVERIFY(EnumList::find(5));
    }

    void valueText_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<int>("optionList");
        QTest::addColumn<QString>("expected");
        QTest::newRow("yes/no 0") << 1 << 0u << 0 << "Nie";
        QTest::newRow("yes/no 256") << 1 << 256u << 0 << "Tak";
        QTest::newRow("number unsigned top") << 2 << 4294967295u << 0 << "4294967295";
        QTest::newRow("duration 3725") << 3 << 3725u << 0 << " 1g: 2m: 5s";
        QTest::newRow("duration wraps a day") << 3 << 90061u << 0 << " 1g: 1m: 1s";
        QTest::newRow("minutes 600") << 5 << 600u << 0 << "10m";
        QTest::newRow("minutes 3600 wraps") << 5 << 3600u << 0 << " 0m";
        QTest::newRow("option list 5 key 3") << 4 << 3u << 5 << "Załączenie impulsowo-cykliczne";
        QTest::newRow("option in a gap") << 4 << 2u << 11 << "";
        QTest::newRow("option list 50 has no texts") << 4 << 0u << 50 << "";
    }
    void valueText()
    {
        QFETCH(int, kind);
        QFETCH(quint32, value);
        QFETCH(int, optionList);
        Setting setting("s", "", 0, 0xFFFFFFFFu, value, 4, 0, 0, quint8(kind), 1, 1);
        if (optionList != 0)
            setting.setEnumList(optionList);
        QTEST(setting.getValueText(), "expected");
    }
};

QTEST_GUILESS_MAIN(TestSetting)
#include "tst_setting.moc"
