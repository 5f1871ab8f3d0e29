#include "records/eventfilterproxy.h"

#include "config/modulefactory.h"
#include "records/eventlogmodel.h"
#include "records/pamietnik.h"

#include <algorithm>

namespace {
constexpr int EventKeys = 16 * 256;
constexpr int ModuleKeys = 256;

// The source byte holds the module type in its high nibble and the number in the low one.
int eventKey(quint8 code, quint8 source)
{
    return (source >> 4) << 8 | code;
}

EventEntry textsOf(int eventKey, int source)
{
    EventEntry entry;
    entry.code = quint8(eventKey & 0xFF);
    entry.type = quint8(source & 0xF0);
    entry.number = quint8(source & 0x0F);
    return entry;
}
} // namespace

EventFilterProxy::EventFilterProxy(QObject *parent) : QSortFilterProxyModel(parent) {}

void EventFilterProxy::setSourceModel(QAbstractItemModel *source)
{
    m_model = qobject_cast<EventLogModel *>(source);
    Q_ASSERT(m_model || !source);
    m_eventMatch.fill(-1, EventKeys);
    m_moduleMatch.fill(-1, ModuleKeys);
    rankTexts();
    QSortFilterProxyModel::setSourceModel(source);
}

// Texts are ranked once in collation order, so that a sort compares two integers per step.
void EventFilterProxy::rankTexts()
{
    // -1 marks an event or a module that the register does not hold.
    m_eventRank.fill(-1, EventKeys);
    m_moduleRank.fill(-1, ModuleKeys);
    if (!m_model)
        return;
    QVector<bool> eventSeen(EventKeys, false);
    QVector<bool> moduleSeen(ModuleKeys, false);
    for (int row = 0; row < m_model->rowCount(); ++row) {
        eventSeen[eventKey(m_model->code(row), m_model->source(row))] = true;
        moduleSeen[m_model->source(row)] = true;
    }

    struct Text
    {
        int key;
        QString text;
        int number;
    };
    const auto rank = [](QVector<Text> &texts, QVector<int> &ranks) {
        std::sort(texts.begin(), texts.end(), [](const Text &a, const Text &b) {
            const int order = a.text.localeAwareCompare(b.text);
            return order != 0 ? order < 0 : a.number < b.number;
        });
        for (int i = 0; i < texts.size(); ++i)
            ranks[texts.at(i).key] = i;
    };
    QVector<Text> events;
    for (int key = 0; key < EventKeys; ++key) {
        if (eventSeen.at(key))
            events.append({key, Pamietnik::eventText(textsOf(key, (key >> 8) << 4)), 0});
    }
    rank(events, m_eventRank);
    // "PSB 2" before "PSB 10": the module's name first, then its number.
    QVector<Text> modules;
    for (int key = 0; key < ModuleKeys; ++key) {
        if (moduleSeen.at(key))
            modules.append({key, moduleName(key & 0xF0), key & 0x0F});
    }
    rank(modules, m_moduleRank);
}

void EventFilterProxy::setEventFilter(const EventFilter &filter)
{
    if (filter.text != m_filter.text) {
        m_eventMatch.fill(-1);
        m_moduleMatch.fill(-1);
    }
    m_filter = filter;
    m_fromKey = filter.from.isValid() ? Pamietnik::timeKey(filter.from) : -1;
    m_toKey = filter.to.isValid() ? Pamietnik::timeKey(filter.to) : -1;
    // One layout change instead of a removal per run of hidden rows: a view of 65,000 rows
    // would redo its rows for each of thousands of runs.
    invalidate();
}

bool EventFilterProxy::hidesRows() const
{
    return m_model && rowCount() < m_model->rowCount();
}

QVector<int> EventFilterProxy::visibleIndexes() const
{
    QVector<int> indexes;
    indexes.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row)
        indexes.append(m_model->registerIndex(mapToSource(index(row, 0)).row()));
    return indexes;
}

QVector<int> EventFilterProxy::modulesPresent() const
{
    QVector<int> sources;
    for (int key = 0; key < ModuleKeys; ++key) {
        if (m_moduleRank.at(key) >= 0)
            sources.append(key);
    }
    std::sort(sources.begin(), sources.end(),
              [this](int a, int b) { return m_moduleRank.at(a) < m_moduleRank.at(b); });
    return sources;
}

bool EventFilterProxy::textMatches(quint8 code, quint8 source) const
{
    const int event = eventKey(code, source);
    qint8 &eventMatch = m_eventMatch[event];
    if (eventMatch < 0) {
        eventMatch = Pamietnik::eventText(textsOf(event, source))
                             .contains(m_filter.text, Qt::CaseInsensitive);
    }
    if (eventMatch)
        return true;
    qint8 &moduleMatch = m_moduleMatch[source];
    if (moduleMatch < 0) {
        moduleMatch = Pamietnik::moduleText(textsOf(event, source))
                              .contains(m_filter.text, Qt::CaseInsensitive);
    }
    return moduleMatch;
}

bool EventFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const quint8 code = m_model->code(sourceRow);
    const bool removed = code & 0x80;
    if ((m_filter.state == EventFilter::ActiveOnly && removed)
        || (m_filter.state == EventFilter::RemovedOnly && !removed))
        return false;
    const quint8 source = m_model->source(sourceRow);
    if (m_filter.source >= 0 && source != m_filter.source)
        return false;
    if (m_fromKey >= 0 || m_toKey >= 0) {
        const qint64 time = m_model->timeKey(sourceRow);
        if ((m_fromKey >= 0 && time < m_fromKey) || (m_toKey >= 0 && time > m_toKey))
            return false;
    }
    return m_filter.text.isEmpty() || textMatches(code, source);
}

bool EventFilterProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const int a = left.row();
    const int b = right.row();
    switch (left.column()) {
    case EventLogModel::DateColumn: {
        const qint64 timeA = m_model->timeKey(a);
        const qint64 timeB = m_model->timeKey(b);
        if (timeA != timeB)
            return timeA < timeB;
        break;
    }
    case EventLogModel::EventColumn: {
        const int rankA = m_eventRank.at(eventKey(m_model->code(a), m_model->source(a)));
        const int rankB = m_eventRank.at(eventKey(m_model->code(b), m_model->source(b)));
        if (rankA != rankB)
            return rankA < rankB;
        break;
    }
    case EventLogModel::ModuleColumn: {
        const int rankA = m_moduleRank.at(m_model->source(a));
        const int rankB = m_moduleRank.at(m_model->source(b));
        if (rankA != rankB)
            return rankA < rankB;
        break;
    }
    }
    // The source shows the newest first: a higher row is an earlier record.
    return a > b;
}
