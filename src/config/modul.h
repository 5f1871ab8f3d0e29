#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <initializer_list>

class Setting;

// One row of a module's settings table. Names and comments are translation sources in the
// module's class context, or in the context of a table several module types share; they may
// hold %1, %2 and %3, filled with the block numbers after translation.
struct SettingRow
{
    const char *name;
    const char *comment;
    quint32 minimum;
    quint32 maximum;
    quint32 value;
    quint8 size;
    int offset;
    int index;
    quint8 kind;
    int id;
    bool editable;
    int optionList; // 0: no option list
};

// How a repeated block (a line, a relay, a zone) shifts its row template.
struct BlockShift
{
    int number = 0; // replaces %1 in the names and comments when non-zero
    int offset = 0;
    int index = 0;
    int id = 0;
    int number2 = 0; // replaces %2 when non-zero: a block inside a block (zone n of relay k)
    int number3 = 0; // replaces %3 when non-zero: a third level (line j of group g of zone z)
    const char *prefix = ""; // put in front of every name, e.g. the indent of alternate blocks
};

struct FaultTextRow
{
    int index;
    const char *text;
};

using FaultTextTable = QHash<int, QString>;

// A plug-in module: identity, settings in payload order, the big-endian payload codec, its block
// of the faults record and the two report tables.
class Modul : public QObject
{
    Q_OBJECT
public:
    explicit Modul(quint8 number);
    ~Modul() override;

    virtual int parse(QByteArray payload);
    virtual int setFaultBytes(QByteArray block);
    virtual QByteArray toByteArray();
    virtual QString configToHtml();
    virtual QString faultsToHtml();
    virtual QString getName();
    virtual QString getDescription();
    virtual quint8 getNumber();
    virtual QStringList getFaults();
    virtual int declareSettings();
    virtual void setDataLength(int length);
    virtual int getDataLength();
    virtual bool isDeclared();
    virtual void setDeclared(bool declared);
    virtual bool isDefault();

    Setting *getSetting(int index) const;
    QList<Setting *> getSettings() const { return m_settings; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected) { m_selected = selected; }
    int getType() const { return m_type; }
    QByteArray getFaultBytes() const { return m_faultBytes; }

    // The generic table, used for type codes outside the factory and by the base getFaults.
    static void initFaultTexts();
    static QString faultText(quint8 code);
    static const FaultTextTable &genericFaultTexts();

protected:
    // Builds settings from a table; a block template is passed once per repetition. A table
    // shared by several module types is passed with the context its texts are translated in.
    void addSettings(std::initializer_list<SettingRow> rows, const BlockShift &shift = {});
    void addSettings(const SettingRow *rows, int count, const BlockShift &shift = {});
    void addSettings(const char *context, const SettingRow *rows, int count,
                     const BlockShift &shift = {});
    Setting *addSetting(const SettingRow &row, const BlockShift &shift = {});
    Setting *addSetting(const char *context, const SettingRow &row, const BlockShift &shift = {});

    QStringList faultsFrom(const FaultTextTable &table) const;
    static void fillFaultTexts(FaultTextTable &table, const char *context,
                               std::initializer_list<FaultTextRow> rows);
    static QString faultTextFrom(const FaultTextTable &table, quint8 code);

    QList<Setting *> m_settings;
    quint8 m_number;
    int m_type = 0;
    QString m_name;
    QString m_description;
    QByteArray m_faultBytes;
    bool m_selected = true;
};

// Class-level data of one module type: its fault-text table and the payload length last read
// from the unit. Every concrete module derives from ModulType<Itself>.
template<class T>
class ModulType : public Modul
{
public:
    using Modul::Modul;

    QStringList getFaults() override { return faultsFrom(s_faultTexts); }
    void setDataLength(int length) override { s_dataLength = length; }
    int getDataLength() override { return s_dataLength; }

    static QString faultText(quint8 code) { return faultTextFrom(s_faultTexts, code); }
    static const FaultTextTable &faultTexts() { return s_faultTexts; }
    static void resetDataLength() { s_dataLength = 0; }

protected:
    static void fillFaultTexts(std::initializer_list<FaultTextRow> rows)
    {
        Modul::fillFaultTexts(s_faultTexts, T::staticMetaObject.className(), rows);
    }

    static inline FaultTextTable s_faultTexts;
    static inline int s_dataLength = 0;
};
