#include "records/pamietnik.h"

#include "records/recordslog.h"
#include "config/modulefactory.h"

#include <QDebug>

#include <numeric>

Q_LOGGING_CATEGORY(lcRecords, "ostrel.records")
Q_LOGGING_CATEGORY(lcEventRecords, "ostrel.eventlog.records", QtInfoMsg)

namespace {
// yyyyMMddhhmmss as one number: it orders as the moments do.
qint64 fieldsKey(int year, int month, int day, int hour, int minute, int second)
{
    return ((((qint64(year) * 100 + month) * 100 + day) * 100 + hour) * 100 + minute) * 100
            + second;
}
} // namespace

Pamietnik::Pamietnik(QObject *parent) : QObject(parent) {}

void Pamietnik::parse(QByteArray data)
{
    const int count = data.size() / RecordSize;
    m_events.reserve(m_events.size() + count);
    const char *record = data.constData();
    for (int i = 0; i < count; ++i, record += RecordSize) {
        bool validDate = true;
        m_events.append(decodeRecord(record, &validDate));
        logRecord(record, validDate);
    }
}

EventEntry Pamietnik::decodeRecord(const char *record, bool *validDate)
{
    EventEntry entry;
    // Every field is a signed byte; the year counts from 2000, so 0x80 and up lie before it.
    // An impossible time on a valid date becomes midnight, as when the date is set first and
    // the time after it; one construction costs one local-time conversion instead of two.
    entry.dateTime = QDateTime(QDate(qint8(record[0]) + 2000, qint8(record[1]), qint8(record[2])),
                               QTime(qint8(record[3]), qint8(record[4]), qint8(record[5])));
    const bool valid = entry.dateTime.isValid();
    if (!valid)
        entry.dateTime = QDateTime(QDate(2000, 1, 1), QTime(0, 0));
    if (validDate)
        *validDate = valid;
    entry.code = quint8(record[6]);
    entry.number = quint8(record[7]) & 0x0F;
    entry.type = quint8(record[7]) & 0xF0;
    return entry;
}

void Pamietnik::logRecord(const char *record, bool validDate)
{
    if (!validDate)
        qCDebug(lcRecords) << "Pamietnik: nieprawidłowa data zdarzenia";
    qCDebug(lcEventRecords) << QByteArray::fromRawData(record, RecordSize).toHex().toUpper();
}

qint64 Pamietnik::timeKey(const char *record)
{
    const int year = qint8(record[0]) + 2000;
    const int month = qint8(record[1]);
    const int day = qint8(record[2]);
    if (!QDate::isValid(year, month, day))
        return fieldsKey(2000, 1, 1, 0, 0, 0);
    const int hour = qint8(record[3]);
    const int minute = qint8(record[4]);
    const int second = qint8(record[5]);
    if (!QTime::isValid(hour, minute, second))
        return fieldsKey(year, month, day, 0, 0, 0);
    return fieldsKey(year, month, day, hour, minute, second);
}

qint64 Pamietnik::timeKey(const QDateTime &dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return fieldsKey(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                     time.second());
}

QString Pamietnik::moduleText(const EventEntry &entry)
{
    QString text = moduleName(entry.type);
    if (entry.number != 0)
        text += QLatin1Char(' ') + QString::number(entry.number);
    return text;
}

QString Pamietnik::eventText(const EventEntry &entry)
{
    return faultText(entry.type, entry.code);
}

QString Pamietnik::dateTimeText(const EventEntry &entry)
{
    return entry.dateTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString Pamietnik::toHtml()
{
    QVector<int> indexes(m_events.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    return toHtml(indexes);
}

QString Pamietnik::toHtml(const QVector<int> &indexes)
{
    QString html;
    html.reserve(400 + indexes.size() * 130);
    html += QLatin1String("<html><head><link rel='stylesheet' type='text/css' href='format.css'>"
                          "</head><body><H2>")
            + tr("Zdarzenia Ostrel: %1").arg(name.toHtmlEscaped()) + QLatin1String("</H2>");
    html += QLatin1String("<table BORDER='1'style=\"background-color:white\" cellpadding='2' "
                          "cellspacing='0' width = '600'>");
    html += QLatin1String("<tr><th width = '35'>Id</th><th width = '120'>") + tr("Data")
            + QLatin1String("</th> <th width = '50'>") + tr("Moduł") + QLatin1String("</th><th>")
            + tr("Zdarzenie") + QLatin1String("</th></tr>");
    for (int index : indexes) {
        const EventEntry &entry = m_events.at(index);
        html += QLatin1String("<tr><td> ") + QString::number(index + 1)
                + QLatin1String("</td><td> ") + dateTimeText(entry)
                + QLatin1String("</td><td> ") + moduleText(entry)
                + QLatin1String("</td><td> ") + eventText(entry) + QLatin1String("</td></tr>");
    }
    // The register's report has always ended with its table.
    html += QLatin1String("</table >");
    return html;
}
