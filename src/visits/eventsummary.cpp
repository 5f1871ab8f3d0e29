#include "visits/eventsummary.h"

bool isFaultEvent(int, quint8)
{
    return false;
}

EventSummary summarizeEvents(const QByteArray &, const QDateTime &since)
{
    EventSummary summary;
    summary.since = since;
    return summary;
}
