#include "records/eventfilterproxy.h"

#include "config/modulefactory.h"
#include "records/eventlogmodel.h"
#include "records/pamietnik.h"

#include <algorithm>

namespace {
constexpr int EventKeys = 16 * 256;
constexpr int ModuleKeys = 256;

int eventKey(const EventEntry &entry)
{
    return (entry.type >> 4) << 8 | entry.code;
}

int moduleKey(const EventEntry &entry)
{
    return entry.type | entry.number;
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
        const EventEntry &entry = m_model->entry(row);
        eventSeen[eventKey(entry)] = true;
        moduleSeen[moduleKey(entry)] = true;
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
            events.append({key, faultText((key >> 8) << 4, quint8(key & 0xFF)), 0});
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
    invalidateFilter();
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

QStringList EventFilterProxy::eventTextsPresent() const
{
    QStringList texts;
    for (int key = 0; key < EventKeys; ++key) {
        if (m_eventRank.at(key) >= 0)
            texts.append(faultText((key >> 8) << 4, quint8(key & 0xFF)));
    }
    return texts;
}

bool EventFilterProxy::textMatches(const EventEntry &entry) const
{
    qint8 &event = m_eventMatch[eventKey(entry)];
    if (event < 0)
        event = Pamietnik::eventText(entry).contains(m_filter.text, Qt::CaseInsensitive);
    if (event)
        return true;
    qint8 &module = m_moduleMatch[moduleKey(entry)];
    if (module < 0)
        module = Pamietnik::moduleText(entry).contains(m_filter.text, Qt::CaseInsensitive);
    return module;
}

bool EventFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const EventEntry &entry = m_model->entry(sourceRow);
    const bool removed = entry.code & 0x80;
    if ((m_filter.state == EventFilter::ActiveOnly && removed)
        || (m_filter.state == EventFilter::RemovedOnly && !removed))
        return false;
    if (m_filter.source >= 0 && moduleKey(entry) != m_filter.source)
        return false;
    if (m_filter.from.isValid() && entry.dateTime < m_filter.from)
        return false;
    if (m_filter.to.isValid() && m_filter.to < entry.dateTime)
        return false;
    return m_filter.text.isEmpty() || textMatches(entry);
}

bool EventFilterProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const EventEntry &a = m_model->entry(left.row());
    const EventEntry &b = m_model->entry(right.row());
    switch (left.column()) {
    case EventLogModel::DateColumn:
        if (a.dateTime != b.dateTime)
            return a.dateTime < b.dateTime;
        break;
    case EventLogModel::EventColumn:
        if (m_eventRank.at(eventKey(a)) != m_eventRank.at(eventKey(b)))
            return m_eventRank.at(eventKey(a)) < m_eventRank.at(eventKey(b));
        break;
    case EventLogModel::ModuleColumn:
        if (m_moduleRank.at(moduleKey(a)) != m_moduleRank.at(moduleKey(b)))
            return m_moduleRank.at(moduleKey(a)) < m_moduleRank.at(moduleKey(b));
        break;
    }
    // The source shows the newest first: a higher row is an earlier record.
    return left.row() > right.row();
}
