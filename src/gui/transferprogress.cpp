#include "transferprogress.h"

#include "dialogs.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

TransferProgress::TransferProgress(RequestTracker *tracker, USBManager *link,
                                   const QString &description, QWidget *parent)
    : QFrame(parent),
      m_tracker(tracker),
      m_link(link),
      m_description(description),
      m_lostNote(tr("Nic nie zostało zapisane."))
{
    setObjectName(QStringLiteral("transferProgress"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    m_title = new QLabel(this);
    m_bar = new QProgressBar(this);
    m_bar->setTextVisible(true);
    m_bar->setMinimumWidth(160);
    m_detail = new QLabel(this);
    m_detail->setObjectName(QStringLiteral("transferDetail"));
    m_cancel = new QPushButton(QIcon(QStringLiteral(":/icons/anuluj.png")), tr("Anuluj"), this);
    m_cancel->setObjectName(QStringLiteral("transferCancel"));
    m_cancel->setToolTip(tr("Przerywa tę operację; nic z niej nie zostanie zapisane"));
    layout->addWidget(m_title);
    layout->addWidget(m_bar, 1);
    layout->addWidget(m_detail);
    layout->addWidget(m_cancel);
    hide();

    if (!tracker)
        return;
    connect(m_cancel, &QPushButton::clicked, tracker, &RequestTracker::cancel);
    connect(tracker, &RequestTracker::signalBusyChanged, this, [this](bool busy) {
        if (busy)
            started();
    });
    connect(tracker, &RequestTracker::signalProgress, this, &TransferProgress::showProgress);
    connect(tracker, &RequestTracker::signalFinished, this, &TransferProgress::finished);
}

void TransferProgress::setCancellable(bool cancellable)
{
    m_cancellable = cancellable;
    m_cancel->setVisible(cancellable);
}

QString TransferProgress::progressText() const
{
    return m_detail->text();
}

void TransferProgress::placeBelow(QWidget *area)
{
    m_area = area;
    QWidget *window = area->parentWidget();
    if (!window || !window->layout())
        return;
    // A second strip of the same window goes under the first.
    if (window->objectName() == QLatin1String("transferColumn")) {
        window->layout()->addWidget(this);
        return;
    }
    auto *column = new QWidget(window);
    column->setObjectName(QStringLiteral("transferColumn"));
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    delete window->layout()->replaceWidget(area, column);
    layout->addWidget(area, 1);
    layout->addWidget(this);
}

QString TransferProgress::durationText(qint64 ms)
{
    const qint64 seconds = (ms + 999) / 1000;
    if (seconds < 60)
        return tr("%1 s").arg(seconds);
    return tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void TransferProgress::started()
{
    // A request the tracker names itself (a step of the send) speaks for itself.
    const bool named = m_tracker && !m_tracker->description().isEmpty();
    m_current = named ? m_tracker->description() : m_description;
    m_currentNote = named ? m_tracker->lostNote() : m_lostNote;
    m_cancel->setVisible(named ? m_tracker->isCancellable() : m_cancellable);
    QString title = m_current;
    if (!title.isEmpty())
        title[0] = title.at(0).toUpper();
    m_title->setText(title + QLatin1Char(':'));
    // A busy bar until the first part says how many there are.
    m_bar->setRange(0, 0);
    m_bar->setValue(0);
    m_bar->setFormat(QString());
    m_detail->setText(tr("oczekiwanie na odpowiedź…"));
    show();
}

void TransferProgress::showProgress(int part, int count, int bytes, qint64 remainingMs)
{
    m_bar->setRange(0, count);
    m_bar->setValue(part);
    m_bar->setFormat(tr("część %1 z %2").arg(part).arg(count));
    QStringList details;
    if (m_entrySize > 0)
        details << tr("wpisów: %1").arg(bytes / m_entrySize);
    if (remainingMs > 0)
        details << tr("pozostało ok. %1").arg(durationText(remainingMs));
    m_detail->setText(details.join(QStringLiteral(" · ")));
}

// Hiding the strip with the focus on its cancel button would pass the focus on along the tab
// chain, into another tab of the window, which would then become the active one (and move the
// selection the next send starts from). The focus goes back to the work area instead.
void TransferProgress::releaseFocus()
{
    if (!isAncestorOf(QApplication::focusWidget()))
        return;
    QWidget *target = m_area ? m_area.data() : parentWidget();
    if (auto *area = qobject_cast<QMdiArea *>(target); area && area->activeSubWindow())
        target = area->activeSubWindow()->widget();
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

void TransferProgress::finished(int outcome, const QString &reason)
{
    releaseFocus();
    hide();
    if (outcome == LinkReply::Answered)
        return;
    if (outcome == LinkReply::Cancelled) {
        if (m_link)
            m_link->writeMessage(tr("Anulowano: %1. Nic nie zostało zapisane.").arg(m_current),
                                 5000);
        return;
    }
    QString text;
    if (outcome == LinkReply::Dropped) {
        text = tr("Urządzenie nie odpowiada") + QLatin1Char('\n')
                + tr("Brak odpowiedzi na %1 po trzech próbach. Sprawdź kabel i zasilanie "
                     "centrali.")
                          .arg(m_current);
    } else if (outcome == LinkReply::Unexpected) {
        text = tr("Nieoczekiwana odpowiedź urządzenia na %1").arg(m_current) + QLatin1Char('\n')
                + reason;
    } else {
        text = tr("Połączenie z urządzeniem zostało przerwane (%1)").arg(m_current)
                + QLatin1Char('\n')
                + (reason.isEmpty() ? tr("Port został zamknięty.")
                                    : tr("Przyczyna: %1.").arg(reason));
    }
    if (!m_currentNote.isEmpty())
        text += QLatin1Char('\n') + m_currentNote;
    // Not from inside the link's own error handling: the box runs an event loop.
    QTimer::singleShot(0, this, [this, text] {
        Dialogs::instance()->warning(window(), tr("Konfigurator Ostrel"), text);
    });
}
