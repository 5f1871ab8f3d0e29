#include "eventregister.h"
#include "ptywire.h"
#include "tcpwire.h"
#include "simoptions.h"
#include "simserver.h"
#include "simunit.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QSocketNotifier>

#include <csignal>
#include <memory>
#include <cstdio>

#include <sys/socket.h>
#include <unistd.h>

namespace {

int s_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(s_signalPipe[0], &byte, 1);
}

bool parseCount(QCommandLineParser &parser, const QString &name, int min, int max, int *value)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int v = parser.value(name).toInt(&ok);
    if (!ok || v < min || v > max) {
        fprintf(stderr, "ostrel-sim: --%s takes a number from %d to %d\n", qPrintable(name), min,
                max);
        return false;
    }
    *value = v;
    return true;
}

// [HOST:]PORT, the host possibly an IPv6 address in brackets.
bool parseAddress(const QString &text, SimOptions *options)
{
    const int colon = text.lastIndexOf(':');
    QString host = colon < 0 ? QString() : text.left(colon);
    if (host.startsWith('[') && host.endsWith(']'))
        host = host.mid(1, host.size() - 2);
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    if (!ok || port > 65535 || (colon >= 0 && host.isEmpty())) {
        fprintf(stderr, "ostrel-sim: --tcp takes [HOST:]PORT such as 127.0.0.1:5000\n");
        return false;
    }
    if (!host.isEmpty())
        options->tcpHost = host;
    options->tcpPort = quint16(port);
    return true;
}

QHostAddress resolveHost(const QString &name)
{
    const QHostAddress literal(name);
    if (!literal.isNull())
        return literal;
    const QList<QHostAddress> found = QHostInfo::fromName(name).addresses();
    return found.isEmpty() ? QHostAddress() : found.first();
}

bool parseOptions(const QCoreApplication &app, SimOptions *options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "Simulated Ostrel unit on a pseudo-terminal (or, with --tcp, behind a raw TCP device\n"
            "server). The first line of standard output is the device path (or the host:port\n"
            "address); open it (or the --link path) as the port. The log goes to standard error.\n"
            "\n"
            "Event log: the register goes out in parts of up to 255 events, each answering the\n"
            "part index of its request; an empty register is one empty part. The request for\n"
            "part index == count that the PC sends after the last part gets an empty part\n"
            "[count, index]: the PC retires it without delivering anything, and the unit notes\n"
            "the completed read in the register.\n"
            "\n"
            "Requests are answered in arrival order; with --delay of 2000 ms or more the PC\n"
            "repeats its request before the answer comes, and the unit answers every copy."));
    parser.addHelpOption();
    parser.addOptions({
            {"preset", "Modules fitted: basic (PSB, ACL, PSL, PSR), smoke-vent (CTM, LNM, RLA, "
                       "RLH, PSV) or extinguishing (SCA to SCG).",
             "name", "basic"},
            {"log-entries", QStringLiteral("Events in the register at start, 0 to %1 (500).")
                                    .arg(sim::EventRegister::Capacity),
             "n"},
            {"seed", "Seed of the generated history and of the line faults.", "n"},
            {"clock", "Start the unit's clock at this local time (yyyy-MM-ddTHH:mm:ss) instead "
                      "of the PC's.",
             "time"},
            {"calibration-mode", "The unit is in calibration mode: it refuses the self-test."},
            {"ignore-setting", "When a configuration is written, the first module of type T "
                               "keeps its payload byte at offset N, as if the unit did not take "
                               "that setting (for example 0xE0:3).",
             "T:N"},
            {"fast", "Do not pace the answers at the 19200 baud byte rate."},
            {"drop-every", "Do not send every Nth answer.", "n"},
            {"corrupt-every", "Send every Nth answer with a wrong CRC.", "n"},
            {"noise", "Put a few random bytes in front of every answer."},
            {"split", "Send answers in random pieces with short pauses."},
            {"delay", "Wait this long before answering.", "ms"},
            {"hangup-after", "Close the pseudo-terminal after K answers, like a pulled cable, "
                             "and exit.",
             "k"},
            {"verbose", "Log every request and answer in hex on standard error."},
            {"link", "Also reach the device through this symbolic link (removed on exit).",
             "path"},
            {"tcp", "Serve the unit over TCP instead, like a serial device server in raw TCP "
                    "mode: listen on HOST (127.0.0.1 when not given) and PORT (0: any free "
                    "port), one client at a time. The first line of standard output is then "
                    "the address to connect to, HOST:PORT.",
             "[host:]port"},
    });
    parser.process(app);

    const QString preset = parser.value("preset");
    if (preset == "basic")
        options->preset = SimOptions::Preset::Basic;
    else if (preset == "smoke-vent")
        options->preset = SimOptions::Preset::SmokeVent;
    else if (preset == "extinguishing")
        options->preset = SimOptions::Preset::Extinguishing;
    else {
        fprintf(stderr, "ostrel-sim: unknown preset '%s'\n", qPrintable(preset));
        return false;
    }
    int seed = int(options->seed);
    if (!parseCount(parser, "log-entries", 0, sim::EventRegister::Capacity, &options->logEntries)
        || !parseCount(parser, "seed", 0, 1 << 30, &seed)
        || !parseCount(parser, "drop-every", 1, 1 << 20, &options->dropEvery)
        || !parseCount(parser, "corrupt-every", 1, 1 << 20, &options->corruptEvery)
        || !parseCount(parser, "delay", 0, 60000, &options->delayMs)
        || !parseCount(parser, "hangup-after", 1, 1 << 20, &options->hangupAfter))
        return false;
    options->seed = quint32(seed);
    if (parser.isSet("clock")) {
        options->clockStart = QDateTime::fromString(parser.value("clock"), Qt::ISODate);
        if (!options->clockStart.isValid() || options->clockStart.date().year() < 2000
            || options->clockStart.date().year() > 2127) {
            fprintf(stderr, "ostrel-sim: --clock takes a time such as 2024-03-05T14:07:09\n");
            return false;
        }
    }
    if (parser.isSet("ignore-setting")) {
        const QStringList parts = parser.value("ignore-setting").split(':');
        bool typeOk = false;
        bool offsetOk = false;
        const int type = parts.value(0).toInt(&typeOk, 0);
        const int offset = parts.value(1).toInt(&offsetOk, 0);
        if (parts.size() != 2 || !typeOk || !offsetOk || type < 0 || type > 255 || offset < 0
            || offset > 65535) {
            fprintf(stderr, "ostrel-sim: --ignore-setting takes a type and an offset such as "
                            "0xE0:3\n");
            return false;
        }
        options->ignoreType = type;
        options->ignoreOffset = offset;
    }
    options->calibrationMode = parser.isSet("calibration-mode");
    options->fast = parser.isSet("fast");
    options->noise = parser.isSet("noise");
    options->split = parser.isSet("split");
    options->verbose = parser.isSet("verbose");
    options->linkPath = parser.value("link");
    if (parser.isSet("tcp")) {
        if (!options->linkPath.isEmpty()) {
            fprintf(stderr, "ostrel-sim: --link needs the pseudo-terminal, not --tcp\n");
            return false;
        }
        options->tcp = true;
        if (!parseAddress(parser.value("tcp"), options))
            return false;
    }
    return true;
}

