#pragma once

#include <QDateTime>
#include <QSortFilterProxyModel>
#include <QString>
#include <QVector>

class EventLogModel;

// What a technician narrows the event register down to. Every part left at its default lets
// all entries through.
struct EventFilter
{
    enum State { AllEntries, ActiveOnly, RemovedOnly };

    QString text;        // found, case-insensitively, in the event text or the module text
    int source = -1;     // the record's source byte (module type and number); -1: any module
    QDateTime from;      // first moment shown; null: from the start
    QDateTime to;        // last moment shown; null: to the end
    State state = AllEntries; // on bit 7 of the event code
};

// Filters and sorts the register's table in place. Texts are compared once per distinct
// event or module, not once per entry, so 65,000 entries filter and sort without a stall.
// Equal keys keep the register's order, in the direction of the sort.
class EventFilterProxy : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit EventFilterProxy(QObject *parent = nullptr);

    // The source must be an EventLogModel.
    void setSourceModel(QAbstractItemModel *source) override;
    EventLogModel *eventModel() const { return m_model; }

    void setEventFilter(const EventFilter &filter);
    const EventFilter &eventFilter() const { return m_filter; }
    // Whether the filter hides any entry.
    bool hidesRows() const;
    // The register indexes (0 = first record) of the rows shown, in their order on screen.
    QVector<int> visibleIndexes() const;
    // The source bytes of the modules in the register, in the order of their texts.
    QVector<int> modulesPresent() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    bool textMatches(quint8 code, quint8 source) const;
    void rankTexts();

    EventLogModel *m_model = nullptr;
    EventFilter m_filter;
    qint64 m_fromKey = -1; // the range as time keys of the register (Pamietnik::timeKey)
    qint64 m_toKey = -1;
    // Per distinct event (module type and code) and module (source byte): -1 not yet known,
    // else whether the filter text is found in it.
    mutable QVector<qint8> m_eventMatch;
    mutable QVector<qint8> m_moduleMatch;
    // Sort positions of the distinct event and module texts.
    QVector<int> m_eventRank;
    QVector<int> m_moduleRank;
};
