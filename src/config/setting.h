#pragma once

#include <QObject>
#include <QString>

class EnumList;

// One typed value inside a module's payload: where it lives, how it is shown and edited.
class Setting : public QObject
{
    Q_OBJECT
public:
    enum Kind : quint8 { None = 0, YesNo = 1, Number = 2, Duration = 3, Option = 4, Minutes = 5 };

    Setting(QString name, QString comment, quint32 minimum, quint32 maximum, quint32 value,
            quint8 size, int offset, int index, quint8 kind, int id, quint8 editable);

    void setEnumList(int id);
    QString getValueText() const;
    // Whether the value is one the editor offers: within minimum and maximum, and for an option
    // one that its list names.
    bool isInRange() const;
    // The allowed values in the setting's own terms, e.g. "Zakres: 0 – 250".
    QString getRangeText() const;

    EnumList *getOptionList() const { return m_optionList; }
    int getOptionListId() const { return m_optionListId; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    bool isConflict() const { return m_conflict; }
    void setConflict(bool conflict) { m_conflict = conflict; }
    int getId() const { return m_id; }
    int getOffset() const { return m_offset; }
    quint8 getSize() const { return m_size; }
    int getIndex() const { return m_index; }
    quint32 getValue() const { return m_value; }
    void setValue(quint32 value) { m_value = value; }
    int getKind() const { return m_kind; }
    quint32 getMinimum() const { return m_minimum; }
    quint32 getMaximum() const { return m_maximum; }
    QString getName() const { return m_name; }
    QString getComment() const { return m_comment; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    bool isEditable() const { return m_editable; }

private:
    QString valueText(quint32 value) const;

    EnumList *m_optionList = nullptr;
    bool m_modified = false;
    bool m_conflict = false;
    int m_id;
    int m_offset;
    quint8 m_size;
    int m_index;
    quint32 m_value;
    int m_kind;
    quint32 m_minimum;
    quint32 m_maximum;
    QString m_name;
    QString m_comment;
    int m_optionListId = 0;
    bool m_visible = true;
    bool m_editable;
};
