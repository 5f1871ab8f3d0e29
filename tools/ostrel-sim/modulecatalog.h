#pragma once

#include "simoptions.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>

// The simulator's own knowledge of the modules: type codes, payload sizes, fault-table sizes and
// the preset images, written byte by byte. Nothing here goes through the product's module
// classes, so a mistake in those shows up as a mismatch against the simulated unit.
namespace sim {

struct ModuleKind
{
    quint8 type;
    const char *name;
    int payloadSize;
    // Entries of the unit's fault table for this type; a faults block carries one flag byte per
    // entry plus a closing byte.
    int faultEntries;
    // Fault indexes the unit writes to the event log under this type's source byte. Types whose
    // source byte would decode as another type (0x83 and every 0x5x type but 0x50) log none.
    QVector<quint8> eventFaults;
};

struct ModuleRecord
{
    quint8 type = 0;
    quint8 number = 0;
    QByteArray payload;
};

// A module fitted in the simulated unit: its configuration as delivered, its present faults and
// the version byte of its software.
struct FittedModule
{
    ModuleRecord record;
    QVector<int> activeFaults;
    quint8 softwareVersion = 0;
};

struct PresetContents
{
    QList<FittedModule> modules;
    // Position in the software list of the one empty slot.
    int emptySlot = 0;
    // The unit signals its outputs LS1-LS4 only when a PSL is fitted.
    bool hasSignalLines = false;
};

const ModuleKind *moduleKind(quint8 type);
PresetContents presetContents(SimOptions::Preset preset);

QByteArray buildImage(const QList<ModuleRecord> &records);
// Reads an image the way the unit does. False when a record runs past the end of the image or
// names a type the unit does not know.
bool splitImage(const QByteArray &image, QList<ModuleRecord> *records, QString *problem);

} // namespace sim
