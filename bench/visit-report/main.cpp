// The service report of a visit whose event register holds the largest count of entries the
// protocol carries: building the HTML (the register summed up), then its PDF, without the
// register appendix; then once with the whole register as its appendix.

#include "../common/syntheticregister.h"
#include "config/konfiguracja.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "modules/moduletypes.h"
#include "gui/reportprinter.h"
#include "gui/startup.h"
#include "gui/protocolprint.h"
#include "records/pamietnik.h"
#include "store/dbmanager.h"
#include "visits/checklist.h"
#include "visits/eventsummary.h"
#include "visits/visitreport.h"
#include "visits/visitstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

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
    registerModules();
    initFaultTextTables();
    QTemporaryDir dir;
    DbManager db(QStringLiteral("bench"));
    if (!db.openDatabase(dir.path()))
        return 1;
    createStoreTables(db);
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

    // With the whole register as its appendix, under the footer's "strona X z Y": every entry
    // must reach the PDF.
    QElapsedTimer timer;
    timer.start();
    const VisitReport::Document full = VisitReport::document(store, id, true);
    const QString fullPdf = dir.filePath(QStringLiteral("full.pdf"));
    const bool written = ProtocolPrint::writePdf(full, fullPdf);
    const double fullS = timer.nsecsElapsed() / 1e9;
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {fullPdf});
    info.waitForFinished(60000);
    const QString pages = QString::fromUtf8(info.readAllStandardOutput())
                                  .section(QStringLiteral("Pages:"), 1)
                                  .section(QLatin1Char('\n'), 0, 0)
                                  .trimmed();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fullPdf,
                                             QStringLiteral("-")});
    text.waitForFinished(600000);
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    QStringList missing;
    for (int entry : {1, (entries + 1) / 2, entries}) {
        if (!printed.contains(QRegularExpression(QStringLiteral("^ *%1 +\\d{4}-").arg(entry),
                                                 QRegularExpression::MultilineOption)))
            missing << QString::number(entry);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("report with the register appendix as PDF: %.1f s, %s pages, %lld bytes, "
                "peak %.0f MB; entries 1, %d and %d %s\n",
                fullS, qPrintable(pages), static_cast<long long>(QFileInfo(fullPdf).size()),
                usage.ru_maxrss / 1024.0, (entries + 1) / 2, entries,
                missing.isEmpty() ? "found" : qPrintable("MISSING: " + missing.join(' ')));
    return written && missing.isEmpty() ? 0 : 1;
}
