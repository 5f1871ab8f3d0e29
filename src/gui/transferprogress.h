#pragma once

#include <QFrame>
#include <QPointer>
#include <QString>

class QLabel;
class QProgressBar;
class QPushButton;
class RequestTracker;
class USBManager;

// The strip under a window's tabs while one of its requests to the unit is under way: what is
// being done, a progress bar (parts of a multi-part read, otherwise a busy bar), the entries
// so far and the time left, and a cancel button. It does not block the window. When the
// request ends badly it tells the user: a cancel in the status bar, a lost port or a silent
// unit in a message box.
class TransferProgress : public QFrame
{
    Q_OBJECT
public:
    // `description` names the request in the middle of a sentence, e.g. "odczyt konfiguracji".
    TransferProgress(RequestTracker *tracker, USBManager *link, const QString &description,
                     QWidget *parent = nullptr);

    // Data bytes per entry of a multi-part read; 0 shows no entry count.
    void setEntrySize(int bytes) { m_entrySize = bytes; }
    // Where the unit cannot take a request back once it has it, the button stays hidden.
    void setCancellable(bool cancellable);
    // The last line of the message when the request is lost; by default nothing was stored.
    void setLostNote(const QString &note) { m_lostNote = note; }
    // What the user reads while the request runs.
    QString progressText() const;

    // Puts the strip under `area` in its window's layout (the strip replaces it there).
    void placeBelow(QWidget *area);

    static QString durationText(qint64 ms);

private:
    void started();
    void showProgress(int part, int count, int bytes, qint64 remainingMs);
    void finished(int outcome, const QString &reason);
    void releaseFocus();

    QPointer<RequestTracker> m_tracker;
    QPointer<USBManager> m_link;
    QPointer<QWidget> m_area;
    QString m_description;
    int m_entrySize = 0;
    QString m_lostNote;
    bool m_cancellable = true;
    // What the request under way is called and what its loss adds.
    QString m_current;
    QString m_currentNote;
    QLabel *m_title = nullptr;
    QProgressBar *m_bar = nullptr;
    QLabel *m_detail = nullptr;
    QPushButton *m_cancel = nullptr;
};