// Replaces a stale link from an earlier run, but never a real file.
bool makeLink(const QString &linkPath, const QString &target)
{
    const QFileInfo info(linkPath);
    if (info.exists() || info.isSymLink()) {
        if (!info.isSymLink()) {
            fprintf(stderr, "ostrel-sim: %s exists and is not a link; not replacing it\n",
                    qPrintable(linkPath));
            return false;
        }
        QFile::remove(linkPath);
    }
    if (!QFile::link(target, linkPath)) {
        fprintf(stderr, "ostrel-sim: cannot create the link %s\n", qPrintable(linkPath));
        return false;
    }
    return true;
}

void removeLink(const QString &linkPath, const QString &target)
{
    const QFileInfo info(linkPath);
    if (info.isSymLink() && info.symLinkTarget() == target)
        QFile::remove(linkPath);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ostrel-sim"));
    qSetMessagePattern(QStringLiteral("ostrel-sim %{time hh:mm:ss.zzz} %{message}"));

    SimOptions options;
    if (!parseOptions(app, &options))
        return 2;

    QString error;
    std::unique_ptr<SimWire> wire;
    if (options.tcp) {
        const QHostAddress host = resolveHost(options.tcpHost);
        auto tcp = std::make_unique<TcpWire>(!options.fast);
        if (host.isNull() || !tcp->listen(host, options.tcpPort, &error)) {
            fprintf(stderr, "ostrel-sim: cannot listen on %s:%d: %s\n",
                    qPrintable(options.tcpHost), options.tcpPort,
                    host.isNull() ? "unknown host" : qPrintable(error));
            return 1;
        }
        wire = std::move(tcp);
    } else {
        auto pty = std::make_unique<PtyWire>(!options.fast);
        if (!pty->open(&error)) {
            fprintf(stderr, "ostrel-sim: cannot open a pseudo-terminal: %s\n",
                    qPrintable(error));
            return 1;
        }
        wire = std::move(pty);
    }
    if (!options.linkPath.isEmpty() && !makeLink(options.linkPath, wire->address()))
        return 1;

    // SIGINT and SIGTERM reach the event loop through a socket pair, so the link is removed
    // and the terminal closed on the normal way out.
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, s_signalPipe) == 0) {
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGINT, &action, nullptr);
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGHUP, &action, nullptr);
    }
    QSocketNotifier signalNotifier(s_signalPipe[1], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(s_signalPipe[1], &byte, 1);
        QCoreApplication::quit();
    });

    SimUnit unit(options);
    SimServer server(options, wire.get(), &unit);
    QObject::connect(&server, &SimServer::hungUp, &app, &QCoreApplication::quit);

    printf("%s\n", qPrintable(wire->address()));
    fflush(stdout);
    qInfo().noquote() << "simulated unit on" << wire->address()
                      << (options.linkPath.isEmpty() ? QString()
                                                     : QStringLiteral("(link %1)")
                                                               .arg(options.linkPath))
                      << "-" << unit.eventCount() << "events,"
                      << (options.fast ? "unpaced" : "paced at 19200 baud");

    const int result = app.exec();
    wire->hangUp();
    if (!options.linkPath.isEmpty())
        removeLink(options.linkPath, wire->address());
    return result;
}
