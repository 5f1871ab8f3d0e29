#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QObject;
class QStandardItemModel;

// One position of the unit's software-versions list that holds a module.
struct SoftwareVersion
{
    int position = 0; // counted from 1 in the payload, skipped positions included
    quint8 type = 0;
    quint8 number = 0;
    quint8 version = 0;
    QByteArray checksum; // two bytes, in payload order

    QString moduleNameText() const;
    QString versionText() const;  // 0x23 gives "2.3", 0x1A gives "1.a"
    QString checksumText() const; // "12AB"
};

// Decoding, table and report of a software-versions payload: 5-byte records, a remainder is
// ignored, and a version byte of 0 marks an empty position that is not shown.
namespace SoftwareVersions {

constexpr int RecordSize = 5;

QList<SoftwareVersion> decode(const QByteArray &data);
// The tab's table: "Nazwa", "Numer", "Wersja", "Suma CRC"; owned by parent.
QStandardItemModel *model(const QByteArray &data, QObject *parent);
QString toHtml(const QByteArray &data, const QString &name);

} // namespace SoftwareVersions
