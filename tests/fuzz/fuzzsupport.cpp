#include "fuzzsupport.h"

#include "config/modulefactory.h"
#include "config/optionlists.h"

#include <QCoreApplication>
#include <QLoggingCategory>

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

} // namespace

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
    initFaultTextTables();
    s_baselineKiB = peakKiB();
}

void fail(const char *property, const QByteArray &detail)
{
    std::fprintf(stderr, "Property broken: %s\n", property);
    if (!detail.isEmpty())
        std::fprintf(stderr, "%s\n", detail.constData());
    std::fflush(stderr);
    std::abort();
}

Bound::Bound()
{
    m_timer.start();
}

void Bound::check(const char *what) const
{
    const qint64 elapsed = m_timer.elapsed();
    if (elapsed > TimeLimitMs)
        fail(what, "took " + QByteArray::number(elapsed) + " ms");
    const long grown = peakKiB() - s_baselineKiB;
    if (grown > MemoryLimitKiB)
        fail(what, "peak memory grew by " + QByteArray::number(qint64(grown / 1024)) + " MiB");
}

} // namespace fuzz
