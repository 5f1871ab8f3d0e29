#pragma once

#include <QList>
#include <QString>

class Konfiguracja;

// One row of the comparison of two configurations: a setting of a module both sides hold, or a
// module that only one side holds. Modules are matched by type and number (the k-th module of a
// type and number on one side with the k-th on the other); settings by their place in the
// module, so two images that decode to the same values compare equal whatever their bytes.
struct ConfigDifference
{
    enum Kind { Changed, Unchanged, OnlyLeft, OnlyRight };

    Kind kind = Unchanged;
    int type = 0;
    int number = 0;
    QString moduleName;  // short name and number, e.g. "PSB 1"
    int leftModule = -1; // position of the module in each configuration, -1 when absent
    int rightModule = -1;
    int setting = -1; // position of the setting in its module; -1 for a whole-module row
    QString settingName;
    QString leftText; // value texts; for a whole-module row the module's description
    QString rightText;
    quint32 leftValue = 0;
    quint32 rightValue = 0;

    bool isDifference() const { return kind != Unchanged; }
};

struct ConfigComparison
{
    QList<ConfigDifference> rows; // in the left configuration's module order, then the right's
    int leftModules = 0;
    int rightModules = 0;
    int onlyLeft = 0;
    int onlyRight = 0;
    int changed = 0;
    int unchanged = 0;

    bool isEqual() const { return onlyLeft == 0 && onlyRight == 0 && changed == 0; }
    bool moduleSetDiffers() const { return onlyLeft != 0 || onlyRight != 0; }
    QList<ConfigDifference> differences() const;
};

ConfigComparison compareConfigurations(const Konfiguracja &left, const Konfiguracja &right);

// A copy of `base` with the chosen rows of compareConfigurations(base, target) taken over from
// `target`: changed settings get the target's value, modules only in the target are added after
// the base's, modules only in the base are left out. The caller owns the result.
Konfiguracja *applyDifferences(const Konfiguracja &base, const Konfiguracja &target,
                               const QList<ConfigDifference> &chosen);
