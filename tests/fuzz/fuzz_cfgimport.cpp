// The .cfg import path: at most 2048 bytes of the file, the frame check, the configuration
// parsed and serialised for the store, and its report. Exporting what was imported and
// importing that again must store the same bytes.
#include "fuzzsupport.h"
#include "fuzzvalues.h"

#include "link/usbmanager.h"

namespace {

constexpr int MaxFileSize = 2048;

// What an import stores, or a null array when the file is refused.
QByteArray import(USBManager &decoder, const QByteArray &file, QString *report)
{
    Device::COMMAND command = Device::ReadConfig;
    QByteArray payload;
    if (decoder.decodeFrame(command, file.left(MaxFileSize), payload) != 0
        || command != Device::ConfigData)
        return QByteArray();
    Konfiguracja config;
    if (!config.parse(payload, Konfiguracja::FromDatabase))
        return QByteArray();
    if (report) {
        config.setName(QStringLiteral("/tmp/plik.cfg"));
        *report = config.toHtml();
    }
    return config.toByteArray(Konfiguracja::FromDatabase);
}

void run(const QByteArray &file)
{
    USBManager decoder;
    QString report;
    const QByteArray stored = import(decoder, file, &report);
    if (stored.isNull())
        return;
    fuzz::check(report.endsWith(QLatin1String("</body></html>")), "the report is complete");

    QByteArray exported;
    Device::buildFrame(Device::ConfigData, stored, exported);
    // A file longer than the import reads is refused by design; an ambiguous image may read
    // back differently, as it would from the unit.
    if (exported.size() <= MaxFileSize && !fuzz::isAmbiguous(stored)) {
        fuzz::check(import(decoder, exported, nullptr) == stored,
                    "an exported configuration imports back unchanged", stored.toHex());
    }
}

} // namespace

const fuzz::Target fuzz::target = {"configuration file import and report", run, fuzz::MaxInput};
