#include "visits/visitstore.h"

#include "visits/visitslog.h"
#include "records/pamietnik.h"
#include "store/textkeys.h"
#include "visits/checklist.h"
#include "visits/visitreport.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QVariant>

#include <algorithm>

Q_LOGGING_CATEGORY(lcVisits, "ostrel.visits")

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("VisitStore", text);
}

// Kept as text so that the file reads the same in any SQLite tool and in any time zone setting
// of the driver.
const QString DateFormat = QStringLiteral("yyyy-MM-dd");
const QString TimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

// The visit tables. A closed visit is refused by the store's own checks; the triggers refuse
// it again for any writer that goes around them (a foreign tool, a later bug).
const char *const Creates[] = {
    "CREATE TABLE IF NOT EXISTS OBIEKTY (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "name TEXT NOT NULL,address TEXT,owner TEXT,contact TEXT,phone TEXT,notes TEXT)",
    "CREATE TABLE IF NOT EXISTS CENTRALE (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "site INTEGER NOT NULL REFERENCES OBIEKTY(id),label TEXT NOT NULL,place TEXT,"
    "serial TEXT,installed TEXT,notes TEXT,modules TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX IF NOT EXISTS CENTRALE_modules ON CENTRALE(modules)",
    "CREATE TABLE IF NOT EXISTS WIZYTY (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "unit INTEGER NOT NULL REFERENCES CENTRALE(id),type INTEGER NOT NULL,"
    "technician TEXT,certificate TEXT,company TEXT,started TEXT NOT NULL,ended TEXT,"
    "closed INTEGER NOT NULL DEFAULT 0,verdict INTEGER NOT NULL DEFAULT 0,findings TEXT,"
    "recommendations TEXT,next_service TEXT,corrects INTEGER NOT NULL DEFAULT 0,"
    "report_year INTEGER NOT NULL,report_seq INTEGER NOT NULL,uid TEXT NOT NULL,"
    "clock_read INTEGER NOT NULL DEFAULT 0,clock_drift INTEGER NOT NULL DEFAULT 0,"
    "clock_set INTEGER NOT NULL DEFAULT 0,departure_skipped TEXT,"
    "battery_life INTEGER NOT NULL DEFAULT 4,"
    // Each technician's store numbers its own reports; the short id keeps two colleagues'
    // 2026/1 apart once the archive brings them into one store.
    "UNIQUE(report_year,report_seq,uid))",
    "CREATE TABLE IF NOT EXISTS WIZYTY_REKORDY (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "visit INTEGER NOT NULL REFERENCES WIZYTY(id),role INTEGER NOT NULL,"
    "record INTEGER NOT NULL,at TEXT)",
    "CREATE TABLE IF NOT EXISTS WIZYTY_KONTROLE (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "visit INTEGER NOT NULL REFERENCES WIZYTY(id),position INTEGER NOT NULL,"
    "module_type INTEGER NOT NULL,module_number INTEGER NOT NULL,item TEXT,method TEXT,"
    "limit_text TEXT,measured TEXT,result INTEGER NOT NULL DEFAULT 0,remark TEXT)",
    "CREATE TABLE IF NOT EXISTS WIZYTY_AKUMULATORY (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "visit INTEGER NOT NULL REFERENCES WIZYTY(id),position INTEGER NOT NULL,make TEXT,"
    "capacity REAL,date_code TEXT,installed TEXT,voltage REAL,resistance REAL,"
    "result INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE IF NOT EXISTS WIZYTY_DIAGNOSTYKA (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "visit INTEGER NOT NULL REFERENCES WIZYTY(id),kind INTEGER NOT NULL,"
    "position INTEGER NOT NULL,name TEXT,limit_text TEXT,raw INTEGER,value_text TEXT,"
    "result TEXT,at TEXT)",
    // What a visit gained later, each in a table of its own: the protocol frozen at the close,
    // where its register reading ended, why it corrects another visit, why it was abandoned.
    "CREATE TABLE IF NOT EXISTS WIZYTY_PROTOKOLY (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "visit INTEGER NOT NULL UNIQUE REFERENCES WIZYTY(id),html TEXT NOT NULL,"
    "sha256 TEXT NOT NULL,basis TEXT NOT NULL,page_format TEXT,frozen_at TEXT)",
    "CREATE INDEX IF NOT EXISTS WIZYTY_PROTOKOLY_sha256 ON WIZYTY_PROTOKOLY(sha256)",
    "CREATE TABLE IF NOT EXISTS WIZYTY_REJESTR (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "visit INTEGER NOT NULL UNIQUE REFERENCES WIZYTY(id),entries INTEGER NOT NULL,"
    "last_index INTEGER NOT NULL,last_entry TEXT,at TEXT)",
    "CREATE TABLE IF NOT EXISTS WIZYTY_KOREKTY (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "visit INTEGER NOT NULL UNIQUE REFERENCES WIZYTY(id),reason TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS WIZYTY_ANULOWANE (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "visit INTEGER NOT NULL UNIQUE REFERENCES WIZYTY(id),reason TEXT NOT NULL,at TEXT)",
    // The protocol's details of a visit and of a unit by key, the company's own data, its
    // measuring instruments with the copies a visit keeps, and its checklist templates.
    "CREATE TABLE IF NOT EXISTS WIZYTY_DANE (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "visit INTEGER NOT NULL REFERENCES WIZYTY(id),key TEXT NOT NULL,value TEXT,"
    "UNIQUE(visit,key))",
    "CREATE TABLE IF NOT EXISTS WIZYTY_PRZYRZADY (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "visit INTEGER NOT NULL REFERENCES WIZYTY(id),position INTEGER NOT NULL,name TEXT,"
    "serial TEXT,calibrated TEXT)",
    // A battery is named by its position in the visit, which a colleague's copy keeps too.
    "CREATE TABLE IF NOT EXISTS WIZYTY_AKUMULATORY_MODULY (id INTEGER PRIMARY KEY "
    "AUTOINCREMENT,visit INTEGER NOT NULL REFERENCES WIZYTY(id),position INTEGER NOT NULL,"
    "module_type INTEGER NOT NULL,module_number INTEGER NOT NULL,test TEXT,"
    "UNIQUE(visit,position))",
    "CREATE TABLE IF NOT EXISTS CENTRALE_DANE (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "unit INTEGER NOT NULL REFERENCES CENTRALE(id),key TEXT NOT NULL,value TEXT,"
    "UNIQUE(unit,key))",
    "CREATE TABLE IF NOT EXISTS FIRMA_DANE (key TEXT PRIMARY KEY,value TEXT)",
    "CREATE TABLE IF NOT EXISTS PRZYRZADY (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "name TEXT NOT NULL,serial TEXT,calibrated TEXT,retired INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE IF NOT EXISTS SZABLONY_KONTROLI (id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "section TEXT NOT NULL,position INTEGER NOT NULL,item TEXT NOT NULL,method TEXT,"
    "limit_text TEXT,retired INTEGER NOT NULL DEFAULT 0)",
    // An issued protocol is never rewritten, whoever writes.
    "CREATE TRIGGER IF NOT EXISTS WIZYTY_PROTOKOLY_fixed BEFORE UPDATE ON WIZYTY_PROTOKOLY "
    "BEGIN SELECT RAISE(ABORT, 'protocol frozen'); END",
    "CREATE TRIGGER IF NOT EXISTS WIZYTY_PROTOKOLY_kept BEFORE DELETE ON WIZYTY_PROTOKOLY "
    "BEGIN SELECT RAISE(ABORT, 'protocol frozen'); END",
    "CREATE TRIGGER IF NOT EXISTS WIZYTY_closed BEFORE UPDATE ON WIZYTY "
    "WHEN OLD.closed <> 0 BEGIN SELECT RAISE(ABORT, 'visit closed'); END",
    "CREATE TRIGGER IF NOT EXISTS WIZYTY_closed_delete BEFORE DELETE ON WIZYTY "
    "WHEN OLD.closed <> 0 BEGIN SELECT RAISE(ABORT, 'visit closed'); END",
};

// Columns added after a table was first created: a store that has the table without them
// gains them at start-up.
struct AddedColumn
{
    const char *table;
    const char *column;
    const char *definition;
};
const AddedColumn AddedColumns[] = {
    {"WIZYTY", "battery_life", "INTEGER NOT NULL DEFAULT 4"},
};

// The tables whose rows belong to one visit, guarded by triggers like the visit itself.
const char *const VisitChildren[] = {"WIZYTY_REKORDY", "WIZYTY_KONTROLE", "WIZYTY_AKUMULATORY",
                                      "WIZYTY_DIAGNOSTYKA", "WIZYTY_PROTOKOLY", "WIZYTY_REJESTR",
                                      "WIZYTY_KOREKTY", "WIZYTY_ANULOWANE", "WIZYTY_DANE",
                                      "WIZYTY_PRZYRZADY", "WIZYTY_AKUMULATORY_MODULY"};

// The keys of the detail tables: the stored names come from here, never from the caller.
const char *const VisitDetailKeys[int(VisitDetail::Count)] = {
    "authorisation_valid", "work_done", "parts_replaced", "previous_done", "previous_note",
    "customer", "place", "standby_required", "standby_measured"};
const char *const UnitDetailKeys[int(UnitDetail::Count)] = {"maker", "type", "admission"};
const char *const CompanyDetailKeys[int(CompanyDetail::Count)] = {"address", "tax_number",
                                                                  "phone"};
constexpr double MaxStandbyHours = 200;

QString recordTable(RecordRole role)
{
    switch (role) {
    case RecordRole::ConfigBefore:
    case RecordRole::ConfigAfter:
        return QStringLiteral("KONFIGURACJA");
    case RecordRole::FaultsArrival:
    case RecordRole::FaultsDeparture:
        return QStringLiteral("USZKODZENIA");
    case RecordRole::Software:
        return QStringLiteral("OPROGRAMOWANIE");
    case RecordRole::EventLog:
        return QStringLiteral("PAMIETNIK");
    }
    return QString();
}

QVariant dateValue(const QDate &date)
{
    return date.isValid() ? QVariant(date.toString(DateFormat)) : QVariant(QVariant::String);
}

QVariant timeValue(const QDateTime &time)
{
    return time.isValid() ? QVariant(time.toString(TimeFormat)) : QVariant(QVariant::String);
}

// The diagnostics window's texts, kept as keys it hands to TextKeys; the values are numbers.
QString keptDiagnosticText(const QString &text)
{
    return TextKeys::stored("DetailsManagement", TextKeys::keys("DetailsManagement"), text);
}

QString shownDiagnosticText(const QString &text)
{
    return TextKeys::shown("DetailsManagement", TextKeys::keys("DetailsManagement"), text);
}

QDate toDate(const QVariant &value)
{
    return QDate::fromString(value.toString(), DateFormat);
}

QDateTime toTime(const QVariant &value)
{
    return QDateTime::fromString(value.toString(), TimeFormat);
}

QString moduleSetKey(ModuleSet modules)
{
    std::sort(modules.begin(), modules.end());
    QStringList parts;
    for (const ModuleKey &key : modules)
        parts.append(QStringLiteral("%1:%2").arg(key.type).arg(key.number));
    // Not null: a unit without a known module set is stored with an empty one.
    return parts.isEmpty() ? QStringLiteral("") : parts.join(QLatin1Char(','));
}

ModuleSet moduleSetFromKey(const QString &text)
{
    ModuleSet modules;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList fields = part.split(QLatin1Char(':'));
        if (fields.size() == 2)
            modules.append({fields.at(0).toInt(), fields.at(1).toInt()});
    }
    return modules;
}

