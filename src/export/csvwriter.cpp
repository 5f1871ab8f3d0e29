#include "export/csvwriter.h"

CsvWriter::CsvWriter() : m_bytes("\xEF\xBB\xBF") {}

QByteArray CsvWriter::field(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    const bool quoted = bytes.contains(Separator) || bytes.contains('"')
            || bytes.contains('\n') || bytes.contains('\r');
    if (!quoted)
        return bytes;
    bytes.replace('"', "\"\"");
    return '"' + bytes + '"';
}

void CsvWriter::addRow(const QStringList &fields)
{
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            m_bytes += Separator;
        m_bytes += field(fields.at(i));
    }
    m_bytes += "\r\n";
}
