#include "fuzzsupport.h"

#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "modules/moduletypes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace fuzz {
namespace {

constexpr qint64 TimeLimitMs = 10 * 1000;
constexpr long MemoryLimitKiB = 10 * 100 * 1024;

long peakKiB()
{
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#else
    return 0;
#endif
}

long s_baselineKiB = 0;

// Application object, option lists and fault-text tables, once per process; debug output is
// switched off, since the decoders log every record.
void init()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    new QCoreApplication(argc, argv); // lives as long as the process, like the fuzzer's loop
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    buildOptionLists();
    registerModules();
    initFaultTextTables();
    s_baselineKiB = peakKiB();
}

// Any input of at most MaxInput bytes must be decoded and reported within 1 s and 100 MB.
// Only ten times that fails here, so a loaded machine or a sanitizer build cannot trip it.
void checkBound(const QElapsedTimer &timer)
{
    const qint64 elapsed = timer.elapsed();
    if (elapsed > TimeLimitMs)
        fail(target.what, "took " + QByteArray::number(elapsed) + " ms");
    const long grown = peakKiB() - s_baselineKiB;
    if (grown > MemoryLimitKiB)
        fail(target.what,
             "peak memory grew by " + QByteArray::number(qint64(grown / 1024)) + " MiB");
}

} // namespace

void fail(const char *property, const QByteArray &detail)
{
    std::fprintf(stderr, "Property broken: %s\n", property);
    if (!detail.isEmpty())
        std::fprintf(stderr, "%s\n", detail.constData());
    std::fflush(stderr);
    std::abort();
}

} // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::init();
    if (fuzz::target.maxInput >= 0 && size > size_t(fuzz::target.maxInput))
        return 0;
    QElapsedTimer timer;
    timer.start();
    fuzz::target.run(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    fuzz::checkBound(timer);
    return 0;
}