// A statement with positional values; logs its failure.
class Statement
{
public:
    Statement(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {})
        : m_query(db)
    {
        m_ok = m_query.prepare(sql);
        for (const QVariant &value : values)
            m_query.addBindValue(value);
        m_ok = m_ok && m_query.exec();
        if (!m_ok)
            qCDebug(lcVisits) << sql << m_query.lastError();
    }
    bool ok() const { return m_ok; }
    bool next() { return m_ok && m_query.next(); }
    QVariant value(int column) const { return m_query.value(column); }
    QVariant value(const char *column) const
    {
        return m_query.value(QString::fromLatin1(column));
    }
    int insertedId() const { return m_ok ? m_query.lastInsertId().toInt() : 0; }
    int affected() const { return m_ok ? m_query.numRowsAffected() : 0; }

private:
    QSqlQuery m_query;
    bool m_ok = false;
};

// Writes one row of `table`: a new row (id 0) is inserted, with the columns only a new row gets;
// an existing one is updated. The row's id, or 0 when nothing was written.
int saveRow(const QSqlDatabase &db, const char *table, const QStringList &columns,
            const QVariantList &values, int id, const QStringList &newColumns = {},
            const QVariantList &newValues = {})
{
    if (id == 0) {
        const QStringList all = columns + newColumns;
        QStringList marks;
        for (int i = 0; i < all.size(); ++i)
            marks << QStringLiteral("?");
        const Statement insert(db,
                               QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                       .arg(QLatin1String(table), all.join(QLatin1Char(',')),
                                            marks.join(QLatin1Char(','))),
                               values + newValues);
        return insert.insertedId();
    }
    const Statement update(db,
                           QStringLiteral("UPDATE %1 SET %2=? WHERE id=?")
                                   .arg(QLatin1String(table), columns.join(QStringLiteral("=?,"))),
                           values + QVariantList{id});
    return update.affected() == 1 ? id : 0;
}

class Transaction
{
public:
    explicit Transaction(QSqlDatabase db) : m_db(db) { m_open = m_db.transaction(); }
    ~Transaction()
    {
        if (m_open)
            m_db.rollback();
    }
    bool commit()
    {
        if (!m_open)
            return true;
        m_open = false;
        return m_db.commit();
    }

private:
    QSqlDatabase m_db;
    bool m_open = false;
};

// A visit row with what the later tables add to it; the queries go on with WHERE or ORDER.
const char *const VisitSelect =
        "SELECT w.id,w.unit,w.type,w.technician,w.certificate,w.company,w.started,w.ended,"
        "w.closed,w.verdict,w.findings,w.recommendations,w.next_service,w.corrects,"
        "w.report_year,w.report_seq,w.uid,w.clock_read,w.clock_drift,w.clock_set,"
        "w.departure_skipped,w.battery_life,"
        "(SELECT reason FROM WIZYTY_KOREKTY k WHERE k.visit = w.id) AS correction_reason,"
        "(SELECT reason FROM WIZYTY_ANULOWANE a WHERE a.visit = w.id) AS abandon_reason,"
        "(SELECT max(c.id) FROM WIZYTY c WHERE c.corrects = w.id AND c.closed <> 0 AND c.id NOT "
        "IN (SELECT visit FROM WIZYTY_ANULOWANE)) AS superseded_by FROM WIZYTY w ";

Visit readVisit(const Statement &row)
{
    Visit visit;
    visit.id = row.value("id").toInt();
    visit.unitId = row.value("unit").toInt();
    visit.type = VisitType(row.value("type").toInt());
    visit.technician = row.value("technician").toString();
    visit.certificate = row.value("certificate").toString();
    visit.company = row.value("company").toString();
    visit.started = toTime(row.value("started"));
    visit.ended = toTime(row.value("ended"));
    visit.closed = row.value("closed").toInt() != 0;
    visit.verdict = Verdict(row.value("verdict").toInt());
    visit.findings = row.value("findings").toString();
    visit.recommendations = row.value("recommendations").toString();
    visit.nextService = toDate(row.value("next_service"));
    visit.corrects = row.value("corrects").toInt();
    visit.reportYear = row.value("report_year").toInt();
    visit.reportSequence = row.value("report_seq").toInt();
    visit.uid = row.value("uid").toString();
    visit.clockRead = row.value("clock_read").toInt() != 0;
    visit.clockDrift = row.value("clock_drift").toLongLong();
    visit.clockSet = row.value("clock_set").toInt() != 0;
    visit.departureSkipped = row.value("departure_skipped").toString();
    visit.batteryLifeYears = row.value("battery_life").toInt();
    visit.correctionReason = row.value("correction_reason").toString();
    visit.abandonReason = row.value("abandon_reason").toString();
    visit.supersededBy = row.value("superseded_by").toInt();
    return visit;
}

bool validVisitType(VisitType type)
{
    return int(type) >= int(VisitType::Periodic) && int(type) <= int(VisitType::Other);
}

bool validVerdict(Verdict verdict)
{
    return int(verdict) >= int(Verdict::None) && int(verdict) <= int(Verdict::NotWorking);
}

bool validResult(CheckResult result)
{
    return int(result) >= int(CheckResult::NotChecked)
            && int(result) <= int(CheckResult::NotApplicable);
}

} // namespace

VisitStore::VisitStore(const QSqlDatabase &db) : m_db(db) {}

