// Writes the seed corpora of the fuzz targets from the simulated unit's presets:
//   fuzz-corpus <folder>   (the checked-in corpora live in tests/fuzz/corpus)
// The seeds are kept small: a short event register, and every answer of each preset once.
#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "modules/moduletypes.h"
#include "simunit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>

#include <cstdio>
#include <memory>

namespace {

QString s_root;

// The position of a type code among the factory's codes, as the modules target reads it.
int typeIndex(int type)
{
    int index = 0;
    for (int code = 0; code < type; ++code) {
        if (std::unique_ptr<Modul>(createModule(code, 1)))
            ++index;
    }
    return index;
}

void write(const QString &target, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(s_root + QLatin1Char('/') + target);
    QFile file(s_root + QLatin1Char('/') + target + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QByteArray ask(SimUnit &unit, Device::COMMAND command, const QByteArray &payload,
               Device::COMMAND *answered = nullptr)
{
    SimUnit::Answer answer;
    QString note;
    if (!unit.handle(quint8(command), payload, answer, note)) {
        std::fprintf(stderr, "the unit refused %d: %s\n", int(command), qPrintable(note));
        std::exit(1);
    }
    if (answered)
        *answered = answer.command;
    return answer.payload;
}

QByteArray frame(Device::COMMAND command, const QByteArray &payload)
{
    QByteArray bytes;
    Device::buildFrame(command, payload, bytes);
    return bytes;
}

void writePreset(const QString &name, SimOptions::Preset preset)
{
    SimOptions options;
    options.preset = preset;
    options.logEntries = 12;
    options.clockStart = QDateTime(QDate(2026, 3, 29), QTime(1, 30));
    SimUnit unit(options);

    const QByteArray image = ask(unit, Device::ReadConfig, {});
    const QByteArray faults = ask(unit, Device::ReadFaults, QByteArray(2, '\0'));
    const QByteArray software = ask(unit, Device::ReadSoftware, QByteArray(2, '\0'));
    const QByteArray clock = ask(unit, Device::ReadClock, {});
    QByteArrayList parts{ask(unit, Device::ReadEventLog, QByteArray(2, '\0'))};
    const int count = quint8(parts.constFirst().at(0));
    for (int index = 1; index < count; ++index) {
        QByteArray request;
        request += char(count);
        request += char(index);
        parts << ask(unit, Device::ReadEventLog, request);
    }

    // The assembler: split seed, then the answers as the wire carries them, noise in between.
    QByteArray stream = QByteArray("\x12\x34", 2);
    for (const QByteArray &part : qAsConst(parts))
        stream += frame(Device::EventLogPart, part) + QByteArray("\x55\xaa\x02\x09", 4);
    stream += frame(Device::FaultsData, faults) + frame(Device::ClockData, clock);
    write("assembler", name, stream);

    // Frames and parts: length-prefixed payloads.
    QByteArray sequence;
    for (const QByteArray &part : qAsConst(parts)) {
        const QByteArray head = part.left(127);
        sequence += char(head.size()) + head;
    }
    sequence += char(0x80 | qMin(clock.size(), 127)) + clock.left(127);
    write("frame", name, sequence);
    write("frame", name + "-clock-frame", frame(Device::ClockData, clock));

    write("konfiguracja", name, image);
    Konfiguracja config;
    config.parse(image, Konfiguracja::FromDevice);
    write("konfiguracja", name + "-stored", config.toByteArray(Konfiguracja::FromDatabase));

    int position = 0;
    for (Modul *module : config.getModules()) {
        write("modules", QStringLiteral("%1-%2-%3").arg(name).arg(++position).arg(
                                 module->getName()),
              QByteArray(1, char(typeIndex(module->getType())))
                      + char(module->getNumber()) + module->toByteArray());
    }

    QByteArray log;
    for (const QByteArray &part : qAsConst(parts))
        log += part.mid(2);
    write("records", name + "-events", log.left(2049));
    write("records", name + "-faults", faults);
    write("records", name + "-software", software);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz-corpus <folder>\n");
        return 2;
    }
    s_root = QString::fromLocal8Bit(argv[1]);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    buildOptionLists();
    registerModules();
    initFaultTextTables();
    writePreset(QStringLiteral("basic"), SimOptions::Preset::Basic);
    writePreset(QStringLiteral("smokevent"), SimOptions::Preset::SmokeVent);
    writePreset(QStringLiteral("extinguishing"), SimOptions::Preset::Extinguishing);
    // 127 empty SCB headers: the largest report a short stored image gives.
    QByteArray headers(1, char(127));
    for (int i = 0; i < 127; ++i)
        headers += QByteArray("\x55\x01\x00\x00", 4);
    write("konfiguracja", "scb-headers", headers + '\0');
    return 0;
}
