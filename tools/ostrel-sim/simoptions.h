#pragma once

#include <QDateTime>
#include <QString>

// Everything the command line can change about the simulated unit and its wire.
struct SimOptions
{
    enum class Preset { Basic, SmokeVent, Extinguishing };

    Preset preset = Preset::Basic;
    int logEntries = 500;
    quint32 seed = 1;
    // Invalid means "start from the PC's clock".
    QDateTime clockStart;
    bool calibrationMode = false;
    // One payload byte the unit keeps when a configuration is written (a setting it does not
    // take): the first module of this type keeps its byte at this offset. -1: none.
    int ignoreType = -1;
    int ignoreOffset = -1;

    bool fast = false;
    int dropEvery = 0;
    int corruptEvery = 0;
    bool noise = false;
    bool split = false;
    int delayMs = 0;
    int hangupAfter = 0;
    bool verbose = false;

    QString linkPath;
    // Serve the unit over TCP on this host and port instead of a pseudo-terminal.
    bool tcp = false;
    QString tcpHost = QStringLiteral("127.0.0.1");
    quint16 tcpPort = 0;
};
