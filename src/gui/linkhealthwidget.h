#pragma once

#include <QLabel>
#include <QTimer>

class LinkHealth;
class USBManager;

// The status bar's permanent view of the link: no port, port open but the unit silent, or the
// unit answering with the age of its last answer; then the repeat, dropped and CRC counters.
class LinkHealthWidget : public QLabel
{
    Q_OBJECT
public:
    explicit LinkHealthWidget(USBManager *link, QWidget *parent = nullptr);

    LinkHealth *health() const { return m_health; }

private:
    void refresh();

    LinkHealth *m_health = nullptr;
    // The age of the last answer is shown in whole seconds.
    QTimer m_ageTimer;
};
