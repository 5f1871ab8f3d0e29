#pragma once

#include <QByteArray>
#include <QElapsedTimer>

#include <cstddef>
#include <cstdint>

// Shared by the fuzz targets: one-time set-up, property failures and the size and time bound.
namespace fuzz {

// The largest frame the link accepts, and so the largest input any decoder gets from the unit
// or from a .cfg file.
constexpr int MaxInput = 2049;

// Application object, option lists and fault-text tables, once per process; debug output is
// switched off, since the decoders log every record.
void init();

// Writes the broken property and the input and aborts, so the fuzzer keeps the input.
[[noreturn]] void fail(const char *property, const QByteArray &detail = {});

inline void check(bool holds, const char *property, const QByteArray &detail = {})
{
    if (!holds)
        fail(property, detail);
}

// Any input of at most MaxInput bytes must be decoded and reported within 1 s and 100 MB.
// Only ten times that fails here, so a loaded machine or a sanitizer build cannot trip it.
class Bound
{
public:
    Bound();
    void check(const char *what) const;

private:
    QElapsedTimer m_timer;
};

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

} // namespace fuzz
