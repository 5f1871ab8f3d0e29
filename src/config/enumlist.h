#pragma once

#include <QHash>
#include <QObject>
#include <QString>

// A numbered list of option texts. Lists live in one process-wide registry, filled once at
// start-up and shared read-only by every option setting.
class EnumList : public QObject
{
    Q_OBJECT
public:
    explicit EnumList(QObject *parent = nullptr);

    const QHash<int, QString> &texts() const { return m_texts; }
    void insertText(int key, const QString &text) { m_texts.insert(key, text); }
    QString text(int key) const { return m_texts.value(key); }

    int id() const { return m_id; }
    void setId(int id) { m_id = id; }

    // The registry takes ownership: the lists live for the whole run and are freed at exit.
    // Registering a list under a taken id deletes the list it replaces.
    static void registerList(EnumList *list);
    // Deletes a registered list; settings that point to it must be gone by then.
    static void unregisterList(int id);
    static EnumList *find(int id);
    static bool isRegistered(int id);

private:
    QHash<int, QString> m_texts;
    int m_id = 0;
};
