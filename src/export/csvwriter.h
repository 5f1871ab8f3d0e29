#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Values separated by ";" as spreadsheets read them where the decimal comma is used: UTF-8
// with a byte order mark (without it the Polish letters come out garbled), records ended by
// CRLF, and fields quoted the RFC 4180 way.
class CsvWriter
{
public:
    static constexpr char Separator = ';';

    CsvWriter();

    // One field as written: quoted when it holds the separator, a quote or a line break, with
    // its quotes doubled.
    static QByteArray field(const QString &text);

    void addRow(const QStringList &fields);
    // The byte order mark and every row added so far.
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};
