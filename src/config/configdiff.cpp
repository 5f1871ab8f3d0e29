#include "configdiff.h"

#include "konfiguracja.h"
#include "modul.h"
#include "modulefactory.h"
#include "setting.h"

#include <QHash>
#include <QPair>
#include <QSet>

#include <algorithm>

namespace {

QString moduleLabel(Modul *module)
{
    return QStringLiteral("%1 %2").arg(module->getName()).arg(module->getNumber());
}

// A value the setting has no text for (an option outside its list, a setting without a kind)
// would show as nothing; the number at least tells the two sides apart.
QString shownValue(const Setting &setting)
{
    const QString text = setting.getValueText();
    return text.isEmpty() ? QString::number(setting.getValue()) : text;
}

ConfigDifference moduleRow(ConfigDifference::Kind kind, Modul *module, int position)
{
    ConfigDifference row;
    row.kind = kind;
    row.type = module->getType();
    row.number = module->getNumber();
    row.moduleName = moduleLabel(module);
    (kind == ConfigDifference::OnlyLeft ? row.leftModule : row.rightModule) = position;
    (kind == ConfigDifference::OnlyLeft ? row.leftText : row.rightText) =
            module->getDescription();
    return row;
}

// For each module of `from`, the position of its partner in `to`, or -1.
QVector<int> matchModules(const QList<Modul *> &from, const QList<Modul *> &to)
{
    QHash<QPair<int, int>, QList<int>> free;
    for (int i = 0; i < to.size(); ++i)
        free[qMakePair(to.at(i)->getType(), int(to.at(i)->getNumber()))].append(i);
    QVector<int> partner(from.size(), -1);
    for (int i = 0; i < from.size(); ++i) {
        const QPair<int, int> key(from.at(i)->getType(), int(from.at(i)->getNumber()));
        QList<int> &candidates = free[key];
        if (!candidates.isEmpty())
            partner[i] = candidates.takeFirst();
    }
    return partner;
}

Modul *copyOf(Modul *module)
{
    Modul *copy = createModule(module->getType(), module->getNumber());
    if (copy)
        copy->parse(module->toByteArray());
    return copy;
}

} // namespace

QList<ConfigDifference> ConfigComparison::differences() const
{
    QList<ConfigDifference> list;
    for (const ConfigDifference &row : rows) {
        if (row.isDifference())
            list.append(row);
    }
    return list;
}

ConfigComparison compareConfigurations(const Konfiguracja &left, const Konfiguracja &right)
{
    ConfigComparison result;
    const QList<Modul *> leftModules = left.getModules();
    const QList<Modul *> rightModules = right.getModules();
    result.leftModules = leftModules.size();
    result.rightModules = rightModules.size();
    const QVector<int> partner = matchModules(leftModules, rightModules);

    for (int i = 0; i < leftModules.size(); ++i) {
        Modul *a = leftModules.at(i);
        if (partner.at(i) < 0) {
            result.rows.append(moduleRow(ConfigDifference::OnlyLeft, a, i));
            ++result.onlyLeft;
            continue;
        }
        Modul *b = rightModules.at(partner.at(i));
        const QList<Setting *> settingsA = a->getSettings();
        const QList<Setting *> settingsB = b->getSettings();
        for (int s = 0; s < settingsA.size() && s < settingsB.size(); ++s) {
            const Setting *x = settingsA.at(s);
            const Setting *y = settingsB.at(s);
            ConfigDifference row;
            row.kind = x->getValue() == y->getValue() ? ConfigDifference::Unchanged
                                                      : ConfigDifference::Changed;
            row.type = a->getType();
            row.number = a->getNumber();
            row.moduleName = moduleLabel(a);
            row.leftModule = i;
            row.rightModule = partner.at(i);
            row.setting = s;
            row.settingName = x->getName();
            row.leftValue = x->getValue();
            row.rightValue = y->getValue();
            row.leftText = shownValue(*x);
            row.rightText = shownValue(*y);
            ++(row.kind == ConfigDifference::Changed ? result.changed : result.unchanged);
            result.rows.append(row);
        }
    }
    const QSet<int> matched(partner.cbegin(), partner.cend());
    for (int j = 0; j < rightModules.size(); ++j) {
        if (!matched.contains(j)) {
            result.rows.append(moduleRow(ConfigDifference::OnlyRight, rightModules.at(j), j));
            ++result.onlyRight;
        }
    }
    return result;
}

Konfiguracja *applyDifferences(const Konfiguracja &base, const Konfiguracja &target,
                               const QList<ConfigDifference> &chosen)
{
    QSet<int> dropped;
    QList<int> added;
    QHash<int, QList<const ConfigDifference *>> changes; // by the base's module position
    for (const ConfigDifference &row : chosen) {
        switch (row.kind) {
        case ConfigDifference::OnlyLeft: dropped.insert(row.leftModule); break;
        case ConfigDifference::OnlyRight: added.append(row.rightModule); break;
        case ConfigDifference::Changed: changes[row.leftModule].append(&row); break;
        case ConfigDifference::Unchanged: break;
        }
    }

    auto *result = new Konfiguracja(static_cast<QObject *>(nullptr));
    result->setName(base.getName());
    const QList<Modul *> baseModules = base.getModules();
    for (int i = 0; i < baseModules.size(); ++i) {
        if (dropped.contains(i))
            continue;
        Modul *copy = copyOf(baseModules.at(i));
        if (!copy)
            continue;
        for (const ConfigDifference *row : changes.value(i)) {
            Setting *setting = copy->getSetting(row->setting);
            const Modul *source = target.getModule(row->rightModule);
            const Setting *wanted = source ? source->getSetting(row->setting) : nullptr;
            if (setting && wanted)
                setting->setValue(wanted->getValue());
        }
        // The settings are the payload's source of truth: re-read so derived state follows.
        copy->parse(copy->toByteArray());
        result->addModule(copy);
    }
    std::sort(added.begin(), added.end());
    for (int j : qAsConst(added)) {
        if (Modul *module = target.getModule(j))
            result->addModule(copyOf(module));
    }
    return result;
}
