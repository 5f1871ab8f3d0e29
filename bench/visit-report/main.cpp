// The service report of a visit whose event register holds the largest count of entries the
// protocol carries: building the HTML (the register summed up), then its PDF, without the
// register appendix.

#include "../common/syntheticregister.h"
#include "config/konfiguracja.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "gui/protocolprint.h"
#include "records/pamietnik.h"
#include "store/dbmanager.h"
#include "visits/checklist.h"
#include "visits/eventsummary.h"
#include "visits/visitreport.h"
#include "visits/visitstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

QByteArray largestRegister(int entries, const QDateTime &start)
{
    return syntheticRegister(entries, 7, start, 1200);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int entries = argc > 1 ? QByteArray(argv[1]).toInt() : 65025;
    buildOptionLists();
    initFaultTextTables();
    QTemporaryDir dir;
    DbManager db(QStringLiteral("bench"));
    if (!db.openDatabase(dir.path()))
        return 1;
    db.initTables();
    VisitStore store(db.database());

    Site site;
    site.name = QStringLiteral("Obiekt");
    Unit unit;
    unit.siteId = store.saveSite(site);
    unit.label = QStringLiteral("Centrala");
    unit.id = store.saveUnit(unit);
    Visit previous;
    previous.unitId = unit.id;
    previous.started = QDateTime::currentDateTime().addYears(-1);
    previous.id = store.startVisit(previous);
    Konfiguracja config(QStringLiteral("c"), nullptr);
    const QByteArray image = config.toByteArray(Konfiguracja::FromDatabase);
    store.linkRecord(previous.id, RecordRole::ConfigAfter, db.writeConfig("a", image));
    store.closeVisit(previous.id, Verdict::Working, QString(), QString(), QDate(), "-");

    Visit visit;
    visit.unitId = unit.id;
    const int id = store.startVisit(visit);
    store.linkRecord(id, RecordRole::ConfigBefore, db.writeConfig("b", image));
    store.linkRecord(id, RecordRole::ConfigAfter, db.writeConfig("c", image));
    // A register of about 16 months (10 minutes apart on average), half of it dated after the
    // previous visit's end (which the store sets to the moment it was closed).
    const QDateTime start = QDateTime::currentDateTime().addSecs(-qint64(entries) * 630 / 2);
    store.linkRecord(id, RecordRole::EventLog, db.writeLog("l", largestRegister(entries, start)));
    store.setChecks(id, buildChecklist(config));

    QVector<double> html;
    QVector<double> pdf;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        const VisitReport::Document report = VisitReport::document(store, id, false);
        html.append(timer.nsecsElapsed() / 1e9);
        ProtocolPrint::writePdf(report, dir.filePath(QStringLiteral("r.pdf")));
        pdf.append(timer.nsecsElapsed() / 1e9);
    }
    std::sort(html.begin(), html.end());
    std::sort(pdf.begin(), pdf.end());
    const Visit closed = store.visit(previous.id);
    PreviousVisitTiming timing;
    timing.ended = closed.ended;
    const QByteArray log =
            store.recordData(RecordRole::EventLog, store.linkedRecord(id, RecordRole::EventLog));
    const EventSummary summary = summarizeEvents(
            log, locateSince(log, true, store.registerAnchor(previous.id), timing));
    std::printf("register entries: %d, since the previous visit: %d, still active: %d\n",
                summary.total, summary.counted, int(summary.stillActive.size()));
    std::printf("report HTML (median of 3): %.3f s\n", html.at(1));
    std::printf("report ready as PDF without the register appendix (median of 3): %.3f s "
                "(limit 3 s)\n",
                pdf.at(1));
    return 0;
}
