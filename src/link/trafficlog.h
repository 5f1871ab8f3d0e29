#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QDateTime>
#include <QVector>

class USBManager;

// The last frames that crossed the wire, for the link monitor: time, direction, command name,
// length and the bytes in hex. A ring buffer: once full, each new frame pushes out the oldest.
class TrafficLog : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { TimeColumn, DirectionColumn, CommandColumn, LengthColumn, FrameColumn };
    static constexpr int DefaultCapacity = 5000;

    explicit TrafficLog(QObject *parent = nullptr, int capacity = DefaultCapacity);

    // Records every frame the link writes or receives.
    void watch(USBManager *link);
    void addFrame(bool outgoing, const QByteArray &frame, bool valid,
                  const QDateTime &when = QDateTime::currentDateTime());
    void clear();
    // A paused log records nothing, so the rows on screen stay still to be read.
    void setPaused(bool paused) { m_paused = paused; }
    bool isPaused() const { return m_paused; }
    int capacity() const { return m_capacity; }
    // The rows as tab-separated lines, for the clipboard.
    QString toText(const QList<int> &rows) const;

    static QString commandName(int command);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Entry
    {
        QDateTime when;
        QByteArray frame;
        bool outgoing = false;
        bool valid = true;
    };
    const Entry &entry(int row) const;
    QString cellText(const Entry &entry, int column) const;

    QVector<Entry> m_entries;
    int m_first = 0; // ring index of row 0
    int m_count = 0;
    int m_capacity;
    bool m_paused = false;
};
