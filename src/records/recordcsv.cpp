#include "records/recordcsv.h"

#include "config/modul.h"
#include "export/csvwriter.h"

#include <numeric>

QByteArray RecordCsv::events(const QList<EventEntry> &entries)
{
    QVector<int> indexes(entries.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    return events(entries, indexes);
}

QByteArray RecordCsv::events(const QList<EventEntry> &entries, const QVector<int> &indexes)
{
    CsvWriter csv;
    csv.addRow({tr("Lp"), tr("Data"), tr("Moduł"), tr("Zdarzenie"), tr("Kod"), tr("Usunięte")});
    for (int index : indexes) {
        const EventEntry &entry = entries.at(index);
        // "0x" keeps a spreadsheet from reading a code such as 17 as a number.
        csv.addRow({QString::number(index + 1), Pamietnik::dateTimeText(entry),
                    Pamietnik::moduleText(entry), Pamietnik::eventText(entry),
                    QLatin1String("0x")
                            + QString::number(entry.code, 16).rightJustified(2, QLatin1Char('0'))
                                      .toUpper(),
                    (entry.code & 0x80) ? QStringLiteral("1") : QStringLiteral("0")});
    }
    return csv.bytes();
}

QByteArray RecordCsv::faults(const QList<Modul *> &modules)
{
    CsvWriter csv;
    csv.addRow({tr("Lp"), tr("Moduł"), tr("Uszkodzenie")});
    int row = 0;
    for (Modul *module : modules) {
        const QString name = module->getName() + QLatin1Char(' ')
                + QString::number(module->getNumber());
        const QStringList faults = module->getFaults();
        for (const QString &fault : faults)
            csv.addRow({QString::number(++row), name, fault});
    }
    return csv.bytes();
}

QByteArray RecordCsv::software(const QList<SoftwareVersion> &versions)
{
    CsvWriter csv;
    csv.addRow({tr("Lp"), tr("Nazwa"), tr("Numer"), tr("Wersja"), tr("Suma CRC")});
    for (const SoftwareVersion &version : versions) {
        csv.addRow({QString::number(version.position), version.moduleNameText(),
                    QString::number(version.number), version.versionText(),
                    QLatin1String("0x") + version.checksumText()});
    }
    return csv.bytes();
}
