#pragma once

#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"

#include <QByteArray>
#include <QList>

#include <initializer_list>
#include <memory>
#include <utility>

// Helpers shared by the module and configuration tests.
namespace ModulesTest {

inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// What the main window does while it is set up, before the first module exists.
inline void initStartupTables()
{
    static bool done = false;
    if (!done) {
        buildOptionLists();
        initFaultTextTables();
        done = true;
    }
}

inline std::unique_ptr<Modul> makeModule(int type, int number = 1)
{
    return std::unique_ptr<Modul>(createModule(type, quint8(number)));
}

// Every factory type code, ascending, so a test covers modules added later without edits.
inline QList<int> factoryTypes()
{
    QList<int> types;
    for (int type = 0; type < 256; ++type) {
        if (makeModule(type))
            types.append(type);
    }
    return types;
}

// Lengths recorded from the unit belong to the module classes and outlive a test.
inline void resetDataLengths()
{
    for (int type : factoryTypes())
        makeModule(type)->setDataLength(0);
}

// No byte is 0, so every setting decodes to a non-zero value; neighbours differ, so a shifted
// or swapped setting shows; no byte is a type code, so the image length check never fires.
inline QByteArray nonZeroBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(1 + (i * 7) % 64);
    return bytes;
}

// A zero-filled payload with some bytes set: {offset, value}.
inline QByteArray bytesWith(int size, std::initializer_list<std::pair<int, int>> set = {})
{
    QByteArray bytes(size, '\0');
    for (const auto &[offset, value] : set)
        bytes[offset] = char(value);
    return bytes;
}

} // namespace ModulesTest