bool VisitStore::createTables(const QSqlDatabase &db)
{
    bool ok = true;
    QStringList statements;
    for (const char *create : Creates)
        statements.append(QString::fromLatin1(create));
    for (const char *table : VisitChildren) {
        for (const char *event : {"INSERT", "UPDATE", "DELETE"}) {
            const QString row = QLatin1String(qstrcmp(event, "INSERT") == 0 ? "NEW" : "OLD");
            statements.append(
                    QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_closed_%2 BEFORE %2 ON %1 "
                                   "WHEN (SELECT closed FROM WIZYTY WHERE id = %3.visit) <> 0 "
                                   "BEGIN SELECT RAISE(ABORT, 'visit closed'); END")
                            .arg(QLatin1String(table), QLatin1String(event), row));
        }
    }
    // One transaction: one write to the disk at start-up instead of one per statement.
    Transaction transaction(db);
    for (const AddedColumn &added : AddedColumns) {
        QSqlQuery columns(db);
        columns.exec(QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(added.table)));
        bool tableExists = false;
        bool present = false;
        while (columns.next()) {
            tableExists = true;
            present = present || columns.value(1).toString() == QLatin1String(added.column);
        }
        if (tableExists && !present)
            statements.prepend(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                                       .arg(QLatin1String(added.table),
                                            QLatin1String(added.column),
                                            QLatin1String(added.definition)));
    }
    for (const QString &statement : statements) {
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            qCDebug(lcVisits) << "CREATE" << statement.left(40) << query.lastError();
            ok = false;
        }
    }
    return transaction.commit() && ok;
}

bool VisitStore::fail(const QString &message) const
{
    m_error = message;
    return false;
}

bool VisitStore::writable(int visitId) const
{
    Statement row(m_db, QStringLiteral("SELECT closed FROM WIZYTY WHERE id = ?"), {visitId});
    if (!row.next())
        return fail(tr("Nie znaleziono wizyty serwisowej."));
    if (row.value(0).toInt() != 0)
        return fail(tr("Wizyta jest zamknięta i nie można jej zmieniać. Popraw ją nową wizytą "
                       "korygującą."));
    m_error.clear();
    return true;
}

int VisitStore::saveSite(const Site &site)
{
    if (site.name.trimmed().isEmpty()) {
        fail(tr("Podaj nazwę obiektu."));
        return 0;
    }
    const QVariantList values{site.name.trimmed(), site.address, site.owner, site.contact,
                              site.phone, site.notes};
    const int id = saveRow(m_db, "OBIEKTY",
                           {"name", "address", "owner", "contact", "phone", "notes"}, values,
                           site.id);
    if (id == 0)
        fail(tr("Nie zapisano obiektu w bazie danych."));
    return id;
}

static Site readSite(const Statement &row)
{
    Site site;
    site.id = row.value("id").toInt();
    site.name = row.value("name").toString();
    site.address = row.value("address").toString();
    site.owner = row.value("owner").toString();
    site.contact = row.value("contact").toString();
    site.phone = row.value("phone").toString();
    site.notes = row.value("notes").toString();
    return site;
}

Site VisitStore::site(int id) const
{
    Statement row(m_db, QStringLiteral("SELECT * FROM OBIEKTY WHERE id = ?"), {id});
    return row.next() ? readSite(row) : Site();
}

QList<Site> VisitStore::sites() const
{
    QList<Site> result;
    Statement rows(m_db, QStringLiteral("SELECT * FROM OBIEKTY ORDER BY name COLLATE NOCASE"));
    while (rows.next())
        result.append(readSite(rows));
    return result;
}

int VisitStore::saveUnit(const Unit &unit)
{
    if (site(unit.siteId).id == 0) {
        fail(tr("Wybierz obiekt, do którego należy centrala."));
        return 0;
    }
    if (unit.label.trimmed().isEmpty()) {
        fail(tr("Podaj oznaczenie centrali."));
        return 0;
    }
    if (unit.installed.isValid() && unit.installed > QDate::currentDate()) {
        fail(tr("Data instalacji centrali nie może być późniejsza niż dzisiejsza."));
        return 0;
    }
    const QVariantList values{unit.siteId, unit.label.trimmed(), unit.place,
                              unit.serialNumber.trimmed(), dateValue(unit.installed), unit.notes,
                              moduleSetKey(unit.modules)};
    const int id = saveRow(m_db, "CENTRALE",
                           {"site", "label", "place", "serial", "installed", "notes", "modules"},
                           values, unit.id);
    if (id == 0)
        fail(tr("Nie zapisano centrali w bazie danych."));
    return id;
}

static Unit readUnit(const Statement &row)
{
    Unit unit;
    unit.id = row.value("id").toInt();
    unit.siteId = row.value("site").toInt();
    unit.label = row.value("label").toString();
    unit.place = row.value("place").toString();
    unit.serialNumber = row.value("serial").toString();
    unit.installed = toDate(row.value("installed"));
    unit.notes = row.value("notes").toString();
    unit.modules = moduleSetFromKey(row.value("modules").toString());
    return unit;
}

Unit VisitStore::unit(int id) const
{
    Statement row(m_db, QStringLiteral("SELECT * FROM CENTRALE WHERE id = ?"), {id});
    return row.next() ? readUnit(row) : Unit();
}

QList<Unit> VisitStore::units(int siteId) const
{
    QList<Unit> result;
    Statement rows(m_db,
                   QStringLiteral("SELECT * FROM CENTRALE WHERE site = ? "
                                  "ORDER BY label COLLATE NOCASE"),
                   {siteId});
    while (rows.next())
        result.append(readUnit(rows));
    return result;
}

bool VisitStore::setUnitModules(int unitId, const ModuleSet &modules)
{
    Statement update(m_db, QStringLiteral("UPDATE CENTRALE SET modules=? WHERE id=?"),
                     {moduleSetKey(modules), unitId});
    if (update.affected() != 1)
        return fail(tr("Nie znaleziono centrali."));
    return true;
}

QList<Unit> VisitStore::matchingUnits(const ModuleSet &modules) const
{
    QList<Unit> result;
    if (modules.isEmpty())
        return result;
    Statement rows(m_db,
                   QStringLiteral("SELECT c.*, (SELECT max(started) FROM WIZYTY w "
                                  "WHERE w.unit = c.id) AS last FROM CENTRALE c "
                                  "WHERE modules = ? ORDER BY last DESC, c.id DESC"),
                   {moduleSetKey(modules)});
    while (rows.next())
        result.append(readUnit(rows));
    return result;
}

