#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class Modul;

// Ties alternative modules together so that only one of them is declared at a time.
class ModuleGroup
{
public:
    explicit ModuleGroup(int number = 0) : m_number(number) {}

    int number() const { return m_number; }
    QMap<int, Modul *> members() const { return m_members; }
    void addMember(int key, Modul *module) { m_members.insert(key, module); }
    int selectedKey() const { return m_selectedKey; }
    void select(int key);

private:
    int m_number;
    QMap<int, Modul *> m_members;
    int m_selectedKey = 0;
};

// One configuration: the unit's modules in image order, parsed from and serialised to the image
// exchanged with the unit (FromDevice) or kept in the store and in .cfg files (FromDatabase).
class Konfiguracja : public QObject
{
    Q_OBJECT
public:
    enum ConfigSource { FromDevice = 1, FromDatabase = 2 };

    explicit Konfiguracja(QObject *parent = nullptr);
    Konfiguracja(QString name, QObject *parent);
    ~Konfiguracja() override;

    bool parse(QByteArray image, Konfiguracja::ConfigSource source);
    QByteArray toByteArray(Konfiguracja::ConfigSource source);
    QString toHtml();

    // Appends a module after the existing ones; the configuration takes ownership.
    void addModule(Modul *module);
    Modul *getModule(int index) const;
    QList<Modul *> getModules() const { return m_modules; }
    QMap<int, ModuleGroup *> getGroups() const { return m_groups; }
    // Registers a group under its number; the group is not owned.
    void addGroup(ModuleGroup *group) { m_groups.insert(group->number(), group); }
    QString getName() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    static constexpr int TwoByteLengthType = 0x55;

private:
    QString m_name;
    QList<Modul *> m_modules;
    QMap<int, ModuleGroup *> m_groups;
};
