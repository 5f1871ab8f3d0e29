// The event-log, faults and software-versions decoders and their reports on the same bytes.
// Each decoded record is encoded again here, from the record layouts, and must decode to the
// same entries.
#include "fuzzsupport.h"

#include "config/modul.h"
#include "records/pamietnik.h"
#include "records/softwareversions.h"
#include "records/uszkodzenia.h"

namespace {

QByteArray eventsText(const QList<EventEntry> &events)
{
    QByteArray text;
    for (const EventEntry &entry : events) {
        text += entry.dateTime.toString(Qt::ISODate).toLatin1() + " "
                + QByteArray::number(entry.code) + " " + QByteArray::number(entry.type) + "/"
                + QByteArray::number(entry.number) + "\n";
    }
    return text;
}

void checkEventLog(const QByteArray &data)
{
    Pamietnik log;
    log.parse(data);
    fuzz::check(log.events().size() == data.size() / Pamietnik::RecordSize,
                "one event per complete record");
    QByteArray encoded;
    for (const EventEntry &entry : log.events()) {
        const QDate date = entry.dateTime.date();
        const QTime time = entry.dateTime.time();
        const char record[Pamietnik::RecordSize] = {
                char(date.year() - 2000), char(date.month()), char(date.day()),
                char(time.hour()), char(time.minute()), char(time.second()),
                char(entry.code), char(entry.type | entry.number)};
        encoded.append(record, Pamietnik::RecordSize);
    }
    Pamietnik again;
    again.parse(encoded);
    fuzz::check(eventsText(again.events()) == eventsText(log.events()),
                "events read back the same", eventsText(log.events()));
    log.toHtml();
}

QByteArray blocksText(const QList<Modul *> &modules)
{
    QByteArray text;
    for (Modul *module : modules) {
        text += QByteArray::number(module->getType(), 16) + "/"
                + QByteArray::number(module->getNumber()) + " "
                + module->getFaultBytes().toHex() + "\n";
    }
    return text;
}

void checkFaults(const QByteArray &data)
{
    Uszkodzenia faults;
    faults.parse(data);
    const QList<Modul *> modules = faults.getModules();
    QByteArray encoded(1, char(modules.size()));
    for (Modul *module : modules) {
        const QByteArray flags = module->getFaultBytes();
        encoded += char(module->getType());
        encoded += char(module->getNumber());
        encoded += char(flags.size());
        encoded += flags;
    }
    // A block is read only while at least one byte follows its header.
    encoded += '\0';
    Uszkodzenia again;
    again.parse(encoded);
    fuzz::check(blocksText(again.getModules()) == blocksText(modules),
                "fault blocks read back the same", blocksText(modules));
    faults.toHtml();
}

QByteArray versionsText(const QList<SoftwareVersion> &versions)
{
    QByteArray text;
    for (const SoftwareVersion &entry : versions) {
        text += QByteArray::number(entry.position) + " " + QByteArray::number(entry.type) + "/"
                + QByteArray::number(entry.number) + " " + QByteArray::number(entry.version)
                + " " + entry.checksum.toHex() + "\n";
    }
    return text;
}

void checkSoftware(const QByteArray &data)
{
    const QList<SoftwareVersion> versions = SoftwareVersions::decode(data);
    QByteArray encoded;
    for (const SoftwareVersion &entry : versions) {
        // Empty positions in between are kept as zero records, so the positions stay.
        encoded.append(QByteArray((entry.position - 1) * SoftwareVersions::RecordSize
                                          - encoded.size(),
                                  '\0'));
        encoded += char(entry.type);
        encoded += char(entry.number);
        encoded += char(entry.version);
        encoded += entry.checksum;
    }
    fuzz::check(versionsText(SoftwareVersions::decode(encoded)) == versionsText(versions),
                "software versions read back the same", versionsText(versions));
    SoftwareVersions::toHtml(data, QStringLiteral("fuzz"));
    for (const SoftwareVersion &entry : versions) {
        entry.moduleNameText();
        entry.versionText();
        entry.checksumText();
    }
}

void run(const QByteArray &input)
{
    checkEventLog(input);
    checkFaults(input);
    checkSoftware(input);
}

} // namespace

const fuzz::Target fuzz::target = {"record decoders and reports", run, fuzz::MaxInput};