int VisitStore::startVisit(const Visit &visit)
{
    if (unit(visit.unitId).id == 0) {
        fail(tr("Wybierz centralę, której dotyczy wizyta."));
        return 0;
    }
    if (!validVisitType(visit.type)) {
        fail(tr("Wybierz rodzaj wizyty."));
        return 0;
    }
    const QDateTime started =
            visit.started.isValid() ? visit.started : QDateTime::currentDateTime();
    const QDate next =
            visit.nextService.isValid() ? visit.nextService : started.date().addYears(1);
    if (next <= started.date()) {
        fail(tr("Data następnego przeglądu musi być późniejsza niż data wizyty."));
        return 0;
    }
    Transaction transaction(m_db);
    const int year = started.date().year();
    Statement last(m_db,
                   QStringLiteral("SELECT coalesce(max(report_seq), 0) FROM WIZYTY "
                                  "WHERE report_year = ?"),
                   {year});
    const int sequence = last.next() ? last.value(0).toInt() + 1 : 1;
    const QString uid = QUuid::createUuid().toString(QUuid::Id128).left(8).toUpper();
    Statement insert(
            m_db,
            QStringLiteral("INSERT INTO WIZYTY (unit,type,technician,certificate,company,"
                           "started,closed,verdict,findings,recommendations,next_service,"
                           "corrects,report_year,report_seq,uid,clock_read,clock_drift,"
                           "clock_set,departure_skipped,battery_life) "
                           "VALUES (?,?,?,?,?,?,0,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
            {visit.unitId, int(visit.type), visit.technician.trimmed(),
             visit.certificate.trimmed(), visit.company.trimmed(), timeValue(started),
             int(validVerdict(visit.verdict) ? visit.verdict : Verdict::None), visit.findings,
             visit.recommendations, dateValue(next), visit.corrects, year, sequence, uid,
             int(visit.clockRead), visit.clockDrift, int(visit.clockSet),
             visit.departureSkipped,
             // A correction keeps the life its original was reported with.
             visit.corrects != 0 ? visit.batteryLifeYears : batteryLifeYears()});
    // The technician's authorisation holds across visits: its validity comes along.
    const int id = insert.insertedId();
    if (!insert.ok()
        || !Statement(m_db,
                      QStringLiteral("INSERT INTO WIZYTY_DANE (visit,key,value) SELECT ?,key,value "
                                     "FROM WIZYTY_DANE WHERE key = ? AND visit = (SELECT max(id) "
                                     "FROM WIZYTY WHERE technician = ? AND id <> ?)"),
                      {id, QLatin1String(VisitDetailKeys[int(VisitDetail::AuthorisationValid)]),
                       visit.technician.trimmed(), id})
                    .ok()
        || !transaction.commit()) {
        fail(tr("Nie zapisano wizyty w bazie danych."));
        return 0;
    }
    m_error.clear();
    return id;
}

bool VisitStore::updateVisit(const Visit &visit)
{
    if (!writable(visit.id))
        return false;
    if (!validVisitType(visit.type) || !validVerdict(visit.verdict))
        return fail(tr("Nieprawidłowy rodzaj wizyty lub ocena."));
    const Visit stored = this->visit(visit.id);
    if (visit.nextService.isValid() && visit.nextService <= stored.started.date())
        return fail(tr("Data następnego przeglądu musi być późniejsza niż data wizyty."));
    Statement update(m_db,
                     QStringLiteral("UPDATE WIZYTY SET type=?,technician=?,certificate=?,"
                                    "company=?,findings=?,recommendations=?,verdict=?,"
                                    "next_service=coalesce(?,next_service),departure_skipped=?"
                                    " WHERE id=? AND closed=0"),
                     {int(visit.type), visit.technician.trimmed(), visit.certificate.trimmed(),
                      visit.company.trimmed(), visit.findings, visit.recommendations,
                      int(visit.verdict), dateValue(visit.nextService), visit.departureSkipped,
                      visit.id});
    if (update.affected() != 1)
        return fail(tr("Nie zapisano wizyty w bazie danych."));
    return true;
}

bool VisitStore::setVisitField(int visitId, VisitField field, const QVariant &value)
{
    // Each field to its column: the column names come from here, never from the caller.
    struct Column
    {
        VisitField field;
        const char *name;
    };
    static const Column Columns[] = {
        {VisitField::Type, "type"},
        {VisitField::Technician, "technician"},
        {VisitField::Certificate, "certificate"},
        {VisitField::Company, "company"},
        {VisitField::Findings, "findings"},
        {VisitField::Recommendations, "recommendations"},
        {VisitField::Verdict, "verdict"},
        {VisitField::NextService, "next_service"},
        {VisitField::DepartureSkipped, "departure_skipped"},
    };
    const Column *column = nullptr;
    for (const Column &candidate : Columns) {
        if (candidate.field == field)
            column = &candidate;
    }
    if (!column || !writable(visitId))
        return column ? false : fail(tr("Nie zapisano wizyty w bazie danych."));
    QVariant stored;
    switch (field) {
    case VisitField::Type:
        if (!validVisitType(VisitType(value.toInt())))
            return fail(tr("Wybierz rodzaj wizyty."));
        stored = value.toInt();
        break;
    case VisitField::Verdict:
        if (!validVerdict(Verdict(value.toInt())))
            return fail(tr("Nieprawidłowy rodzaj wizyty lub ocena."));
        stored = value.toInt();
        break;
    case VisitField::NextService: {
        const QDate next = value.toDate();
        if (!next.isValid() || next <= visit(visitId).started.date())
            return fail(tr("Data następnego przeglądu musi być późniejsza niż data wizyty."));
        stored = dateValue(next);
        break;
    }
    case VisitField::Findings:
    case VisitField::Recommendations:
        stored = value.toString();
        break;
    default:
        stored = value.toString().trimmed();
        break;
    }
    Statement update(m_db,
                     QStringLiteral("UPDATE WIZYTY SET %1=? WHERE id=? AND closed=0")
                             .arg(QLatin1String(column->name)),
                     {stored, visitId});
    if (update.affected() != 1)
        return fail(tr("Nie zapisano wizyty w bazie danych."));
    return true;
}

bool VisitStore::readsUnit(int visitId) const
{
    if (!writable(visitId))
        return false;
    if (visit(visitId).corrects != 0)
        return fail(tr("Korekta nie odczytuje centrali: poprawia tylko zapis przeglądu, który "
                       "koryguje."));
    return true;
}

bool VisitStore::setClock(int visitId, qint64 driftSeconds, bool clockSet)
{
    if (!readsUnit(visitId))
        return false;
    // More than a century off is no clock reading but garbage from the line.
    if (qAbs(driftSeconds) > qint64(100) * 366 * 24 * 3600)
        return fail(tr("Nieprawidłowa odchyłka zegara centrali."));
    Statement update(m_db,
                     QStringLiteral("UPDATE WIZYTY SET clock_read=1,clock_drift=?,"
                                    "clock_set=? WHERE id=? AND closed=0"),
                     {driftSeconds, int(clockSet), visitId});
    if (update.affected() != 1)
        return fail(tr("Nie zapisano wizyty w bazie danych."));
    return true;
}

bool VisitStore::closeVisit(int visitId, Verdict verdict, const QString &findings,
                            const QString &recommendations, const QDate &nextService,
                            const QString &departureSkipped)
{
    if (!writable(visitId))
        return false;
    const Visit stored = visit(visitId);
    if (verdict == Verdict::None || !validVerdict(verdict))
        return fail(tr("Wybierz ocenę stanu centrali, aby zamknąć wizytę."));
    const QDate next = nextService.isValid() ? nextService : stored.nextService;
    if (!next.isValid() || next <= stored.started.date())
        return fail(tr("Data następnego przeglądu musi być późniejsza niż data wizyty."));
    const QString skipped = departureSkipped.trimmed().isEmpty()
            ? stored.departureSkipped.trimmed()
            : departureSkipped.trimmed();
    if (linkedRecord(visitId, RecordRole::FaultsDeparture) == 0 && skipped.isEmpty())
        return fail(tr("Wizyty nie można zamknąć bez odczytu przy odjeździe. Wykonaj odczyt "
                       "albo wpisz, dlaczego go pominięto."));
    QDateTime ended = qMax(QDateTime::currentDateTime(), stored.started);
    // A correction is issued now, but it describes the visit on site and keeps its times.
    if (stored.corrects != 0) {
        const Visit original = visit(stored.corrects);
        if (original.ended.isValid())
            ended = qMax(original.ended, stored.started);
    }
    Transaction transaction(m_db);
    Statement update(m_db,
                     QStringLiteral("UPDATE WIZYTY SET verdict=?,findings=?,recommendations=?,"
                                    "next_service=?,departure_skipped=?,ended=? "
                                    "WHERE id=? AND closed=0"),
                     {int(verdict), findings, recommendations, dateValue(next), skipped,
                      timeValue(ended), visitId});
    if (update.affected() != 1)
        return fail(tr("Nie zapisano wizyty w bazie danych."));
    // The protocol is written while the visit still takes rows, then the visit closes on it.
    Visit closing = visit(visitId);
    closing.closed = true;
    const FrozenProtocol protocol = VisitReport::freeze(*this, closing);
    if (!Statement(m_db,
                   QStringLiteral("INSERT INTO WIZYTY_PROTOKOLY (visit,html,sha256,basis,"
                                  "page_format,frozen_at) VALUES (?,?,?,?,?,?)"),
                   {visitId, protocol.html, protocol.digest, protocol.basis, protocol.pageFormat,
                    timeValue(protocol.frozenAt)})
                 .ok()
        || Statement(m_db, QStringLiteral("UPDATE WIZYTY SET closed=1 WHERE id=? AND closed=0"),
                     {visitId})
                        .affected()
                != 1
        || !transaction.commit())
        return fail(tr("Nie zapisano wizyty w bazie danych."));
    m_error.clear();
    return true;
}

int VisitStore::startCorrection(int closedVisitId, const QString &reason)
{
    Visit original = visit(closedVisitId);
    if (original.id == 0) {
        fail(tr("Nie znaleziono wizyty serwisowej."));
        return 0;
    }
    if (!original.closed) {
        fail(tr("Wizyta jest jeszcze otwarta: popraw ją bezpośrednio."));
        return 0;
    }
    if (original.isAbandoned()) {
        fail(tr("Anulowanego przeglądu nie można poprawić."));
        return 0;
    }
    if (original.supersededBy != 0) {
        fail(tr("Ten protokół zastąpiono już protokołem %1: popraw tamten.")
                     .arg(visit(original.supersededBy).reportNumber()));
        return 0;
    }
    Statement pending(m_db,
                      QStringLiteral("SELECT id FROM WIZYTY WHERE corrects = ? AND closed = 0"),
                      {closedVisitId});
    if (pending.next()) {
        fail(tr("Korekta %1 tego przeglądu jest już otwarta.")
                     .arg(visit(pending.value(0).toInt()).reportNumber()));
        return 0;
    }
    if (reason.trimmed().isEmpty()) {
        fail(tr("Podaj powód korekty: drukuje się w protokole korygującym."));
        return 0;
    }
    Transaction transaction(m_db);
    Visit correction = original;
    correction.corrects = original.id;
    const int id = startVisit(correction);
    if (id == 0)
        return 0;
    // The copy carries what the original recorded; the technician edits it from there.
    const QString visitId = QString::number(id);
    const QStringList copies = {
        QStringLiteral("INSERT INTO WIZYTY_REKORDY (visit,role,record,at) "
                       "SELECT %1,role,record,at FROM WIZYTY_REKORDY WHERE visit=? ORDER BY id"),
        QStringLiteral("INSERT INTO WIZYTY_KONTROLE (visit,position,module_type,module_number,"
                       "item,method,limit_text,measured,result,remark) SELECT %1,position,"
                       "module_type,module_number,item,method,limit_text,measured,result,remark "
                       "FROM WIZYTY_KONTROLE WHERE visit=? ORDER BY id"),
        QStringLiteral("INSERT INTO WIZYTY_AKUMULATORY (visit,position,make,capacity,date_code,"
                       "installed,voltage,resistance,result) SELECT %1,position,make,capacity,"
                       "date_code,installed,voltage,resistance,result FROM WIZYTY_AKUMULATORY "
                       "WHERE visit=? ORDER BY id"),
        QStringLiteral("INSERT INTO WIZYTY_DIAGNOSTYKA (visit,kind,position,name,limit_text,raw,"
                       "value_text,result,at) SELECT %1,kind,position,name,limit_text,raw,"
                       "value_text,result,at FROM WIZYTY_DIAGNOSTYKA WHERE visit=? ORDER BY id"),
        QStringLiteral("INSERT INTO WIZYTY_REJESTR (visit,entries,last_index,last_entry,at) "
                       "SELECT %1,entries,last_index,last_entry,at FROM WIZYTY_REJESTR "
                       "WHERE visit=?"),
        QStringLiteral("INSERT OR REPLACE INTO WIZYTY_DANE (visit,key,value) SELECT %1,key,"
                       "value FROM WIZYTY_DANE WHERE visit=?"),
        QStringLiteral("INSERT INTO WIZYTY_PRZYRZADY (visit,position,name,serial,calibrated) "
                       "SELECT %1,position,name,serial,calibrated FROM WIZYTY_PRZYRZADY "
                       "WHERE visit=? ORDER BY id"),
        QStringLiteral("INSERT INTO WIZYTY_AKUMULATORY_MODULY (visit,position,module_type,"
                       "module_number,test) SELECT %1,position,module_type,module_number,test "
                       "FROM WIZYTY_AKUMULATORY_MODULY WHERE visit=?"),
    };
    for (const QString &copy : copies) {
        if (!Statement(m_db, copy.arg(visitId), {closedVisitId}).ok()) {
            fail(tr("Nie zapisano wizyty w bazie danych."));
            return 0;
        }
    }
    if (!Statement(m_db, QStringLiteral("INSERT INTO WIZYTY_KOREKTY (visit,reason) VALUES (?,?)"),
                   {id, reason.trimmed()})
                 .ok()
        || !transaction.commit()) {
        fail(tr("Nie zapisano wizyty w bazie danych."));
        return 0;
    }
    return id;
}

bool VisitStore::abandonVisit(int visitId, const QString &reason)
{
    if (!writable(visitId))
        return false;
    if (reason.trimmed().isEmpty())
        return fail(tr("Podaj powód anulowania przeglądu."));
    const Visit stored = visit(visitId);
    Transaction transaction(m_db);
    const QDateTime now = qMax(QDateTime::currentDateTime(), stored.started);
    if (!Statement(m_db,
                   QStringLiteral("INSERT INTO WIZYTY_ANULOWANE (visit,reason,at) VALUES (?,?,?)"),
                   {visitId, reason.trimmed(), timeValue(now)})
                 .ok()
        || Statement(m_db,
                     QStringLiteral("UPDATE WIZYTY SET ended=?,closed=1 WHERE id=? AND closed=0"),
                     {timeValue(now), visitId})
                        .affected()
                != 1
        || !transaction.commit())
        return fail(tr("Nie zapisano wizyty w bazie danych."));
    m_error.clear();
    return true;
}

FrozenProtocol VisitStore::frozenProtocol(int visitId) const
{
    FrozenProtocol protocol;
    Statement row(m_db,
                  QStringLiteral("SELECT html,sha256,basis,page_format,frozen_at FROM "
                                 "WIZYTY_PROTOKOLY WHERE visit = ?"),
                  {visitId});
    if (!row.next())
        return protocol;
    protocol.visitId = visitId;
    protocol.html = row.value(0).toString();
    protocol.digest = row.value(1).toString();
    protocol.basis = row.value(2).toString();
    protocol.pageFormat = row.value(3).toString();
    protocol.frozenAt = toTime(row.value(4));
    return protocol;
}

int VisitStore::visitByDigest(const QString &digest) const
{
    Statement row(m_db,
                  QStringLiteral("SELECT visit FROM WIZYTY_PROTOKOLY WHERE sha256 = ? "
                                 "ORDER BY visit LIMIT 1"),
                  {digest.trimmed().toLower()});
    return row.next() ? row.value(0).toInt() : 0;
}

Visit VisitStore::visit(int id) const
{
    Statement row(m_db, QLatin1String(VisitSelect) + QLatin1String("WHERE w.id = ?"), {id});
    return row.next() ? readVisit(row) : Visit();
}

QList<Visit> VisitStore::visits(int unitId) const
{
    QList<Visit> result;
    Statement rows(m_db,
                   QLatin1String(VisitSelect)
                           + QLatin1String("WHERE w.unit = ? ORDER BY w.started DESC, w.id DESC"),
                   {unitId});
    while (rows.next())
        result.append(readVisit(rows));
    return result;
}

QList<Visit> VisitStore::openVisits() const
{
    QList<Visit> result;
    Statement rows(m_db,
                   QLatin1String(VisitSelect)
                           + QLatin1String("WHERE w.closed = 0 "
                                           "ORDER BY w.started DESC, w.id DESC"));
    while (rows.next())
        result.append(readVisit(rows));
    return result;
}

Visit VisitStore::previousVisit(const Visit &visit) const
{
    // A visit that a closed correction replaced no longer speaks for itself, a correction's own
    // original is the same visit, not an earlier one, and an abandoned visit saw nothing.
    Statement row(m_db,
                  QLatin1String(VisitSelect)
                          + QLatin1String(
                                  "WHERE w.unit = ? AND w.id <> ? AND w.id <> ? AND w.closed <> 0 "
                                  "AND (w.started < ? OR (w.started = ? AND w.id < ?)) "
                                  "AND abandon_reason IS NULL "
                                  "AND w.id NOT IN (SELECT corrects FROM WIZYTY WHERE id <> ? "
                                  "AND closed <> 0 AND id NOT IN (SELECT visit FROM "
                                  "WIZYTY_ANULOWANE)) "
                                  "ORDER BY w.started DESC, w.id DESC LIMIT 1"),
                  {visit.unitId, visit.id, visit.corrects, timeValue(visit.started),
                   timeValue(visit.started), visit.id, visit.id});
    return row.next() ? readVisit(row) : Visit();
}

Visit VisitStore::rememberedTechnician() const
{
    Statement row(m_db, QLatin1String(VisitSelect) + QLatin1String("ORDER BY w.id DESC LIMIT 1"));
    Visit remembered;
    if (row.next()) {
        const Visit last = readVisit(row);
        remembered.technician = last.technician;
        remembered.certificate = last.certificate;
        remembered.company = last.company;
    }
    return remembered;
}

bool VisitStore::linkRecord(int visitId, RecordRole role, int recordId)
{
    if (!readsUnit(visitId))
        return false;
    // A link to a record that is not there would print as a reading that was never made.
    if (recordTable(role).isEmpty()
        || !Statement(m_db, QStringLiteral("SELECT 1 FROM %1 WHERE id = ?").arg(recordTable(role)),
                      {recordId})
                    .next())
        return fail(tr("Nie znaleziono zapisanego odczytu."));
    Transaction transaction(m_db);
    const QVariant now = timeValue(QDateTime::currentDateTime());
    Statement insert(m_db,
                     QStringLiteral("INSERT INTO WIZYTY_REKORDY (visit,role,record,at) "
                                    "VALUES (?,?,?,?)"),
                     {visitId, int(role), recordId, now});
    if (!insert.ok())
        return fail(tr("Nie zapisano odczytu w bazie danych."));
    // The register's last entry, so that the next visit finds where this one stopped reading
    // even when the record itself is deleted later.
    if (role == RecordRole::EventLog) {
        const RegisterAnchor anchor = RegisterAnchor::of(recordData(role, recordId));
        if (!Statement(m_db,
                       QStringLiteral("INSERT OR REPLACE INTO WIZYTY_REJESTR (visit,entries,"
                                      "last_index,last_entry,at) VALUES (?,?,?,?,?)"),
                       {visitId, anchor.entries, anchor.lastIndex(),
                        QString::fromLatin1(anchor.lastEntry.toHex()), now})
                     .ok())
            return fail(tr("Nie zapisano odczytu w bazie danych."));
    }
    if (!transaction.commit())
        return fail(tr("Nie zapisano odczytu w bazie danych."));
    return true;
}

RegisterAnchor VisitStore::registerAnchor(int visitId) const
{
    Statement row(m_db,
                  QStringLiteral("SELECT entries,last_entry FROM WIZYTY_REJESTR WHERE visit = ?"),
                  {visitId});
    if (row.next()) {
        RegisterAnchor anchor;
        anchor.entries = row.value(0).toInt();
        anchor.lastEntry = QByteArray::fromHex(row.value(1).toString().toLatin1());
        anchor.valid = anchor.entries >= 0
                && anchor.lastEntry.size() == (anchor.entries > 0 ? Pamietnik::RecordSize : 0);
        return anchor;
    }
    // Visits read before anchors were kept have them in their register record.
    const int record = linkedRecord(visitId, RecordRole::EventLog);
    return record != 0 ? RegisterAnchor::of(recordData(RecordRole::EventLog, record))
                       : RegisterAnchor();
}

QList<RecordLink> VisitStore::links(int visitId) const
{
    QList<RecordLink> result;
    Statement rows(m_db,
                   QStringLiteral("SELECT visit,role,record,at FROM WIZYTY_REKORDY "
                                  "WHERE visit = ? ORDER BY id"),
                   {visitId});
    while (rows.next())
        result.append({rows.value(0).toInt(), RecordRole(rows.value(1).toInt()),
                       rows.value(2).toInt(), toTime(rows.value(3))});
    return result;
}

int VisitStore::linkedRecord(int visitId, RecordRole role) const
{
    Statement row(m_db,
                  QStringLiteral("SELECT record FROM WIZYTY_REKORDY WHERE visit = ? AND role = ?"
                                 " ORDER BY id DESC LIMIT 1"),
                  {visitId, int(role)});
    return row.next() ? row.value(0).toInt() : 0;
}

bool VisitStore::setChecks(int visitId, const QList<CheckRow> &rows)
{
    if (!writable(visitId))
        return false;
    for (const CheckRow &row : rows) {
        if (!validResult(row.result))
            return fail(tr("Nieprawidłowy wynik sprawdzenia."));
    }
    Transaction transaction(m_db);
    if (!Statement(m_db, QStringLiteral("DELETE FROM WIZYTY_KONTROLE WHERE visit = ?"),
                   {visitId})
                 .ok())
        return fail(tr("Nie zapisano listy sprawdzeń w bazie danych."));
    int position = 0;
    for (const CheckRow &row : rows) {
        Statement insert(m_db,
                         QStringLiteral("INSERT INTO WIZYTY_KONTROLE (visit,position,module_type,"
                                        "module_number,item,method,limit_text,measured,result,"
                                        "remark) VALUES (?,?,?,?,?,?,?,?,?,?)"),
                         {visitId, ++position, row.moduleType, row.moduleNumber,
                          storedCheckText(row.item), storedCheckText(row.method),
                          storedCheckText(row.limit), row.measured, int(row.result),
                          row.remark});
        if (!insert.ok())
            return fail(tr("Nie zapisano listy sprawdzeń w bazie danych."));
    }
    if (!transaction.commit())
        return fail(tr("Nie zapisano listy sprawdzeń w bazie danych."));
    return true;
}

bool VisitStore::updateCheck(const CheckRow &row)
{
    Statement owner(m_db, QStringLiteral("SELECT visit FROM WIZYTY_KONTROLE WHERE id = ?"),
                    {row.id});
    if (!owner.next())
        return fail(tr("Nie znaleziono sprawdzenia."));
    if (!writable(owner.value(0).toInt()))
        return false;
    if (!validResult(row.result))
        return fail(tr("Nieprawidłowy wynik sprawdzenia."));
    Statement update(m_db,
                     QStringLiteral("UPDATE WIZYTY_KONTROLE SET measured=?,result=?,remark=? "
                                    "WHERE id=?"),
                     {row.measured, int(row.result), row.remark, row.id});
    if (update.affected() != 1)
        return fail(tr("Nie zapisano sprawdzenia w bazie danych."));
    return true;
}

QList<CheckRow> VisitStore::checks(int visitId) const
{
    QList<CheckRow> result;
    Statement rows(m_db,
                   QStringLiteral("SELECT * FROM WIZYTY_KONTROLE WHERE visit = ? "
                                  "ORDER BY position, id"),
                   {visitId});
    while (rows.next()) {
        CheckRow row;
        row.id = rows.value("id").toInt();
        row.visitId = visitId;
        row.position = rows.value("position").toInt();
        row.moduleType = rows.value("module_type").toInt();
        row.moduleNumber = rows.value("module_number").toInt();
        row.item = shownCheckText(rows.value("item").toString());
        row.method = shownCheckText(rows.value("method").toString());
        row.limit = shownCheckText(rows.value("limit_text").toString());
        row.measured = rows.value("measured").toString();
        row.result = CheckResult(rows.value("result").toInt());
        row.remark = rows.value("remark").toString();
        result.append(row);
    }
    return result;
}

int VisitStore::saveBattery(const BatteryRow &row)
{
    const int visitId = row.id == 0 ? row.visitId : [&] {
        Statement owner(m_db,
                        QStringLiteral("SELECT visit FROM WIZYTY_AKUMULATORY WHERE id = ?"),
                        {row.id});
        return owner.next() ? owner.value(0).toInt() : 0;
    }();
    if (!writable(visitId))
        return 0;
    if (!(row.capacityAh >= BatteryLimits::MinCapacity
          && row.capacityAh <= BatteryLimits::MaxCapacity)) {
        fail(tr("Pojemność akumulatora musi leżeć między %1 a %2 Ah.")
                     .arg(BatteryLimits::MinCapacity)
                     .arg(BatteryLimits::MaxCapacity));
        return 0;
    }
    if (!(row.voltage >= 0 && row.voltage <= BatteryLimits::MaxVoltage)) {
        fail(tr("Napięcie akumulatora musi leżeć między 0 a %1 V.")
                     .arg(BatteryLimits::MaxVoltage));
        return 0;
    }
    if (!(row.resistance >= 0 && row.resistance <= BatteryLimits::MaxResistance)) {
        fail(tr("Rezystancja wewnętrzna musi leżeć między 0 a %1 mΩ.")
                     .arg(BatteryLimits::MaxResistance));
        return 0;
    }
    if (!row.installed.isValid() || row.installed > QDate::currentDate()) {
        fail(tr("Podaj datę montażu akumulatora, nie późniejszą niż dzisiejsza."));
        return 0;
    }
    if (!validResult(row.result)) {
        fail(tr("Nieprawidłowy wynik sprawdzenia."));
        return 0;
    }
    const QVariantList values{row.make.trimmed(), row.capacityAh, row.dateCode.trimmed(),
                              dateValue(row.installed), row.voltage, row.resistance,
                              int(row.result)};
    int position = 0;
    if (row.id == 0) {
        Statement last(m_db,
                       QStringLiteral("SELECT coalesce(max(position), 0) + 1 FROM "
                                      "WIZYTY_AKUMULATORY WHERE visit = ?"),
                       {visitId});
        position = last.next() ? last.value(0).toInt() : 1;
    }
    const int id = saveRow(m_db, "WIZYTY_AKUMULATORY",
                           {"make", "capacity", "date_code", "installed", "voltage", "resistance",
                            "result"},
                           values, row.id, {"visit", "position"}, {visitId, position});
    if (id == 0)
        fail(tr("Nie zapisano akumulatora w bazie danych."));
    return id;
}

bool VisitStore::deleteBattery(int batteryId)
{
    Statement owner(m_db, QStringLiteral("SELECT visit FROM WIZYTY_AKUMULATORY WHERE id = ?"),
                    {batteryId});
    if (!owner.next())
        return fail(tr("Nie znaleziono akumulatora."));
    if (!writable(owner.value(0).toInt()))
        return false;
    // Its module goes with it, so that a battery added later in its place starts without one.
    Transaction transaction(m_db);
    Statement(m_db,
              QStringLiteral("DELETE FROM WIZYTY_AKUMULATORY_MODULY WHERE visit = ? AND position "
                             "= (SELECT position FROM WIZYTY_AKUMULATORY WHERE id = ?)"),
              {owner.value(0).toInt(), batteryId});
    Statement remove(m_db, QStringLiteral("DELETE FROM WIZYTY_AKUMULATORY WHERE id = ?"),
                     {batteryId});
    if (remove.affected() != 1 || !transaction.commit())
        return fail(tr("Nie usunięto akumulatora z bazy danych."));
    return true;
}

QList<BatteryRow> VisitStore::batteries(int visitId) const
{
    QList<BatteryRow> result;
    Statement rows(m_db,
                   QStringLiteral("SELECT * FROM WIZYTY_AKUMULATORY WHERE visit = ? "
                                  "ORDER BY position, id"),
                   {visitId});
    while (rows.next()) {
        BatteryRow row;
        row.id = rows.value("id").toInt();
        row.visitId = visitId;
        row.position = rows.value("position").toInt();
        row.make = rows.value("make").toString();
        row.capacityAh = rows.value("capacity").toDouble();
        row.dateCode = rows.value("date_code").toString();
        row.installed = toDate(rows.value("installed"));
        row.voltage = rows.value("voltage").toDouble();
        row.resistance = rows.value("resistance").toDouble();
        row.result = CheckResult(rows.value("result").toInt());
        result.append(row);
    }
    return result;
}

bool VisitStore::saveDiagnostics(int visitId, DiagnosticKind kind,
                                 const QList<DiagnosticRow> &rows)
{
    if (!writable(visitId))
        return false;
    Transaction transaction(m_db);
    if (!Statement(m_db,
                   QStringLiteral("DELETE FROM WIZYTY_DIAGNOSTYKA WHERE visit = ? AND kind = ?"),
                   {visitId, int(kind)})
                 .ok())
        return fail(tr("Nie zapisano wyników w bazie danych."));
    for (const DiagnosticRow &row : rows) {
        const QDateTime at = row.at.isValid() ? row.at : QDateTime::currentDateTime();
        if (!Statement(m_db,
                       QStringLiteral("INSERT INTO WIZYTY_DIAGNOSTYKA (visit,kind,position,name,"
                                      "limit_text,raw,value_text,result,at) "
                                      "VALUES (?,?,?,?,?,?,?,?,?)"),
                       {visitId, int(kind), row.position, keptDiagnosticText(row.name),
                        keptDiagnosticText(row.limit), row.raw, row.valueText,
                        keptDiagnosticText(row.result), timeValue(at)})
                     .ok())
            return fail(tr("Nie zapisano wyników w bazie danych."));
    }
    if (!transaction.commit())
        return fail(tr("Nie zapisano wyników w bazie danych."));
    return true;
}

QList<DiagnosticRow> VisitStore::diagnostics(int visitId) const
{
    QList<DiagnosticRow> result;
    Statement rows(m_db,
                   QStringLiteral("SELECT * FROM WIZYTY_DIAGNOSTYKA WHERE visit = ? "
                                  "ORDER BY kind, position, id"),
                   {visitId});
    while (rows.next()) {
        DiagnosticRow row;
        row.kind = DiagnosticKind(rows.value("kind").toInt());
        row.position = rows.value("position").toInt();
        row.name = shownDiagnosticText(rows.value("name").toString());
        row.limit = shownDiagnosticText(rows.value("limit_text").toString());
        row.raw = rows.value("raw").toInt();
        row.valueText = rows.value("value_text").toString();
        row.result = shownDiagnosticText(rows.value("result").toString());
        row.at = toTime(rows.value("at"));
        result.append(row);
    }
    return result;
}

int VisitStore::batteryLifeYears() const
{
    return AppSetting::number(m_db, AppSetting::BatteryLife);
}

bool VisitStore::setBatteryLifeYears(int years)
{
    const AppSetting &setting = AppSetting::of(AppSetting::BatteryLife);
    if (years < setting.minimum || years > setting.maximum)
        return fail(tr("Okres eksploatacji akumulatora musi wynosić od 1 do 20 lat."));
    if (!AppSetting::writeNumber(m_db, AppSetting::BatteryLife, years))
        return fail(tr("Nie zapisano ustawienia w bazie danych."));
    return true;
}

QByteArray VisitStore::recordData(RecordRole role, int recordId) const
{
    Statement row(m_db,
                  QStringLiteral("SELECT dane FROM %1 WHERE id = ?").arg(recordTable(role)),
                  {recordId});
    return row.next() ? row.value(0).toByteArray() : QByteArray();
}

QString VisitStore::recordName(RecordRole role, int recordId) const
{
    Statement row(m_db,
                  QStringLiteral("SELECT nazwa FROM %1 WHERE id = ?").arg(recordTable(role)),
                  {recordId});
    return row.next() ? row.value(0).toString() : QString();
}

QString VisitStore::visitDetail(int visitId, VisitDetail detail) const
{
    if (int(detail) < 0 || int(detail) >= int(VisitDetail::Count))
        return QString();
    Statement row(m_db,
                  QStringLiteral("SELECT value FROM WIZYTY_DANE WHERE visit = ? AND key = ?"),
                  {visitId, QLatin1String(VisitDetailKeys[int(detail)])});
    return row.next() ? row.value(0).toString() : QString();
}

bool VisitStore::setVisitDetail(int visitId, VisitDetail detail, const QString &value)
{
    if (int(detail) < 0 || int(detail) >= int(VisitDetail::Count))
        return fail(tr("Nie zapisano wizyty w bazie danych."));
    if (!writable(visitId))
        return false;
    const QString text = value.trimmed();
    QString error;
    switch (detail) {
    case VisitDetail::AuthorisationValid: {
        QDate date;
        if (!parseVisitDate(text, tr("Uprawnienia ważne do"), true, &date, &error))
            return fail(error);
        break;
    }
    case VisitDetail::StandbyRequired:
    case VisitDetail::StandbyMeasured: {
        double hours = 0;
        if (!text.isEmpty()
            && !parseVisitNumber(text,
                                 detail == VisitDetail::StandbyRequired
                                         ? tr("Wymagany czas pracy z akumulatorów [h]")
                                         : tr("Uzyskany czas pracy z akumulatorów [h]"),
                                 0, MaxStandbyHours, &hours, &error))
            return fail(error);
        break;
    }
    case VisitDetail::PreviousDone: {
        bool ok = false;
        const int choice = text.toInt(&ok);
        if (!text.isEmpty() && (!ok || choice < 0 || choice >= previousDoneChoices().size()))
            return fail(tr("Nieprawidłowa odpowiedź o wykonaniu zaleceń."));
        break;
    }
    default:
        break;
    }
    Statement write(m_db,
                    QStringLiteral("INSERT OR REPLACE INTO WIZYTY_DANE (visit,key,value) "
                                   "VALUES (?,?,?)"),
                    {visitId, QLatin1String(VisitDetailKeys[int(detail)]),
                     detail == VisitDetail::WorkDone || detail == VisitDetail::PartsReplaced
                                     || detail == VisitDetail::PreviousNote
                             ? value
                             : text});
    if (!write.ok())
        return fail(tr("Nie zapisano wizyty w bazie danych."));
    m_error.clear();
    return true;
}

QString VisitStore::unitDetail(int unitId, UnitDetail detail) const
{
    if (int(detail) < 0 || int(detail) >= int(UnitDetail::Count))
        return QString();
    Statement row(m_db,
                  QStringLiteral("SELECT value FROM CENTRALE_DANE WHERE unit = ? AND key = ?"),
                  {unitId, QLatin1String(UnitDetailKeys[int(detail)])});
    return row.next() ? row.value(0).toString() : QString();
}

bool VisitStore::setUnitDetail(int unitId, UnitDetail detail, const QString &value)
{
    if (int(detail) < 0 || int(detail) >= int(UnitDetail::Count) || unit(unitId).id == 0)
        return fail(tr("Nie znaleziono centrali."));
    Statement write(m_db,
                    QStringLiteral("INSERT OR REPLACE INTO CENTRALE_DANE (unit,key,value) "
                                   "VALUES (?,?,?)"),
                    {unitId, QLatin1String(UnitDetailKeys[int(detail)]), value.trimmed()});
    if (!write.ok())
        return fail(tr("Nie zapisano centrali w bazie danych."));
    return true;
}

QString VisitStore::companyDetail(CompanyDetail detail) const
{
    if (int(detail) < 0 || int(detail) >= int(CompanyDetail::Count))
        return QString();
    Statement row(m_db, QStringLiteral("SELECT value FROM FIRMA_DANE WHERE key = ?"),
                  {QLatin1String(CompanyDetailKeys[int(detail)])});
    return row.next() ? row.value(0).toString() : QString();
}

bool VisitStore::setCompanyDetail(CompanyDetail detail, const QString &value)
{
    if (int(detail) < 0 || int(detail) >= int(CompanyDetail::Count))
        return fail(tr("Nie zapisano ustawienia w bazie danych."));
    Statement write(m_db,
                    QStringLiteral("INSERT OR REPLACE INTO FIRMA_DANE (key,value) VALUES (?,?)"),
                    {QLatin1String(CompanyDetailKeys[int(detail)]), value.trimmed()});
    if (!write.ok())
        return fail(tr("Nie zapisano ustawienia w bazie danych."));
    return true;
}

static Instrument readInstrument(const Statement &row)
{
    Instrument instrument;
    instrument.id = row.value("id").toInt();
    instrument.name = row.value("name").toString();
    instrument.serial = row.value("serial").toString();
    instrument.calibrated = toDate(row.value("calibrated"));
    return instrument;
}

QList<Instrument> VisitStore::instruments(bool withRetired) const
{
    QList<Instrument> result;
    Statement rows(m_db,
                   QStringLiteral("SELECT * FROM PRZYRZADY WHERE retired = 0 OR ? "
                                  "ORDER BY name COLLATE NOCASE, id"),
                   {int(withRetired)});
    while (rows.next()) {
        Instrument instrument = readInstrument(rows);
        instrument.retired = rows.value("retired").toInt() != 0;
        result.append(instrument);
    }
    return result;
}

int VisitStore::saveInstrument(const Instrument &instrument)
{
    if (instrument.name.trimmed().isEmpty()) {
        fail(tr("Podaj nazwę przyrządu pomiarowego."));
        return 0;
    }
    if (instrument.calibrated.isValid() && instrument.calibrated > QDate::currentDate()) {
        fail(tr("Data wzorcowania nie może być późniejsza niż dzisiejsza."));
        return 0;
    }
    const int id = saveRow(m_db, "PRZYRZADY", {"name", "serial", "calibrated", "retired"},
                           {instrument.name.trimmed(), instrument.serial.trimmed(),
                            dateValue(instrument.calibrated), int(instrument.retired)},
                           instrument.id);
    if (id == 0)
        fail(tr("Nie zapisano przyrządu w bazie danych."));
    return id;
}

QList<Instrument> VisitStore::visitInstruments(int visitId) const
{
    QList<Instrument> result;
    Statement rows(m_db,
                   QStringLiteral("SELECT * FROM WIZYTY_PRZYRZADY WHERE visit = ? "
                                  "ORDER BY position, id"),
                   {visitId});
    while (rows.next())
        result.append(readInstrument(rows));
    return result;
}

bool VisitStore::setVisitInstruments(int visitId, const QList<Instrument> &instruments)
{
    if (!writable(visitId))
        return false;
    Transaction transaction(m_db);
    if (!Statement(m_db, QStringLiteral("DELETE FROM WIZYTY_PRZYRZADY WHERE visit = ?"),
                   {visitId})
                 .ok())
        return fail(tr("Nie zapisano wizyty w bazie danych."));
    int position = 0;
    // Copies: a later calibration or a retired instrument does not change what was used.
    for (const Instrument &instrument : instruments) {
        if (!Statement(m_db,
                       QStringLiteral("INSERT INTO WIZYTY_PRZYRZADY (visit,position,name,serial,"
                                      "calibrated) VALUES (?,?,?,?,?)"),
                       {visitId, ++position, instrument.name, instrument.serial,
                        dateValue(instrument.calibrated)})
                     .ok())
            return fail(tr("Nie zapisano wizyty w bazie danych."));
    }
    if (!transaction.commit())
        return fail(tr("Nie zapisano wizyty w bazie danych."));
    return true;
}

QList<CheckTemplateRow> VisitStore::checkTemplates(const QString &section,
                                                   bool withRetired) const
{
    QList<CheckTemplateRow> result;
    Statement rows(m_db,
                   QStringLiteral("SELECT * FROM SZABLONY_KONTROLI WHERE section = ? "
                                  "ORDER BY position, id"),
                   {section});
    while (rows.next()) {
        CheckTemplateRow row;
        row.id = rows.value("id").toInt();
        row.section = section;
        row.position = rows.value("position").toInt();
        row.item = shownCheckText(rows.value("item").toString());
        row.method = shownCheckText(rows.value("method").toString());
        row.limit = shownCheckText(rows.value("limit_text").toString());
        row.retired = rows.value("retired").toInt() != 0;
        if (withRetired || !row.retired)
            result.append(row);
    }
    // A section the company has not shaped yet is the shipped one.
    if (result.isEmpty() && !Statement(m_db,
                                       QStringLiteral("SELECT 1 FROM SZABLONY_KONTROLI "
                                                      "WHERE section = ?"),
                                       {section})
                                     .next())
        return defaultCheckTemplates(section);
    return result;
}

bool VisitStore::saveCheckTemplates(const QString &section, const QList<CheckTemplateRow> &rows)
{
    if (!checkSections().contains(section))
        return fail(tr("Nieznana część listy sprawdzeń."));
    for (const CheckTemplateRow &row : rows) {
        if (row.item.trimmed().isEmpty())
            return fail(tr("Każdy wiersz listy sprawdzeń musi mieć nazwę sprawdzenia."));
    }
    Transaction transaction(m_db);
    // Rows are never deleted, only retired: the ids stay, the order is the given one.
    int position = 0;
    for (const CheckTemplateRow &row : rows) {
        const int id = saveRow(m_db, "SZABLONY_KONTROLI",
                               {"section", "position", "item", "method", "limit_text", "retired"},
                               {section, ++position, storedCheckText(row.item.trimmed()),
                                storedCheckText(row.method.trimmed()),
                                storedCheckText(row.limit.trimmed()), int(row.retired)},
                               row.id);
        if (id == 0)
            return fail(tr("Nie zapisano listy sprawdzeń w bazie danych."));
    }
    if (!transaction.commit())
        return fail(tr("Nie zapisano listy sprawdzeń w bazie danych."));
    return true;
}

int VisitStore::addCheck(int visitId, const CheckRow &row)
{
    if (!writable(visitId))
        return 0;
    if (row.item.trimmed().isEmpty()) {
        fail(tr("Podaj, co sprawdzono."));
        return 0;
    }
    Statement last(m_db,
                   QStringLiteral("SELECT coalesce(max(position), 0) + 1 FROM WIZYTY_KONTROLE "
                                  "WHERE visit = ?"),
                   {visitId});
    const int position = last.next() ? last.value(0).toInt() : 1;
    Statement insert(m_db,
                     QStringLiteral("INSERT INTO WIZYTY_KONTROLE (visit,position,module_type,"
                                    "module_number,item,method,limit_text,measured,result,"
                                    "remark) VALUES (?,?,?,?,?,?,?,?,?,?)"),
                     {visitId, position, row.moduleType, row.moduleNumber,
                      storedCheckText(row.item.trimmed()), storedCheckText(row.method.trimmed()),
                      storedCheckText(row.limit.trimmed()), QString(), 0, QString()});
    if (insert.insertedId() == 0)
        fail(tr("Nie zapisano sprawdzenia w bazie danych."));
    return insert.insertedId();
}

QPair<int, QString> VisitStore::batteryModule(int batteryId) const
{
    Statement row(m_db,
                  QStringLiteral("SELECT m.module_type,m.module_number,m.test FROM "
                                 "WIZYTY_AKUMULATORY_MODULY m JOIN WIZYTY_AKUMULATORY b ON "
                                 "b.visit = m.visit AND b.position = m.position WHERE b.id = ?"),
                  {batteryId});
    if (!row.next())
        return {0, QString()};
    return {row.value(0).toInt() << 8 | row.value(1).toInt(), row.value(2).toString()};
}

bool VisitStore::setBatteryModule(int batteryId, int moduleType, int moduleNumber,
                                  const QString &test)
{
    Statement owner(m_db,
                    QStringLiteral("SELECT visit,position FROM WIZYTY_AKUMULATORY WHERE id = ?"),
                    {batteryId});
    if (!owner.next())
        return fail(tr("Nie znaleziono akumulatora."));
    if (!writable(owner.value(0).toInt()))
        return false;
    if (!Statement(m_db,
                   QStringLiteral("INSERT OR REPLACE INTO WIZYTY_AKUMULATORY_MODULY (visit,"
                                  "position,module_type,module_number,test) VALUES (?,?,?,?,?)"),
                   {owner.value(0).toInt(), owner.value(1).toInt(), moduleType, moduleNumber,
                    test.trimmed()})
                 .ok())
        return fail(tr("Nie zapisano akumulatora w bazie danych."));
    return true;
}

int VisitStore::carryOver(int visitId)
{
    if (!writable(visitId))
        return -1;
    const Visit previous = previousVisit(visit(visitId));
    if (previous.id == 0 || !batteries(visitId).isEmpty())
        return 0;
    // The batteries as the previous visit left them: what was replaced there carries its new
    // installation date; the measurements are this visit's to take.
    int count = 0;
    for (BatteryRow battery : batteries(previous.id)) {
        const QPair<int, QString> module = batteryModule(battery.id);
        battery.id = 0;
        battery.visitId = visitId;
        battery.voltage = 0;
        battery.resistance = 0;
        battery.result = CheckResult::NotChecked;
        const int id = saveBattery(battery);
        if (id == 0)
            return -1;
        if (module.first != 0)
            setBatteryModule(id, module.first >> 8, module.first & 0xFF, QString());
        ++count;
    }
    return count;
}

