#pragma once

#include "visits/eventsummary.h"
#include "visits/visitdata.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// The store of sites, units and visits: tables of their own beside the described record tables,
// on the same SQLite connection. An open visit is written at every change, so that a crash
// resumes it where it was. Closing freezes its protocol; a closed visit refuses every change,
// and a correction is a new visit naming the one it corrects and why. A visit started by
// mistake is abandoned with a reason and keeps its number.
//
// Every writer checks its input first: on bad input or a refused change it stores nothing,
// returns false (or 0 for an id) and lastError() holds the message for the technician.
class VisitStore
{
public:
    // The store on the given connection (the process-wide default one when not given).
    explicit VisitStore(const QSqlDatabase &db = QSqlDatabase::database());
    QSqlDatabase database() const { return m_db; }

    // Creates the missing tables; older stores gain them. Called at start-up with the
    // described tables.
    static bool createTables(const QSqlDatabase &db);

    QString lastError() const { return m_error; }

    // Sites and units. Saving inserts when the id is 0 (returning the new id) and updates
    // otherwise (returning the id); 0 on failure.
    int saveSite(const Site &site);
    Site site(int id) const;
    QList<Site> sites() const; // by name
    int saveUnit(const Unit &unit);
    Unit unit(int id) const;
    QList<Unit> units(int siteId) const; // by label
    bool setUnitModules(int unitId, const ModuleSet &modules);
    // Units whose stored module set is the given one, the most recently visited first.
    QList<Unit> matchingUnits(const ModuleSet &modules) const;

    // Starts a visit of a unit: the start time is now when not given, the next service date a
    // year after the start when not given, and the report number the next of the year. The new
    // visit's id, or 0.
    int startVisit(const Visit &visit);
    // Writes the editable fields of an open visit (type, technician, certificate, company,
    // findings, recommendations, verdict, next service date, departure-skipped reason).
    bool updateVisit(const Visit &visit);
    // Writes one of them; a refused value leaves every field as it was.
    bool setVisitField(int visitId, VisitField field, const QVariant &value);
    // A correction reads nothing from the unit: refused for one.
    bool setClock(int visitId, qint64 driftSeconds, bool clockSet);
    // Closes an open visit with its verdict and freezes its protocol. Refused without a
    // verdict, or without a departure reading (faults at departure) unless departureSkipped
    // holds the reason.
    bool closeVisit(int visitId, Verdict verdict, const QString &findings,
                    const QString &recommendations, const QDate &nextService,
                    const QString &departureSkipped = QString());
    // A new open visit correcting a closed one, for the written reason: its fields, records,
    // checks and batteries copied.
    int startCorrection(int closedVisitId, const QString &reason);
    // Closes an open visit started by mistake, for the written reason, without a protocol.
    bool abandonVisit(int visitId, const QString &reason);

    // The protocol frozen at the close; null for an open visit (and one closed before
    // protocols were frozen).
    FrozenProtocol frozenProtocol(int visitId) const;
    // The visit whose frozen protocol has this digest, 0 when none.
    int visitByDigest(const QString &digest) const;

    Visit visit(int id) const; // id 0 when there is none
    QList<Visit> visits(int unitId) const; // newest first
    QList<Visit> openVisits() const;       // to resume, newest first
    // The unit's closed visit before this one (by start time), id 0 when none. Abandoned and
    // corrected visits are left out: a correction speaks for its original.
    Visit previousVisit(const Visit &visit) const;
    // Technician, certificate and company of the most recent visit, to fill a new one.
    Visit rememberedTechnician() const;

    // Links a described record (by its id in its own table) to an open visit; a register
    // also leaves its anchor. A correction reads nothing from the unit: refused for one.
    bool linkRecord(int visitId, RecordRole role, int recordId);
    // Where the visit's register reading ended; not valid when it read no register.
    RegisterAnchor registerAnchor(int visitId) const;
    QList<RecordLink> links(int visitId) const;
    // The latest record of that role, 0 when none.
    int linkedRecord(int visitId, RecordRole role) const;

    // Replaces the visit's checklist.
    bool setChecks(int visitId, const QList<CheckRow> &rows);
    // Writes measured value, result and remark of one row (by id).
    bool updateCheck(const CheckRow &row);
    QList<CheckRow> checks(int visitId) const;

    // Inserts (id 0) or updates a battery row; its id or 0.
    int saveBattery(const BatteryRow &row);
    bool deleteBattery(int batteryId);
    QList<BatteryRow> batteries(int visitId) const;

    // Replaces the visit's rows of that kind.
    bool saveDiagnostics(int visitId, DiagnosticKind kind, const QList<DiagnosticRow> &rows);
    QList<DiagnosticRow> diagnostics(int visitId) const;

    // The protocol's details of a visit, a unit and the company, each written on its own;
    // a refused value (a bad date or number) leaves the stored one.
    QString visitDetail(int visitId, VisitDetail detail) const;
    bool setVisitDetail(int visitId, VisitDetail detail, const QString &value);
    QString unitDetail(int unitId, UnitDetail detail) const;
    bool setUnitDetail(int unitId, UnitDetail detail, const QString &value);
    QString companyDetail(CompanyDetail detail) const;
    bool setCompanyDetail(CompanyDetail detail, const QString &value);

    // The company's measuring instruments (retired ones when asked), and the copies a visit
    // keeps of the ones it used.
    QList<Instrument> instruments(bool withRetired = false) const;
    int saveInstrument(const Instrument &instrument);
    QList<Instrument> visitInstruments(int visitId) const;
    bool setVisitInstruments(int visitId, const QList<Instrument> &instruments);

    // The company's checklist template of a section, the shipped one until it is saved; a
    // visit keeps the rows it was given. Saving keeps the given order; rows are retired, never
    // deleted.
    QList<CheckTemplateRow> checkTemplates(const QString &section, bool withRetired = false) const;
    bool saveCheckTemplates(const QString &section, const QList<CheckTemplateRow> &rows);
    // A row added on the spot at the end of an open visit's checklist; its id or 0.
    int addCheck(int visitId, const CheckRow &row);

    // The power module a battery belongs to (type << 8 | number, 0 for none) and its capacity
    // or load test as written.
    QPair<int, QString> batteryModule(int batteryId) const;
    bool setBatteryModule(int batteryId, int moduleType, int moduleNumber, const QString &test);
    // Offers a new visit the batteries of the previous one, with their installation dates and
    // modules: how many were copied, -1 on failure.
    int carryOver(int visitId);

    // Battery service life in years: an application-settings row, 4 when not set.
    int batteryLifeYears() const;
    bool setBatteryLifeYears(int years); // 1 to 20

    // The bytes of a described record, read without the debug dump of the store's readers
    // (a register is large); null when there is none.
    QByteArray recordData(RecordRole role, int recordId) const;
    QString recordName(RecordRole role, int recordId) const;

private:
    bool fail(const QString &message) const;
    bool writable(int visitId) const; // open and present, else fails with the message
    bool readsUnit(int visitId) const; // writable and no correction, else fails

    QSqlDatabase m_db;
    mutable QString m_error;
};
