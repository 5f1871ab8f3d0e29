// Konfiguracja::parse with both sources, then serialise, read back and report. Reading back
// what was serialised must give the same modules and values, unless the serialised image is
// one the format cannot express unambiguously.
#include "fuzzsupport.h"
#include "fuzzvalues.h"

namespace {
void run(const QByteArray &image)
{
    for (const auto source : {Konfiguracja::FromDevice, Konfiguracja::FromDatabase}) {
        Konfiguracja config;
        if (!config.parse(image, source))
            continue;
        config.setName(QStringLiteral("fuzz"));
        const QString report = config.toHtml();
        fuzz::check(report.endsWith(QLatin1String("</body></html>")), "the report is complete");
        config.toByteArray(Konfiguracja::FromDevice);

        const QByteArray stored = config.toByteArray(Konfiguracja::FromDatabase);
        Konfiguracja again;
        const bool parsed = again.parse(stored, Konfiguracja::FromDatabase);
        if (!fuzz::isAmbiguous(stored)) {
            fuzz::check(parsed, "a serialised configuration parses", stored.toHex());
            fuzz::check(fuzz::valuesOf(again) == fuzz::valuesOf(config),
                        "reading back gives the same values",
                        fuzz::valuesOf(config) + "--\n" + fuzz::valuesOf(again));
            fuzz::check(again.toByteArray(Konfiguracja::FromDatabase) == stored,
                        "serialising again gives the same image", stored.toHex());
        }
    }
}
} // namespace

const fuzz::Target fuzz::target = {"configuration parse, serialise and report", run,
                                   fuzz::MaxInput};
