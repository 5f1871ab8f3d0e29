#include "setting.h"

#include "enumlist.h"

Setting::Setting(QString name, QString comment, quint32 minimum, quint32 maximum, quint32 value,
                 quint8 size, int offset, int index, quint8 kind, int id, quint8 editable)
    : m_optionList(EnumList::find(0)),
      m_id(id),
      m_offset(offset),
      m_size(size),
      m_index(index),
      m_value(value),
      m_kind(kind),
      m_minimum(minimum),
      m_maximum(maximum),
      m_name(std::move(name)),
      m_comment(std::move(comment)),
      m_editable(editable != 0)
{
}

void Setting::setEnumList(int id)
{
    m_optionListId = id;
    m_optionList = EnumList::find(id);
}

QString Setting::getValueText() const
{
    switch (m_kind) {
    case YesNo:
        return m_value == 0 ? tr("Nie") : tr("Tak");
    case Number:
        return QString::number(m_value);
    case Duration:
        // Durations of a day or more wrap to the hour within the day, as the unit shows them.
        return tr("%1g:%2m:%3s")
                .arg((m_value / 3600) % 24, 2)
                .arg((m_value / 60) % 60, 2)
                .arg(m_value % 60, 2);
    case Option:
        return m_optionList ? m_optionList->text(int(m_value)) : QString();
    case Minutes:
        return tr("%1m").arg((m_value / 60) % 60, 2);
    default:
        return QString();
    }
}
