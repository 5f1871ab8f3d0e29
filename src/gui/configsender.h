#pragma once

#include "link/device.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class Konfiguracja;
class RequestTracker;
class QWidget;

// Sends a stored configuration to the unit without ever writing blind: refuses an image that is
// no configuration, reads what the unit holds and stores it as a backup, shows the differences
// for review, sends the unit's image with only the chosen changes applied, and reads the unit
// again to verify that it took them. Its steps go through the window's request tracker, so the
// progress strip shows them and says which step got no answer; a backup already stored is kept.
class ConfigSender : public QObject
{
    Q_OBJECT
public:
    enum State { Idle, ReadingBefore, Sending, Verifying };

    // Dialogs are shown over `window`, which is also the parent. The tracker is the window's.
    ConfigSender(RequestTracker *tracker, QWidget *window);
    ~ConfigSender() override;

    // Starts sending the stored configuration; false when it is refused (with a warning shown)
    // and nothing was queued.
    bool start(int id, const QString &name);
    State state() const { return m_state; }
    bool isBusy() const { return m_state != Idle; }
    // The editor still holds edits that were not stored, so they are not part of the send; the
    // messages of the next send say so.
    void setUnsavedEditsLeftOut(bool leftOut) { m_editsLeftOut = leftOut; }

    static QString backupName();

signals:
    void backupStored(int id, QString name);
    // verified: the unit holds what was sent.
    void finished(bool verified);

private:
    void onAnswered(const QByteArray &payload);
    void onFinished(int outcome);
    bool request(Device::COMMAND command, const QByteArray &payload, Device::COMMAND answer,
                 const QString &description, const QString &lostNote, bool cancellable);
    void backUpAndReview(const QByteArray &unitImage);
    void verify(const QByteArray &unitImage);
    void finish(bool verified);
    QString withBackup(const QString &text) const;
    QString leftOutNote() const;

    QWidget *m_window;
    RequestTracker *m_tracker;
    State m_state = Idle;
    QString m_name;
    QString m_backupName;
    std::unique_ptr<Konfiguracja> m_toSend;
    QByteArray m_sentImage;
    bool m_editsLeftOut = false;
};
