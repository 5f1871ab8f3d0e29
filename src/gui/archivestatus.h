#pragma once

#include <QTimer>
#include <QWidget>

class ArchiveRunner;
class QAction;
class QLabel;
class QProgressBar;
class QToolButton;

// The company archive in the main window: the "Synchronizuj z archiwum" action, the archive
// dialog's actions, and in the status bar when the last sync ran, how many records wait, and
// while a sync runs its progress with a cancel button. The sync itself runs on a thread of its
// own, which also counts what waits when it ends; between syncs the count is read from the
// change marks, which costs what changed, not what is stored.
class ArchiveStatus : public QWidget
{
    Q_OBJECT
public:
    explicit ArchiveStatus(QWidget *parent = nullptr);
    ~ArchiveStatus() override;

    QAction *syncAction() const { return m_syncAction; }
    // "Odrzucone z archiwum" and "Rekordy w archiwum": the archive dialog at either page.
    QAction *rejectedAction() const { return m_rejectedAction; }
    QAction *recordsAction() const { return m_recordsAction; }
    // "Centrale firmy": the archive dialog at the company's units.
    QAction *unitsAction() const { return m_unitsAction; }
    ArchiveRunner *runner() const { return m_runner; }

public slots:
    void slotSync();
    void refresh();

signals:
    // Records may have arrived: the lists should be read again.
    void synced();
    void message(QString text, int timeMs);
    // The technician opened a record of this store from the archive dialog: show it where
    // records of its kind are shown. `kind` is the archive's name of the kind.
    void openRecord(QString kind, int localId);

private:
    void showState(int waiting);
    ArchiveRunner *m_runner;
    QAction *m_syncAction;
    QAction *m_rejectedAction;
    QAction *m_recordsAction;
    QAction *m_unitsAction;
    QLabel *m_state;
    QProgressBar *m_progress;
    QToolButton *m_cancel;
    QTimer m_refresh;
};
