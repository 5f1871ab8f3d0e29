#include "records/pamietnik.h"

#include "config/modulefactory.h"

#include <QDebug>

#include <numeric>

Q_LOGGING_CATEGORY(lcEventRecords, "ostrel.eventlog.records", QtInfoMsg)

Pamietnik::Pamietnik(QObject *parent) : QObject(parent) {}

void Pamietnik::parse(QByteArray data)
{
    const int count = data.size() / RecordSize;
    m_events.reserve(m_events.size() + count);
    const char *record = data.constData();
    for (int i = 0; i < count; ++i, record += RecordSize) {
        EventEntry entry;
        // Every field is a signed byte; the year counts from 2000, so 0x80 and up lie before it.
        const QDate date(qint8(record[0]) + 2000, qint8(record[1]), qint8(record[2]));
        // Date first, then time: an impossible time on a valid date becomes midnight.
        entry.dateTime.setDate(date);
        entry.dateTime.setTime(QTime(qint8(record[3]), qint8(record[4]), qint8(record[5])));
        if (!entry.dateTime.isValid()) {
            qDebug() << "Pamietnik: nieprawidłowa data zdarzenia";
            entry.dateTime = QDateTime(QDate(2000, 1, 1), QTime(0, 0));
        }
        entry.code = quint8(record[6]);
        entry.number = quint8(record[7]) & 0x0F;
        entry.type = quint8(record[7]) & 0xF0;
        qCDebug(lcEventRecords)
                << QByteArray::fromRawData(record, RecordSize).toHex().toUpper();
        m_events.append(entry);
    }
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
            + tr("Zdarzenia Ostrel: %1").arg(name) + QLatin1String("</H2>");
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
