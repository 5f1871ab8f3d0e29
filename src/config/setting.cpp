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
    return valueText(m_value);
}

bool Setting::isInRange() const
{
    switch (m_kind) {
    case YesNo:
    case Number:
    case Duration:
    case Minutes:
        return m_value >= m_minimum && m_value <= m_maximum;
    case Option:
        return m_value <= m_maximum && !valueText(m_value).isEmpty();
    default:
        return true;
    }
}

QString Setting::getRangeText() const
{
    switch (m_kind) {
    case YesNo:
    case Number:
    case Duration:
    case Minutes:
        return tr("Zakres: %1 – %2").arg(valueText(m_minimum).trimmed(),
                                         valueText(m_maximum).trimmed());
    case Option:
        return tr("Zakres: pozycje listy od 0 do %1").arg(m_maximum);
    default:
        return QString();
    }
}

QString Setting::valueText(quint32 value) const
{
    switch (m_kind) {
    case YesNo:
        return value == 0 ? tr("Nie") : tr("Tak");
    case Number:
        return QString::number(value);
    case Duration:
        // Durations of a day or more wrap to the hour within the day, as the unit shows them.
        return tr("%1g:%2m:%3s")
                .arg((value / 3600) % 24, 2)
                .arg((value / 60) % 60, 2)
                .arg(value % 60, 2);
    case Option:
        return m_optionList ? m_optionList->text(int(value)) : QString();
    case Minutes:
        return tr("%1m").arg((value / 60) % 60, 2);
    default:
        return QString();
    }
}
