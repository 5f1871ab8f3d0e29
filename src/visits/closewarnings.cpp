#include "visits/closewarnings.h"

#include "config/modul.h"
#include "records/uszkodzenia.h"
#include "visits/visitstore.h"

#include <QCoreApplication>

namespace {

int departureFaults(const VisitStore &store, int visitId)
{
    const int record = store.linkedRecord(visitId, RecordRole::FaultsDeparture);
    if (record == 0)
        return 0;
    Uszkodzenia faults;
    faults.parse(store.recordData(RecordRole::FaultsDeparture, record));
    int count = 0;
    for (Modul *module : faults.getModules())
        count += module->getFaults().size();
    return count;
}

} // namespace

QStringList closeWarnings(const VisitStore &store, int visitId, Verdict verdict)
{
    const auto translated = [](const char *text) {
        return QCoreApplication::translate("CloseWarnings", text);
    };
    QStringList warnings;
    const Visit visit = store.visit(visitId);
    int unchecked = 0;
    for (const CheckRow &check : store.checks(visitId))
        unchecked += check.result == CheckResult::NotChecked;
    if (unchecked > 0)
        warnings << translated(QT_TRANSLATE_NOOP("CloseWarnings",
                                         "Sprawdzenia bez wyniku: %1. W protokole będą opisane "
                                         "jako „nie sprawdzono”."))
                            .arg(unchecked);
    const int faults = departureFaults(store, visitId);
    if (verdict == Verdict::Working && faults > 0)
        warnings << translated(QT_TRANSLATE_NOOP("CloseWarnings",
                                         "Ocena „sprawna”, a przy odjeździe centrala zgłasza "
                                         "uszkodzenia: %1."))
                            .arg(faults);
    for (const BatteryRow &battery : store.batteries(visitId)) {
        const QDate due = batteryReplacementDue(battery.installed, visit.batteryLifeYears);
        const BatteryDueState state = batteryDueState(due, visit.started.date());
        if (state != BatteryDueState::Overdue && state != BatteryDueState::DueSoon)
            continue;
        const QString name = battery.make.isEmpty() ? QString::number(battery.position)
                                                    : battery.make;
        warnings << (state == BatteryDueState::Overdue
                             ? translated(QT_TRANSLATE_NOOP("CloseWarnings",
                                                    "Akumulator %1: termin wymiany %2 minął, a "
                                                    "akumulatora nie wymieniono."))
                             : translated(QT_TRANSLATE_NOOP("CloseWarnings",
                                                    "Akumulator %1: termin wymiany %2 przypada w "
                                                    "ciągu 90 dni, a akumulatora nie "
                                                    "wymieniono.")))
                            .arg(name, due.toString(Qt::ISODate));
    }
    return warnings;
}
