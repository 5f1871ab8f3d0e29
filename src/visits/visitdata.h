#pragma once

#include "store/appsetting.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class Konfiguracja;

// The data of service visits: sites, the units on them, the visits to a unit and what a visit
// records. Plain values; VisitStore keeps them.

// One module of a unit as the configuration holds it: type code and number.
struct ModuleKey
{
    int type = 0;
    int number = 0;

    bool operator==(const ModuleKey &other) const
    {
        return type == other.type && number == other.number;
    }
    bool operator<(const ModuleKey &other) const
    {
        return type != other.type ? type < other.type : number < other.number;
    }
};
// Sorted, so that two sets compare equal whatever the module order of their images.
using ModuleSet = QVector<ModuleKey>;

ModuleSet moduleSetOf(const Konfiguracja &configuration);
// "PSB 1, LNM 1, ..." in the set's order.
QString moduleSetText(const ModuleSet &modules);

struct Site
{
    int id = 0;
    QString name;
    QString address;
    QString owner; // owner or operator
    QString contact;
    QString phone;
    QString notes;
};

struct Unit
{
    int id = 0;
    int siteId = 0;
    QString label; // "Centrala oddymiania — klatka A"
    QString place; // place in the building
    QString serialNumber; // typed from the nameplate: the unit does not send one
    QDate installed;
    QString notes;
    ModuleSet modules; // of its last configuration
};

constexpr int DefaultBatteryLifeYears = AppSetting::of(AppSetting::BatteryLife).defaultNumber;
constexpr int BatteryWarningDays = 90;

enum class VisitType { Periodic = 0, Repair = 1, Commissioning = 2, Other = 3 };
enum class Verdict { None = 0, Working = 1, WorkingWithRemarks = 2, NotWorking = 3 };
// Results of a check row and of a battery.
enum class CheckResult { NotChecked = 0, Ok = 1, Fault = 2, NotApplicable = 3 };

QString visitTypeText(VisitType type);       // "przegląd okresowy", "naprawa", ...
// The same untranslated: the key of a text the store keeps (TextKeys), and every such key.
QString visitTypeKey(VisitType type);
QStringList visitTypeKeys();
QString verdictText(Verdict verdict);        // "sprawna", "sprawna z uwagami", "niesprawna"
QString checkResultText(CheckResult result); // "OK", "usterka", "nie dotyczy"; "" unchecked

struct Visit
{
    int id = 0;
    int unitId = 0;
    VisitType type = VisitType::Periodic;
    QString technician;
    QString certificate;
    QString company;
    QDateTime started;
    QDateTime ended; // invalid while open
    bool closed = false;
    Verdict verdict = Verdict::None;
    QString findings;
    QString recommendations;
    QDate nextService; // a year after the start unless changed
    int corrects = 0;  // id of the closed visit this one corrects, 0 for none
    int reportYear = 0; // report number year/sequence, given when the visit starts
    int reportSequence = 0;
    QString uid; // short unique id printed beside the report number
    bool clockRead = false;
    qint64 clockDrift = 0; // seconds, unit time minus PC time
    bool clockSet = false;
    QString departureSkipped; // why there is no departure reading; empty when there is one
    // The battery service life when the visit started, so that its report stays as it was
    // when the setting changes later.
    int batteryLifeYears = DefaultBatteryLifeYears;
    QString correctionReason; // why this visit corrects another one
    QString abandonReason;    // why it was abandoned; empty unless it was
    int supersededBy = 0;     // the closed correction that replaces this visit, 0 for none

    // "2026/7"
    QString reportNumber() const;
    // Started by mistake and abandoned: closed, without a protocol, never the previous visit.
    bool isAbandoned() const { return !abandonReason.isEmpty(); }
};

// The fields of an open visit that the technician edits, each saved on its own.
enum class VisitField {
    Type,
    Technician,
    Certificate,
    Company,
    Findings,
    Recommendations,
    Verdict,
    NextService,
    DepartureSkipped,
};

// A closed visit's protocol as it was issued: the document, its digest and what its figures
// were computed from. A reprint is this document, whatever changed since.
struct FrozenProtocol
{
    int visitId = 0;
    QString html;
    QString digest;     // SHA-256 of the HTML as UTF-8, lower-case hex
    QString basis;      // JSON: the site and unit as they were, the previous visit, the register
    QString pageFormat; // "strona %1 z %2" in the language of the close
    QDateTime frozenAt;

    bool isNull() const { return visitId == 0; }
};

