#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLoggingCategory>
#include <QObject>
#include <QString>
#include <QVector>

// The bytes of every decoded record. A register holds up to 65,025 of them, so the lines are
// off unless the logging rules turn them on ("ostrel.eventlog.records.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcEventRecords)

// One dated entry of the unit's event register.
struct EventEntry
{
    QDateTime dateTime;
    quint8 code = 0;   // bits 0-6: event number in the module type's table; bit 7: fault gone
    quint8 number = 0; // module number, 0 when not given
    quint8 type = 0;   // module type code (high nibble of the source byte, not shifted)
};
Q_DECLARE_TYPEINFO(EventEntry, Q_MOVABLE_TYPE);

// The unit's event register: 8-byte records decoded into entries, and the register's report.
class Pamietnik : public QObject
{
    Q_OBJECT
public:
    static constexpr int RecordSize = 8;

    explicit Pamietnik(QObject *parent = nullptr);

    // Appends one entry per complete 8-byte record; a shorter remainder is ignored.
    void parse(QByteArray data);
    QList<EventEntry> getEvents() const { return m_events; }
    const QList<EventEntry> &events() const { return m_events; }
    QString toHtml();
    // The same report holding only the entries at the given register indexes (0 = first
    // record), in the given order; each keeps its number in the register.
    QString toHtml(const QVector<int> &indexes);

    // The entry of one 8-byte record, without the debug lines; validDate tells whether the
    // record held a calendar date (otherwise the entry is dated 2000-01-01 00:00:00).
    static EventEntry decodeRecord(const char *record, bool *validDate = nullptr);
    // The debug lines of a decoded record.
    static void logRecord(const char *record, bool validDate);
    // The record's moment as a number that orders as the moments do, by the decoding rules
    // above but without the cost of a local time: sorting and filtering a whole register
    // need it for every entry.
    static qint64 timeKey(const char *record);
    static qint64 timeKey(const QDateTime &dateTime);

    // Texts shown for an entry, in the tab and in the report.
    static QString moduleText(const EventEntry &entry);
    static QString eventText(const EventEntry &entry);
    static QString dateTimeText(const EventEntry &entry);

    QString name;

private:
    QList<EventEntry> m_events;
};
