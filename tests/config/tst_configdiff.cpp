// ctest-labels: safesend
#include "../modules/modules_support.h"

#include "config/configdiff.h"
#include "config/konfiguracja.h"

#include <QtTest>

#include <memory>

using namespace ModulesTest;

namespace {

// Modules as "type/number", settings given as "type/number/position=value"; every other
// setting keeps the module's default.
std::unique_ptr<Konfiguracja> build(const QStringList &modules, const QStringList &values = {})
{
    auto config = std::make_unique<Konfiguracja>();
    for (const QString &m : modules) {
        const QStringList parts = m.split('/');
        config->addModule(createModule(parts[0].toInt(nullptr, 16), quint8(parts[1].toInt())));
    }
    for (const QString &v : values) {
        const QStringList parts = v.split(QRegularExpression("[/=]"));
        for (Modul *module : config->getModules()) {
            if (module->getType() == parts[0].toInt(nullptr, 16)
                && module->getNumber() == parts[1].toInt())
                module->getSetting(parts[2].toInt())->setValue(parts[3].toUInt());
        }
    }
    return config;
}

std::unique_ptr<Konfiguracja> parsed(const QByteArray &image)
{
    auto config = std::make_unique<Konfiguracja>();
    config->parse(image, Konfiguracja::FromDatabase);
    return config;
}

// "changed:PSB 1:14", "left:ACL 1", "right:PSB 2".
QStringList describe(const ConfigComparison &comparison)
{
    QStringList rows;
    for (const ConfigDifference &row : comparison.differences()) {
        if (row.kind == ConfigDifference::Changed)
            rows << QStringLiteral("changed:%1:%2").arg(row.moduleName).arg(row.setting);
        else
            rows << (row.kind == ConfigDifference::OnlyLeft ? "left:" : "right:") + row.moduleName;
    }
    return rows;
}

} // namespace

class TestConfigDiff : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initStartupTables(); }

    void compare_data()
    {
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<QByteArray>("right");
        QTest::addColumn<QStringList>("differences");
        QTest::addColumn<int>("unchanged");

        const auto image = [](const QStringList &modules, const QStringList &values = {}) {
            return build(modules, values)->toByteArray(Konfiguracja::FromDatabase);
        };
        const int psb = int(build({"e0/1"})->getModule(0)->getSettings().size());
        const int acl = int(build({"d0/1"})->getModule(0)->getSettings().size());
        // Values are compared, not bytes: a repeated first byte of the next record gives the
        // same values as the plain image.
        QTest::newRow("equal values, different bytes")
                << hex("02d0010101e0e00100") << hex("02d0010101e00100") << QStringList()
                << acl + psb;
        QTest::newRow("one changed value")
                << image({"e0/1", "d0/1"}) << image({"e0/1", "d0/1"}, {"e0/1/14=7"})
                << QStringList{"changed:PSB 1:14"} << psb + acl - 1;
        QTest::newRow("module on the left only")
                << image({"e0/1", "d0/1"}) << image({"e0/1"}) << QStringList{"left:ACL 1"} << psb;
        // Matched by number, not by position: the change belongs to PSB 2 wherever it is.
        QTest::newRow("two of one type, swapped")
                << image({"e0/1", "e0/2"}) << image({"e0/2", "e0/1"}, {"e0/2/1=40"})
                << QStringList{"changed:PSB 2:1"} << 2 * psb - 1;
        QTest::newRow("two of one type, other numbers")
                << image({"e0/1", "e0/2"}) << image({"e0/2", "e0/3"})
                << QStringList{"left:PSB 1", "right:PSB 3"} << psb;
    }
    void compare()
    {
        QFETCH(QByteArray, left);
        QFETCH(QByteArray, right);
        QFETCH(QStringList, differences);
        QFETCH(int, unchanged);
        const ConfigComparison comparison = compareConfigurations(*parsed(left), *parsed(right));
        QCOMPARE(describe(comparison), differences);
        QCOMPARE(comparison.unchanged, unchanged);
        QCOMPARE(comparison.isEqual(), differences.isEmpty());
    }

    // Only the ticked rows go over: an unticked change keeps the unit's value, an unticked
    // missing module stays, a ticked new module is added.
    void applyChosenRows()
    {
        const auto unit = build({"e0/1", "d0/1"}, {"e0/1/1=20", "e0/1/14=3"});
        const auto target = build({"e0/1", "f0/1"}, {"e0/1/1=40", "e0/1/14=9"});
        const ConfigComparison comparison = compareConfigurations(*unit, *target);
        QCOMPARE(describe(comparison),
                 (QStringList{"changed:PSB 1:1", "changed:PSB 1:14", "left:ACL 1", "right:PSL 1"}));
        QList<ConfigDifference> chosen = comparison.differences();
        chosen.removeAt(2); // keep the ACL
        chosen.removeAt(0); // leave the capacity as the unit has it
        std::unique_ptr<Konfiguracja> result(applyDifferences(*unit, *target, chosen));
        QCOMPARE(describe(compareConfigurations(*unit, *result)),
                 (QStringList{"changed:PSB 1:14", "right:PSL 1"}));
        QCOMPARE(result->getModule(0)->getSetting(1)->getValue(), 20u);
        QCOMPARE(result->getModule(0)->getSetting(14)->getValue(), 9u);
        // The unit's own configuration is left as it was.
        QCOMPARE(unit->getModule(0)->getSetting(14)->getValue(), 3u);
    }
};

QTEST_MAIN(TestConfigDiff)
#include "tst_configdiff.moc"