// What a record linked to a visit was taken for.
enum class RecordRole {
    ConfigBefore = 1,   // KONFIGURACJA
    ConfigAfter = 2,    // KONFIGURACJA
    FaultsArrival = 3,  // USZKODZENIA
    FaultsDeparture = 4, // USZKODZENIA
    Software = 5,       // OPROGRAMOWANIE
    EventLog = 6,       // PAMIETNIK
};

struct RecordLink
{
    int visitId = 0;
    RecordRole role = RecordRole::ConfigBefore;
    int recordId = 0; // id in the record's own table
    QDateTime at;
};

// Where a check row belongs in the protocol: a module's own checks, the checks of the unit and
// its surroundings, or the field devices (each checked or excluded with a reason).
enum class CheckSection { Module = 0, General = -1, FieldDevices = -2 };

struct CheckRow
{
    int id = 0;
    int visitId = 0;
    int position = 0; // order in the checklist
    // A module type; 0: the unit as a whole; the negative CheckSection values mark the general
    // and field-device rows, which belong to no module.
    int moduleType = 0;
    int moduleNumber = 0;
    QString item;
    QString method;
    QString limit;
    QString measured;
    CheckResult result = CheckResult::NotChecked;
    QString remark;

    // "PSB 1", or "" for the unit as a whole and the general and field-device rows.
    QString moduleText() const;
    CheckSection section() const
    {
        return moduleType == int(CheckSection::General) ? CheckSection::General
                : moduleType == int(CheckSection::FieldDevices) ? CheckSection::FieldDevices
                                                                : CheckSection::Module;
    }
};

// A row of the company's checklist templates: a module family's ("power", "line", "relay",
// "extinguishing") or the general or field-device section's ("general", "field").
struct CheckTemplateRow
{
    int id = 0; // 0: a shipped default not stored yet
    QString section;
    int position = 0;
    QString item;
    QString method;
    QString limit;
    bool retired = false;
};

// A measuring instrument of the company, and the copy a visit keeps of the ones it used.
struct Instrument
{
    int id = 0;
    QString name;
    QString serial;
    QDate calibrated;
    bool retired = false;
};

// Protocol details of a visit, each saved on its own, kept by key in a table of their own.
enum class VisitDetail {
    AuthorisationValid, // until when the technician's authorisation holds, a date
    WorkDone,
    PartsReplaced,
    PreviousDone, // were the previous visit's recommendations carried out: "tak", "nie", ...
    PreviousNote,
    Customer, // the customer's representative who receives the protocol
    Place,    // where it is signed
    StandbyRequired, // hours of battery standby the installation requires
    StandbyMeasured, // hours the batteries give by the test or the calculation
    Count
};
// Typed once for a unit.
enum class UnitDetail { Maker, Type, Admission, Count };
// Typed once for the company.
enum class CompanyDetail { Address, TaxNumber, Phone, Count };

// The answers to "were the previous recommendations carried out", in the order offered.
QStringList previousDoneChoices();

struct BatteryRow
{
    int id = 0;
    int visitId = 0;
    int position = 0;
    QString make; // make and type
    double capacityAh = 0;
    QString dateCode;
    QDate installed;
    double voltage = 0;    // V, measured
    double resistance = 0; // mΩ, internal, measured
    CheckResult result = CheckResult::NotChecked;
};

// What a battery row accepts.
namespace BatteryLimits {
constexpr double MinCapacity = 0.1; // Ah
constexpr double MaxCapacity = 10000;
constexpr double MaxVoltage = 60; // V
constexpr double MaxResistance = 10000; // mΩ
} // namespace BatteryLimits

enum class BatteryDueState { Unknown, Ok, DueSoon, Overdue };


// Installed plus the service life; invalid when the installation date is.
QDate batteryReplacementDue(const QDate &installed, int lifeYears);
// Overdue when the due date is past, DueSoon when it is within 90 days of the given day.
BatteryDueState batteryDueState(const QDate &due, const QDate &today);

// Self-test and calibration results as the Debug tab decodes them, kept with the visit.
enum class DiagnosticKind { SelfTest = 1, Calibration = 2 };

struct DiagnosticRow
{
    DiagnosticKind kind = DiagnosticKind::SelfTest;
    int position = 0;
    QString name;
    QString limit;
    int raw = 0;
    QString valueText;
    QString result;
    QDateTime at;
};

// Input as the technician types it. Each returns false with a message naming the field and
// what is accepted, and leaves the value alone.
// Dates "yyyy-MM-dd" or "dd.MM.yyyy"; an empty text is an invalid (unset) date when allowed.
bool parseVisitDate(const QString &text, const QString &field, bool allowEmpty, QDate *date,
                    QString *error);
// A decimal number with a point or a comma, within [minimum, maximum].
bool parseVisitNumber(const QString &text, const QString &field, double minimum,
                      double maximum, double *value, QString *error);
