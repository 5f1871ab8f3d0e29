#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class Konfiguracja;
class UnitRequest;
class USBManager;
class QWidget;

// Sends a stored configuration to the unit without ever writing blind: refuses an image that is
// no configuration, reads what the unit holds and stores it as a backup, shows the differences
// for review, sends the unit's image with only the chosen changes applied, and reads the unit
// again to verify that it took them. Every step that gets no answer ends the send with a
// message; a backup already stored is kept.
class ConfigSender : public QObject
{
    Q_OBJECT
public:
    enum State { Idle, ReadingBefore, Sending, Verifying };

    // Dialogs are shown over `window`, which is also the parent.
    ConfigSender(USBManager *usb, QWidget *window);
    ~ConfigSender() override;

    // Starts sending the stored configuration; false when it is refused (with a warning shown)
    // and nothing was queued.
    bool start(int id, const QString &name);
    State state() const { return m_state; }
    bool isBusy() const { return m_state != Idle; }
    // The editor still holds edits that were not stored, so they are not part of the send; the
    // messages of the next send say so.
    void setUnsavedEditsLeftOut(bool leftOut) { m_editsLeftOut = leftOut; }
    // The deadline for each answer (for tests that play a silent unit).
    void setAnswerTimeout(int ms);

    static QString backupName();

signals:
    void backupStored(int id, QString name);
    // verified: the unit holds what was sent.
    void finished(bool verified);

private:
    void onAnswered(const QByteArray &payload);
    void onFailed();
    void backUpAndReview(const QByteArray &unitImage);
    void verify(const QByteArray &unitImage);
    void finish(bool verified);
    QString withBackup(const QString &text) const;
    QString leftOutNote() const;

    QWidget *m_window;
    UnitRequest *m_request;
    State m_state = Idle;
    QString m_name;
    QString m_backupName;
    std::unique_ptr<Konfiguracja> m_toSend;
    QByteArray m_sentImage;
    bool m_editsLeftOut = false;
};
