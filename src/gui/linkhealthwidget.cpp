#include "linkhealthwidget.h"

#include "link/linkhealth.h"

LinkHealthWidget::LinkHealthWidget(USBManager *link, QWidget *parent)
    : QLabel(parent), m_health(new LinkHealth(link, this))
{
    setObjectName(QStringLiteral("linkHealth"));
    setTextFormat(Qt::RichText);
    setMargin(2);
    setToolTip(tr("<b>Stan łącza z centralą</b><br>"
                  "Kolor: szary – brak otwartego portu; czerwony – port otwarty, ale centrala "
                  "nie odpowiada dłużej niż 2 s; zielony – centrala odpowiada (podany jest "
                  "wiek ostatniej odpowiedzi).<br>"
                  "<b>Powtórzenia</b>: ramki wysłane ponownie, bo odpowiedź nie przyszła w 2 s.<br>"
                  "<b>Utracone</b>: zapytania porzucone po trzeciej próbie bez odpowiedzi.<br>"
                  "<b>CRC</b>: odebrane ramki odrzucone z powodu błędnej sumy kontrolnej.<br>"
                  "Liczniki są zerowane przy każdym połączeniu."));
    connect(m_health, &LinkHealth::signalChanged, this, &LinkHealthWidget::refresh);
    m_ageTimer.setInterval(1000);
    connect(&m_ageTimer, &QTimer::timeout, this, &LinkHealthWidget::refresh);
    refresh();
}

void LinkHealthWidget::refresh()
{
    QString colour;
    QString state;
    switch (m_health->state()) {
    case LinkHealth::NoPort:
        colour = QStringLiteral("#808080");
        state = tr("Brak portu");
        break;
    case LinkHealth::Waiting:
        colour = QStringLiteral("#d0a000");
        state = tr("Port otwarty, oczekiwanie na centralę");
        break;
    case LinkHealth::NotAnswering:
        colour = QStringLiteral("#d02020");
        state = tr("Centrala nie odpowiada");
        break;
    case LinkHealth::Answering:
        colour = QStringLiteral("#20a020");
        state = tr("Centrala odpowiada (%1 s temu)").arg(m_health->lastAnswerAgeMs() / 1000);
        break;
    }
    if (m_health->state() == LinkHealth::Answering)
        m_ageTimer.start();
    else
        m_ageTimer.stop();
    // Over TCP the address tells which unit of which site the technician is looking at.
    const QString port = m_health->portName();
    if (!port.isEmpty())
        state = QStringLiteral("%1: %2").arg(port.toHtmlEscaped(), state);
    QString text = QStringLiteral("<span style='color:%1'>&#9679;</span> %2").arg(colour, state);
    if (m_health->state() != LinkHealth::NoPort)
        text += tr(" · powtórzenia: %1 · utracone: %2 · CRC: %3")
                        .arg(m_health->repeats())
                        .arg(m_health->dropped())
                        .arg(m_health->rejected());
    setText(text);
}
