#include "linkmonitor.h"

#include "link/trafficlog.h"
#include "link/usbmanager.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QFontDatabase>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>

#include <algorithm>

LinkMonitor::LinkMonitor(USBManager *link, QWidget *parent)
    : QDockWidget(tr("Monitor łącza"), parent), m_log(new TrafficLog(this))
{
    setObjectName(QStringLiteral("linkMonitor"));
    if (link)
        m_log->watch(link);

    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *buttons = new QHBoxLayout;
    m_pause = new QToolButton(body);
    m_pause->setObjectName(QStringLiteral("monitorPause"));
    m_pause->setText(tr("Wstrzymaj"));
    m_pause->setToolTip(tr("Wstrzymuje zapis ramek, aby można je było spokojnie przeczytać"));
    m_pause->setCheckable(true);
    auto *clear = new QToolButton(body);
    clear->setObjectName(QStringLiteral("monitorClear"));
    clear->setText(tr("Wyczyść"));
    auto *copyButton = new QToolButton(body);
    copyButton->setObjectName(QStringLiteral("monitorCopy"));
    copyButton->setIcon(QIcon(QStringLiteral(":/icons/kopiuj.png")));
    copyButton->setText(tr("Kopiuj"));
    copyButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    copyButton->setToolTip(tr("Kopiuje zaznaczone ramki (bez zaznaczenia: wszystkie) do schowka"));
    buttons->addWidget(m_pause);
    buttons->addWidget(clear);
    buttons->addWidget(copyButton);
    buttons->addStretch(1);
    // The port or the device server's address the frames cross.
    auto *port = new QLabel(body);
    port->setObjectName(QStringLiteral("monitorPort"));
    buttons->addWidget(port);
    if (link) {
        connect(link, &USBManager::signalUsbPortOpened, port,
                [port, link] { port->setText(link->portName()); });
        connect(link, &USBManager::signalUsbPortClosed, port, [port] { port->clear(); });
    }
    layout->addLayout(buttons);

    m_view = new QTableView(body);
    m_view->setModel(m_log);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 4);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setColumnWidth(TrafficLog::TimeColumn, 105);
    m_view->setColumnWidth(TrafficLog::DirectionColumn, 110);
    m_view->setColumnWidth(TrafficLog::CommandColumn, 130);
    m_view->setColumnWidth(TrafficLog::LengthColumn, 60);
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(m_view, 1);
    setWidget(body);

    connect(m_pause, &QToolButton::toggled, m_log, &TrafficLog::setPaused);
    connect(clear, &QToolButton::clicked, m_log, &TrafficLog::clear);
    connect(copyButton, &QToolButton::clicked, this, &LinkMonitor::copy);
    // Follow the newest frame while the view is at the bottom, not while the user reads back.
    connect(m_log, &TrafficLog::rowsInserted, this, [this] {
        QScrollBar *bar = m_view->verticalScrollBar();
        if (bar->value() >= bar->maximum() - 2)
            QMetaObject::invokeMethod(m_view, &QTableView::scrollToBottom, Qt::QueuedConnection);
    });
}

QString LinkMonitor::copyText() const
{
    QList<int> rows;
    const QModelIndexList selected = m_view->selectionModel()->selectedRows();
    for (const QModelIndex &index : selected)
        rows << index.row();
    if (rows.isEmpty()) {
        for (int row = 0; row < m_log->rowCount(); ++row)
            rows << row;
    }
    std::sort(rows.begin(), rows.end());
    return m_log->toText(rows);
}

void LinkMonitor::copy()
{
    QApplication::clipboard()->setText(copyText());
}
