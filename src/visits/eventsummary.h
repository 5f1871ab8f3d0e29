#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The event register of a visit summed up: what happened since the previous visit, and the
// faults the log still holds as active.
struct EventSummary
{
    struct Count
    {
        QString text;  // module text ("PSB 1")
        QString event; // event text; empty in the per-module counts
        int count = 0;
    };
    struct ActiveFault
    {
        int index = 0; // position in the register, 0 = first record
        QDateTime at;
        QString moduleText;
        QString eventText;
    };

    QDateTime since; // invalid: the whole register
    int total = 0;   // entries in the register
    int counted = 0; // entries since `since`
    QList<Count> perModule; // most entries first
    QList<Count> perEvent;  // per module and event text, most entries first
    // Faults that appeared (in the whole register) with no later "USUNIĘTE" entry of the
    // same module and code, oldest first.
    QList<ActiveFault> stillActive;
};

// Events that only record something done (a start, a cleared register, a stored
// configuration, an output driven) are never faults and never counted as still active.
bool isFaultEvent(int type, quint8 code);

EventSummary summarizeEvents(const QByteArray &registerData, const QDateTime &since);
