#pragma once

#include <QByteArray>

// Shared by the fuzz targets. The one entry point (in fuzzsupport.cpp) does the one-time
// set-up, skips inputs longer than the target takes and bounds each run's time and memory; a
// target only defines `fuzz::target` and checks its properties.
namespace fuzz {

// The largest frame the link accepts, and so the largest input any decoder gets from the unit
// or from a .cfg file.
constexpr int MaxInput = 2049;

struct Target
{
    const char *what; // named when a run breaks the bound
    void (*run)(const QByteArray &input);
    int maxInput = -1; // longer inputs are skipped; -1 takes any length
};
extern const Target target;

// Writes the broken property and the input and aborts, so the fuzzer keeps the input.
// CRC-8/MAXIM-DOW over bytes 1 .. end-1 of a frame, worked bit by bit: the models check the
// product's table-driven CRC against it.
inline quint8 crc8(const QByteArray &frame, int end)
{
    quint8 crc = 0;
    for (int i = 1; i < end; ++i) {
        crc ^= quint8(frame.at(i));
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint8((crc >> 1) ^ 0x8C) : quint8(crc >> 1);
    }
    return crc;
}

[[noreturn]] void fail(const char *property, const QByteArray &detail = {});

inline void check(bool holds, const char *property, const QByteArray &detail = {})
{
    if (!holds)
        fail(property, detail);
}

} // namespace fuzz
