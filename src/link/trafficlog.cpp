#include "trafficlog.h"

#include "device.h"
#include "usbmanager.h"

#include <QBrush>
#include <QColor>

namespace {
struct CommandName
{
    int command;
    const char *name;
};
const CommandName commandNames[] = {
    {Device::Calibrate, "Calibrate"},
    {Device::CalibrationState, "CalibrationState"},
    {Device::RunTest, "RunTest"},
    {Device::TestState, "TestState"},
    {Device::ReadConfig, "ReadConfig"},
    {Device::ConfigData, "ConfigData"},
    {Device::ReadFaults, "ReadFaults"},
    {Device::FaultsData, "FaultsData"},
    {Device::ReadEventLog, "ReadEventLog"},
    {Device::EventLogPart, "EventLogPart"},
    {Device::ReadClock, "ReadClock"},
    {Device::ClockData, "ClockData"},
    {Device::ClearEventLog, "ClearEventLog"},
    {Device::ReadSoftware, "ReadSoftware"},
    {Device::SoftwareData, "SoftwareData"},
    {Device::ReadLiveState, "ReadLiveState"},
    {Device::LiveStateData, "LiveStateData"},
    {Device::Acknowledge, "Acknowledge"},
};
const char *const headers[] = {
    QT_TRANSLATE_NOOP("TrafficLog", "Czas"),
    QT_TRANSLATE_NOOP("TrafficLog", "Kierunek"),
    QT_TRANSLATE_NOOP("TrafficLog", "Polecenie"),
    QT_TRANSLATE_NOOP("TrafficLog", "Długość"),
    QT_TRANSLATE_NOOP("TrafficLog", "Ramka"),
};
} // namespace

TrafficLog::TrafficLog(QObject *parent, int capacity)
    : QAbstractTableModel(parent), m_capacity(qMax(1, capacity))
{
    m_entries.reserve(m_capacity);
}

void TrafficLog::watch(USBManager *link)
{
    connect(link, &USBManager::signalTraffic, this,
            [this](bool outgoing, const QByteArray &frame, bool valid) {
                addFrame(outgoing, frame, valid);
            });
}

void TrafficLog::addFrame(bool outgoing, const QByteArray &frame, bool valid,
                          const QDateTime &when)
{
    if (m_paused)
        return;
    if (m_count == m_capacity) {
        beginRemoveRows(QModelIndex(), 0, 0);
        m_first = (m_first + 1) % m_capacity;
        --m_count;
        endRemoveRows();
    }
    beginInsertRows(QModelIndex(), m_count, m_count);
    const Entry added{when, frame, outgoing, valid};
    if (m_entries.size() < m_capacity)
        m_entries.append(added);
    else
        m_entries[(m_first + m_count) % m_capacity] = added;
    ++m_count;
    endInsertRows();
}

void TrafficLog::clear()
{
    beginResetModel();
    m_entries.clear();
    m_first = 0;
    m_count = 0;
    endResetModel();
}

const TrafficLog::Entry &TrafficLog::entry(int row) const
{
    return m_entries.at((m_first + row) % m_capacity);
}

QString TrafficLog::commandName(int command)
{
    for (const CommandName &known : commandNames) {
        if (known.command == command)
            return QString::fromLatin1(known.name);
    }
    return QStringLiteral("0x%1").arg(quint8(command), 2, 16, QLatin1Char('0'));
}

QString TrafficLog::cellText(const Entry &entry, int column) const
{
    switch (column) {
    case TimeColumn:
        return entry.when.toString(QStringLiteral("HH:mm:ss.zzz"));
    case DirectionColumn:
        return entry.outgoing ? tr("PC → centrala") : tr("centrala → PC");
    case CommandColumn: {
        const QString name = entry.frame.size() > 4 ? commandName(qint8(entry.frame.at(4)))
                                                    : QStringLiteral("?");
        return entry.valid ? name : tr("%1 (błędne CRC)").arg(name);
    }
    case LengthColumn:
        return QString::number(entry.frame.size());
    case FrameColumn:
        return QString::fromLatin1(entry.frame.toHex(' '));
    }
    return QString();
}

int TrafficLog::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int TrafficLog::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(std::size(headers));
}

QVariant TrafficLog::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_count)
        return QVariant();
    const Entry &e = entry(index.row());
    if (role == Qt::DisplayRole)
        return cellText(e, index.column());
    if (role == Qt::ForegroundRole && !e.valid)
        return QBrush(QColor(190, 30, 30));
    if (role == Qt::TextAlignmentRole && index.column() == LengthColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QVariant TrafficLog::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
        && section < int(std::size(headers)))
        return tr(headers[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString TrafficLog::toText(const QList<int> &rows) const
{
    QStringList lines;
    for (int row : rows) {
        if (row < 0 || row >= m_count)
            continue;
        QStringList cells;
        for (int column = 0; column < columnCount(); ++column)
            cells << cellText(entry(row), column);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}
