#pragma once

#include <QDockWidget>

class QTableView;
class QToolButton;
class TrafficLog;
class USBManager;

// The "Monitor łącza" dock: every frame on the wire with its time, direction, command, length
// and bytes; pause, clear and copy. Closed until the technician opens it.
class LinkMonitor : public QDockWidget
{
    Q_OBJECT
public:
    explicit LinkMonitor(USBManager *link, QWidget *parent = nullptr);

    TrafficLog *log() const { return m_log; }
    // The selected rows, or every row when none is selected, as tab-separated text.
    QString copyText() const;

private:
    void copy();

    TrafficLog *m_log = nullptr;
    QTableView *m_view = nullptr;
    QToolButton *m_pause = nullptr;
};
