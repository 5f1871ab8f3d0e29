#include "simserver.h"

#include "simwire.h"

#include <QDebug>

namespace {
QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}
// Requests the unit holds while it is still busy; a real unit's receive buffer is small too.
constexpr int MaxPendingRequests = 8;
constexpr int HangUpAfterLastByteMs = 100;
} // namespace

SimServer::SimServer(const SimOptions &options, SimWire *wire, SimUnit *unit, QObject *parent)
    : QObject(parent), m_options(options), m_wire(wire), m_unit(unit), m_rng(options.seed ^ 0x5EED)
{
    m_processTimer.setSingleShot(true);
    m_processTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_processTimer, &QTimer::timeout, this, &SimServer::processDue);
    connect(wire, &SimWire::frameReceived, this, &SimServer::onFrame);
    connect(wire, &SimWire::garbageReceived, this, &SimServer::onGarbage);
    connect(wire, &SimWire::chunkWritten, this, &SimServer::onChunkWritten);
    connect(wire, &SimWire::connectedChanged, this, [this](bool connected) {
        if (!connected)
            m_pending.clear();
        qInfo().noquote() << (connected ? "the PC opened the port" : "the PC closed the port");
    });
}

// On a paced line the unit has the whole request only once its last byte has crossed the
// wire; the answer follows after the configured delay. Requests are served in arrival order.
void SimServer::onFrame(const QByteArray &frame)
{
    if (m_hangingUp)
        return;
    const quint8 command = quint8(frame.at(4));
    if (m_options.verbose)
        qInfo().noquote() << "<-" << hex(frame) << " " << SimUnit::commandName(command);
    if (m_pending.size() >= MaxPendingRequests) {
        qWarning().noquote() << "request ignored, unit busy:" << SimUnit::commandName(command);
        return;
    }
    const qint64 heard = std::max(m_wire->nowNs(), m_inboundFreeNs)
                         + m_wire->wireTimeNs(frame.size());
    m_inboundFreeNs = heard;
    m_pending.append({frame, heard + qint64(m_options.delayMs) * 1000000});
    schedule();
}

void SimServer::onGarbage(const QString &what, const QByteArray &bytes)
{
    qWarning().noquote() << "no answer to" << what << ":" << hex(bytes.left(64))
                         << (bytes.size() > 64 ? "..." : "");
}

void SimServer::schedule()
{
    if (m_pending.isEmpty() || m_processTimer.isActive())
        return;
    const qint64 waitNs = m_pending.first().dueNs - m_wire->nowNs();
    m_processTimer.start(int(std::max<qint64>(0, (waitNs + 999999) / 1000000)));
}

void SimServer::processDue()
{
    while (!m_pending.isEmpty() && m_pending.first().dueNs <= m_wire->nowNs() + 500000) {
        const QByteArray frame = m_pending.takeFirst().frame;
        answer(frame);
        if (m_hangingUp)
            return;
    }
    schedule();
}

void SimServer::answer(const QByteArray &request)
{
    const int length = (quint8(request.at(1)) << 8) | quint8(request.at(2));
    const quint8 command = quint8(request.at(4));
    const QByteArray payload = request.mid(5, length - 5);
    SimUnit::Answer reply;
    QString note;
    if (!m_unit->handle(command, payload, reply, note)) {
        qWarning().noquote() << "no answer to" << SimUnit::commandName(command) << ":" << note;
        return;
    }
    if (m_options.verbose && !note.isEmpty())
        qInfo().noquote() << "  " << note;
    QByteArray frame;
    Device::buildFrame(reply.command, reply.payload, frame);
    transmit(frame);
}

void SimServer::transmit(QByteArray frame)
{
    const int number = ++m_answerCount;
    const QString name = SimUnit::commandName(quint8(frame.at(4)));
    const bool last = m_options.hangupAfter > 0 && number >= m_options.hangupAfter;
    if (m_options.dropEvery > 0 && number % m_options.dropEvery == 0) {
        qInfo().noquote() << "answer" << number << "dropped:" << name;
        if (last) {
            m_hangingUp = true;
            QTimer::singleShot(HangUpAfterLastByteMs, this, &SimServer::hangUpNow);
        }
        return;
    }
    if (m_options.corruptEvery > 0 && number % m_options.corruptEvery == 0) {
        frame[frame.size() - 1] = char(frame.at(frame.size() - 1) ^ 0xA5);
        qInfo().noquote() << "answer" << number << "sent with a corrupted CRC:" << name;
    }
    if (m_options.noise) {
        const int count = std::uniform_int_distribution<int>(1, 8)(m_rng);
        QByteArray noise;
        for (int i = 0; i < count; ++i)
            noise.append(char(std::uniform_int_distribution<int>(0, 255)(m_rng)));
        frame.prepend(noise);
    }
    if (m_options.verbose)
        qInfo().noquote() << "->" << hex(frame) << " " << name;
    const int tag = last ? number : 0;
    if (last)
        m_hangingUp = true;
    if (!m_options.split) {
        m_wire->send(frame, 0, tag);
        return;
    }
    // Random pieces with short pauses, as a USB serial bridge delivers them.
    int pos = 0;
    while (pos < frame.size()) {
        const int size = std::min<int>(frame.size() - pos,
                                       std::uniform_int_distribution<int>(1, 64)(m_rng));
        const int gap = pos == 0 ? 0 : std::uniform_int_distribution<int>(1, 15)(m_rng);
        const bool final = pos + size == frame.size();
        m_wire->send(frame.mid(pos, size), gap, final ? tag : 0);
        pos += size;
    }
}

void SimServer::onChunkWritten(int tag)
{
    if (tag != 0 && tag == m_answerCount && m_hangingUp)
        QTimer::singleShot(HangUpAfterLastByteMs, this, &SimServer::hangUpNow);
}

void SimServer::hangUpNow()
{
    qInfo().noquote() << "hanging up after" << m_answerCount << "answers";
    m_pending.clear();
    m_processTimer.stop();
    m_wire->hangUp();
    emit hungUp();
}
