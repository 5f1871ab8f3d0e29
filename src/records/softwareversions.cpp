#include "records/softwareversions.h"

#include "records/recordslog.h"
#include "config/modulefactory.h"

#include <QCoreApplication>
#include <QDebug>
#include <QStandardItemModel>

// The texts belong to the window that shows and prints the list.

QString SoftwareVersion::moduleNameText() const
{
    return moduleName(type);
}

QString SoftwareVersion::versionText() const
{
    QString text = QStringLiteral("%1").arg(version, 2, 16, QLatin1Char('0'));
    text.insert(1, QLatin1Char('.'));
    return text;
}

QString SoftwareVersion::checksumText() const
{
    return QString::fromLatin1(checksum.toHex().toUpper());
}

namespace SoftwareVersions {

QList<SoftwareVersion> decode(const QByteArray &data)
{
    QList<SoftwareVersion> versions;
    const int count = data.size() / RecordSize;
    qCDebug(lcRecords) << "Liczba modułów " << count;
    for (int i = 0; i < count; ++i) {
        const char *record = data.constData() + i * RecordSize;
        SoftwareVersion entry;
        entry.position = i + 1;
        entry.type = quint8(record[0]);
        entry.number = quint8(record[1]);
        entry.version = quint8(record[2]);
        entry.checksum = QByteArray(record + 3, 2);
        qCDebug(lcRecords).nospace() << "MODUL " << entry.type << ",NR " << entry.number << ",WER "
                           << entry.version << ",CRC" << entry.checksumText();
        if (entry.version != 0)
            versions.append(entry);
    }
    return versions;
}

QStandardItemModel *model(const QByteArray &data, QObject *parent)
{
    auto *table = new QStandardItemModel(parent);
    table->setHorizontalHeaderLabels({QCoreApplication::translate("SoftwareManagement", "Nazwa"), QCoreApplication::translate("SoftwareManagement", "Numer"), QCoreApplication::translate("SoftwareManagement", "Wersja"), QCoreApplication::translate("SoftwareManagement", "Suma CRC")});
    for (const SoftwareVersion &entry : decode(data)) {
        QList<QStandardItem *> row{new QStandardItem(entry.moduleNameText()),
                                   new QStandardItem(QString::number(entry.number)),
                                   new QStandardItem(entry.versionText()),
                                   new QStandardItem(QLatin1String("0x") + entry.checksumText())};
        for (QStandardItem *item : row)
            item->setEditable(false);
        table->appendRow(row);
    }
    return table;
}

QString toHtml(const QByteArray &data, const QString &name)
{
    QString html = QLatin1String("<html><head><link rel='stylesheet' type='text/css' "
                                 "href='format.css'></head><body> <img "
                                 "src=':/images/logohaslo.jpg' width ='600'><H2>")
            + QCoreApplication::translate("SoftwareManagement", "Oprogramowanie Ostrel: %1").arg(name.toHtmlEscaped()) + QLatin1String("</H2>");
    html += QLatin1String("<table BORDER='1'style=\"background-color:white\" cellpadding='2' "
                          "cellspacing='0' width = '600'>");
    html += QLatin1String("<tr><th width = '40'>") + QCoreApplication::translate("SoftwareManagement", "Lp", "liczba porządkowa")
            + QLatin1String("</th><th width = '200'>") + QCoreApplication::translate("SoftwareManagement", "Nazwa")
            + QLatin1String("</th><th width = '200'>") + QCoreApplication::translate("SoftwareManagement", "Wersja")
            + QLatin1String("</th><th width = '200'>") + QCoreApplication::translate("SoftwareManagement", "Suma") + QLatin1String("</th></tr>");
    for (const SoftwareVersion &entry : decode(data)) {
        html += QLatin1String("<tr><td> ") + QString::number(entry.position)
                + QLatin1String("</td><td> ") + entry.moduleNameText() + QLatin1Char(' ')
                + QString::number(entry.number) + QLatin1String("</td><td> ")
                + entry.versionText() + QLatin1String("</td><td> ") + entry.checksumText()
                + QLatin1String("</td></tr>");
    }
    html += QLatin1String("</table ></body></html>");
    return html;
}

} // namespace SoftwareVersions
