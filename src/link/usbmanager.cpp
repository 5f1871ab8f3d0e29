#include "usbmanager.h"

#include "linkreply.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QDebug>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QTcpSocket>

namespace {
const char *const errorNames[] = {
    QT_TRANSLATE_NOOP("USBManager", "NoError"),
    QT_TRANSLATE_NOOP("USBManager", "DeviceNotFoundError"),
    QT_TRANSLATE_NOOP("USBManager", "PermissionError"),
    QT_TRANSLATE_NOOP("USBManager", "OpenError"),
    QT_TRANSLATE_NOOP("USBManager", "ParityError"),
    QT_TRANSLATE_NOOP("USBManager", "FramingError"),
    QT_TRANSLATE_NOOP("USBManager", "BreakConditionError"),
    QT_TRANSLATE_NOOP("USBManager", "WriteError"),
    QT_TRANSLATE_NOOP("USBManager", "ReadError"),
    QT_TRANSLATE_NOOP("USBManager", "ResourceError"),
    QT_TRANSLATE_NOOP("USBManager", "UnsupportedOperationError"),
    QT_TRANSLATE_NOOP("USBManager", "UnknownError"),
    QT_TRANSLATE_NOOP("USBManager", "TimeoutError"),
    QT_TRANSLATE_NOOP("USBManager", "NotOpenError"),
};

// Indexed like errorNames: what each error means at the service desk.
const char *const errorExplanations[] = {
    "",
    QT_TRANSLATE_NOOP("USBManager", "nie znaleziono urządzenia na tym porcie"),
    QT_TRANSLATE_NOOP("USBManager", "brak dostępu do portu (może używa go inny program)"),
    QT_TRANSLATE_NOOP("USBManager", "port jest już otwarty przez inny program"),
    QT_TRANSLATE_NOOP("USBManager", "błąd parzystości na łączu"),
    QT_TRANSLATE_NOOP("USBManager", "błąd ramki na łączu (zakłócenia lub zła prędkość)"),
    QT_TRANSLATE_NOOP("USBManager", "przerwa w linii transmisyjnej"),
    QT_TRANSLATE_NOOP("USBManager", "nie można wysłać danych do portu"),
    QT_TRANSLATE_NOOP("USBManager", "nie można odczytać danych z portu (kabel odłączony?)"),
    QT_TRANSLATE_NOOP("USBManager", "port zniknął: kabel USB odłączony lub centrala wyłączona"),
    QT_TRANSLATE_NOOP("USBManager", "port nie obsługuje tej operacji"),
    QT_TRANSLATE_NOOP("USBManager", "nieznany błąd portu"),
    QT_TRANSLATE_NOOP("USBManager", "przekroczony czas operacji na porcie"),
    QT_TRANSLATE_NOOP("USBManager", "port nie jest otwarty"),
};

Device::COMMAND commandOf(const QByteArray &frame)
{
    return frame.size() > 4 ? Device::COMMAND(qint8(frame.at(4))) : Device::COMMAND(0);
}

// The request that opens an event-log read: part count 0, part index 0.
bool isTransferStart(const QByteArray &frame)
{
    return frame.size() > 6 && commandOf(frame) == Device::ReadEventLog && frame.at(5) == 0
            && frame.at(6) == 0;
}

// Requests that bring a whole record: two of a kind at once would only store it twice.
bool isReading(Device::COMMAND command)
{
    return command == Device::ReadConfig || command == Device::ReadEventLog
            || command == Device::ReadFaults || command == Device::ReadSoftware;
}
} // namespace

USBManager::USBManager(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<Device::COMMAND>("Device::COMMAND");
    m_commandTimer.setParent(this);
    m_answerTimer.setParent(this);
    m_keepAliveTimer.setParent(this);
    m_answerTimer.setSingleShot(false);
    m_keepAliveTimer.setInterval(KeepAliveMs);
    connect(&m_commandTimer, &QTimer::timeout, this, &USBManager::slotCommandTimeout);
    connect(&m_answerTimer, &QTimer::timeout, this, &USBManager::slotDataTimerTimeout);
    connect(&m_keepAliveTimer, &QTimer::timeout, this, &USBManager::slotConnectionTimerTimeout);
    connect(this, &USBManager::signalUsbPortOpened, this, &USBManager::slotUsbPortOpened);
    connect(this, &USBManager::signalUsbPortClosed, this, &USBManager::slotUsbPortClosed);
    m_commandTimer.start(CommandTickMs);
}

USBManager::~USBManager()
{
    delete m_port;
}

void USBManager::setTimeouts(int answerTimeoutMs, int keepAliveMs)
{
    m_answerTimeoutMs = qMax(1, answerTimeoutMs);
    m_keepAliveTimer.setInterval(qMax(1, keepAliveMs));
}

bool USBManager::openPort(const QString &portName)
{
    m_openError.clear();
    QString host;
    quint16 port = 0;
    const bool opened = parseNetworkAddress(portName, &host, &port) ? openSocket(host, port)
                                                                     : openSerial(portName);
    if (!opened)
        return false;
    m_portName = portName;
    m_repeats = 0;
    m_dropped = 0;
    m_decodeFailures = 0;
    m_rejectedAtOpen = rejectedFrames();
    m_lastAnswer.invalidate();
    m_openedAt.start();
    m_closeReason.clear();
    emit signalWriteMessage(tr("Port został otwarty. Próba komunikacji z urządzeniem na porcie ")
                                    + portName,
                            5000);
    emit signalUsbPortOpened();
    emit signalHealthChanged();
    return true;
}

bool USBManager::openSerial(const QString &portName)
{
    auto *serial = qobject_cast<QSerialPort *>(m_port);
    if (!serial) {
        delete m_port;
        serial = new QSerialPort;
        serial->setBaudRate(QSerialPort::Baud19200, QSerialPort::AllDirections);
        serial->setDataBits(QSerialPort::Data8);
        serial->setParity(QSerialPort::NoParity);
        serial->setStopBits(QSerialPort::OneStop);
        serial->setFlowControl(QSerialPort::NoFlowControl);
        m_port = serial;
    }
    if (serial->isOpen())
        serial->close();
    serial->setPortName(portName);
    if (!serial->open(QIODevice::ReadWrite))
        return false;
    connect(serial, &QSerialPort::errorOccurred, this, &USBManager::slotUsbError,
            Qt::UniqueConnection);
    connect(serial, &QSerialPort::readyRead, this, &USBManager::slotReadReady,
            Qt::UniqueConnection);
    return true;
}

// openPort reports its result when it returns, as it does for a serial port, so no window sees
// a port that is half open; meanwhile the event loop runs, so the program does not freeze for
// the up to ConnectTimeoutMs a silent host takes, and cancelOpen ends the wait.
bool USBManager::openSocket(const QString &host, quint16 port)
{
    if (m_connecting)
        return false;
    delete m_port;
    m_port = nullptr;
    auto *socket = new QTcpSocket;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    connect(socket, &QAbstractSocket::connected, &loop, &QEventLoop::quit);
    connect(socket, &QAbstractSocket::errorOccurred, &loop, &QEventLoop::quit);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_connecting = &loop;
    m_connectCancelled = false;
    socket->connectToHost(host, port);
    limit.start(ConnectTimeoutMs);
    if (socket->state() != QAbstractSocket::ConnectedState
        && socket->state() != QAbstractSocket::UnconnectedState)
        loop.exec();
    m_connecting = nullptr;
    socket->disconnect(&loop);
    if (socket->state() != QAbstractSocket::ConnectedState) {
        const QString address = host.contains(':') ? QStringLiteral("[%1]:%2").arg(host).arg(port)
                                                   : QStringLiteral("%1:%2").arg(host).arg(port);
        const bool refused = socket->state() == QAbstractSocket::UnconnectedState;
        const QAbstractSocket::SocketError error =
                refused ? socket->error() : QAbstractSocket::SocketTimeoutError;
        m_openError = m_connectCancelled ? QString() : socketErrorText(error, address);
        qDebug().noquote() << "TCP:" << address << socket->errorString();
        delete socket;
        return false;
    }
    // Requests are small and each waits for its answer; Nagle would only delay them.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_port = socket;
    connect(socket, &QAbstractSocket::errorOccurred, this, &USBManager::slotSocketError);
    connect(socket, &QIODevice::readyRead, this, &USBManager::slotReadReady);
    return true;
}

void USBManager::cancelOpen()
{
    if (!m_connecting)
        return;
    m_connectCancelled = true;
    m_connecting->quit();
}

bool USBManager::parseNetworkAddress(const QString &portName, QString *host, quint16 *port)
{
    static const QRegularExpression pattern(QStringLiteral(
            "^(?:tcp://)?(?:\\[([0-9A-Fa-f:.%]+)\\]|([^:/\\\\\\[\\]\\s]+)):(\\d{1,5})$"),
            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(portName.trimmed());
    if (!match.hasMatch())
        return false;
    const uint number = match.captured(3).toUInt();
    if (number == 0 || number > 65535)
        return false;
    if (host)
        *host = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    if (port)
        *port = quint16(number);
    return true;
}

void USBManager::closePort()
{
    if (m_port)
        m_port->disconnect(this);
    if (m_port && m_port->isOpen()) {
        m_port->close();
        portLost(QString());
        emit signalUsbPortClosed();
        emit signalHealthChanged();
    }
    delete m_port;
    m_port = nullptr;
}

// A read whose parts can no longer arrive is over: its follow-up requests go and nothing of it
// is delivered later, so a reconnect cannot complete it from stale parts.
void USBManager::portLost(const QString &reason)
{
    m_closeReason = reason;
    m_openedAt.invalidate();
    // Nobody's request can be answered any more; whatever is queued of them must not go out,
    // or complete, after a reconnect. The keep-alive's bare frames stay, as they always did.
    const auto replies = withdrawWhere([](const Entry &entry) { return !entry.reply.isNull(); });
    if (m_transferActive)
        cancelRequest(ReadEventLog);
    for (const QPointer<LinkReply> &reply : replies)
        endLater(reply, LinkReply::PortLost, reason);
}

void USBManager::abandonTransfer()
{
    m_transferActive = false;
    m_multiPartAnswer.clear();
}

void USBManager::writeMessage(const QString &text, int timeMs)
{
    emit signalWriteMessage(text, timeMs);
}

qint64 USBManager::lastAnswerAgeMs() const
{
    return m_lastAnswer.isValid() ? m_lastAnswer.elapsed() : -1;
}

qint64 USBManager::openAgeMs() const
{
    return m_openedAt.isValid() ? m_openedAt.elapsed() : -1;
}

bool USBManager::isOpen() const
{
    return m_port && m_port->isOpen();
}

bool USBManager::queueFrame(const QByteArray &frame)
{
    return enqueue(frame, nullptr);
}

bool USBManager::enqueue(const QByteArray &frame, LinkReply *reply)
{
    QMutexLocker locker(&m_queueMutex);
    if (isTransferStart(frame)) {
        // Two reads would interleave their parts into one register of duplicated, shuffled
        // parts (and the second would store another copy of it).
        if (m_transferActive)
            return false;
        m_transferActive = true;
    }
    m_queue.append({frame, reply});
    return true;
}

LinkReply *USBManager::request(Device::COMMAND command, const QByteArray &payload,
                               Device::COMMAND answer)
{
    auto *reply = new LinkReply(this, command, answer);
    if (!isOpen()) {
        endLater(reply, LinkReply::PortLost, m_closeReason);
        return reply;
    }
    const QString busy = tr("Odczyt z urządzenia już trwa; poczekaj na jego koniec.");
    if (isReading(command)) {
        QMutexLocker locker(&m_queueMutex);
        for (int i = 0; i < m_queue.size(); ++i) {
            const Entry &entry = m_queue.at(i);
            if (entry.reply && !entry.reply->isFinished() && commandOf(entry.frame) == command
                && !(i == 0 && m_headCancelled)) {
                locker.unlock();
                endLater(reply, LinkReply::Refused, busy);
                return reply;
            }
        }
    }
    QByteArray frame;
    buildFrame(command, payload, frame);
    if (!enqueue(frame, reply)) {
        endLater(reply, LinkReply::Refused, busy);
        return reply;
    }
    // Waiting for the next tick after every answer would add up over a reading of many
    // requests; with nothing on the wire the request may go at once.
    if (!m_answerTimer.isActive())
        write();
    return reply;
}

// The reply's state is final at once, so that the caller can tell; the signal comes from the
// event loop, so that nobody's handler runs inside the request() or the port's error handling.
void USBManager::endLater(LinkReply *reply, int outcome, const QString &reason)
{
    if (!reply || reply->isFinished())
        return;
    reply->m_outcome = LinkReply::Outcome(outcome);
    reply->m_reason = reason;
    QPointer<LinkReply> guarded(reply);
    deliver([guarded, outcome, reason] {
        if (!guarded)
            return;
        emit guarded->failed(outcome, reason);
        guarded->deleteLater();
    });
}

QList<QPointer<LinkReply>>
USBManager::withdrawWhere(const std::function<bool(const Entry &)> &matches)
{
    QList<QPointer<LinkReply>> replies;
    QMutexLocker locker(&m_queueMutex);
    for (int i = m_queue.size() - 1; i >= 0; --i) {
        Entry &entry = m_queue[i];
        if (!matches(entry))
            continue;
        if (entry.reply && !replies.contains(entry.reply))
            replies.append(entry.reply);
        if (i == 0 && m_answerTimer.isActive()) {
            m_headCancelled = true;
            entry.reply.clear();
        } else {
            m_queue.removeAt(i);
            if (i == 0)
                m_attemptCount = 0;
        }
    }
    return replies;
}

void USBManager::withdraw(LinkReply *reply)
{
    withdrawWhere([reply](const Entry &entry) { return entry.reply == reply; });
    if (reply->request() == ReadEventLog)
        abandonTransfer();
}

bool USBManager::readingInProgress()
{
    QMutexLocker locker(&m_queueMutex);
    for (const Entry &entry : qAsConst(m_queue)) {
        if (entry.reply && !entry.reply->isFinished() && isReading(commandOf(entry.frame)))
            return true;
    }
    return false;
}

bool USBManager::isOutstanding(Device::COMMAND request)
{
    QMutexLocker locker(&m_queueMutex);
    for (int i = 0; i < m_queue.size(); ++i) {
        if (commandOf(m_queue.at(i).frame) == request && !(i == 0 && m_headCancelled))
            return true;
    }
    return false;
}

void USBManager::cancelRequest(Device::COMMAND request)
{
    const auto replies = withdrawWhere(
            [request](const Entry &entry) { return commandOf(entry.frame) == request; });
    if (request == ReadEventLog)
        abandonTransfer();
    for (const QPointer<LinkReply> &reply : replies)
        endLater(reply, LinkReply::Cancelled, QString());
}

int USBManager::queuedCount()
{
    QMutexLocker locker(&m_queueMutex);
    return m_queue.size();
}

// The answer timer starts whether or not a port is open, so requests queued while
// disconnected still run through their three attempts and are dropped. The status text is
// emitted after the mutex is released: a slot that queues a frame or closes the port would
// otherwise deadlock on it or pull the head frame out from under us.
void USBManager::write()
{
    QByteArray frame;
    bool repeat = false;
    {
        QMutexLocker locker(&m_queueMutex);
        if (m_queue.isEmpty())
            return;
        m_answerTimer.start(m_answerTimeoutMs);
        ++m_attemptCount;
        if (!m_port || !m_port->isOpen())
            return;
        frame = m_queue.constFirst().frame;
        repeat = m_attemptCount > 1;
    }
    qDebug().noquote() << "OUT:" << frame.toHex(' ');
    if (m_noAnswerFlag)
        emit signalWriteMessage(tr("Brak odpowiedzi na ramkę. Ponowna próba połączenia..."),
                                1000);
    if (m_port && m_port->isOpen()) {
        m_port->write(frame);
        emit signalTraffic(true, frame, true);
        if (repeat) {
            ++m_repeats;
            emit signalHealthChanged();
        }
    }
}

int USBManager::decodeFrame(Device::COMMAND &command, const QByteArray &frame, QByteArray &payload)
{
    payload.clear();
    if (frame.size() < 3)
        return 1;
    const int length = (quint8(frame.at(1)) << 8) | quint8(frame.at(2));
    // A frame too short for its own header or CRC is as bad as a CRC mismatch; reading past
    // its end would decode garbage (or crash on a truncated file).
    if (length < 5 || frame.size() <= length)
        return 1;
    command = Device::COMMAND(qint8(frame.at(4)));
    if (!checkCrc(frame.constData(), length))
        return 1;
    payload = frame.mid(5, length - 5);
    return 0;
}

QStringList USBManager::availablePortNames()
{
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        names.append(info.portName());
    return names;
}

QString USBManager::errorName(int error)
{
    if (error < 0 || error >= int(std::size(errorNames)))
        return QString();
    return QCoreApplication::translate("USBManager", errorNames[error]);
}

QString USBManager::errorExplanation(int error)
{
    if (error <= 0 || error >= int(std::size(errorExplanations)))
        error = QSerialPort::UnknownError;
    return QCoreApplication::translate("USBManager", errorExplanations[error]);
}

void USBManager::slotUsbError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError)
        return;
    portFailed(errorName(int(error)), errorExplanation(int(error)));
}

void USBManager::slotSocketError(QAbstractSocket::SocketError error)
{
    const QString text = socketErrorText(error, m_portName);
    portFailed(text, text);
}

QString USBManager::socketErrorText(QAbstractSocket::SocketError error, const QString &address)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return tr("%1 odrzucił połączenie: serwer portu nie nasłuchuje na tym porcie "
                  "albo obsługuje już innego klienta").arg(address);
    case QAbstractSocket::SocketTimeoutError:
        return tr("%1 nie odpowiada od 5 s: sprawdź adres, połączenie VPN i zaporę sieciową")
                .arg(address);
    case QAbstractSocket::HostNotFoundError:
        return tr("Nie znaleziono komputera %1: sprawdź nazwę lub adres").arg(address);
    case QAbstractSocket::RemoteHostClosedError:
        return tr("Serwer portu %1 zamknął połączenie (centrala odłączona od serwera "
                  "lub serwer wyłączony)").arg(address);
    default:
        return tr("Błąd połączenia sieciowego z %1 (kod %2)").arg(address).arg(int(error));
    }
}

// A serial port error or a lost TCP connection: the port closes, as on a pulled cable.
void USBManager::portFailed(const QString &name, const QString &explanation)
{
    portLost(explanation);
    if (m_port) {
        m_port->disconnect(this);
        qDebug().noquote() << name;
        m_port->close();
        // The port may be the sender of this very signal.
        m_port->deleteLater();
        m_port = nullptr;
    }
    emit signalUsbPortClosed();
    emit signalWriteMessage(tr("Port zamknięty: %1").arg(explanation), 5000);
    emit signalHealthChanged();
}

void USBManager::slotUsbPortOpened()
{
    m_keepAliveTimer.start();
}

void USBManager::slotUsbPortClosed()
{
    m_keepAliveTimer.stop();
}

void USBManager::slotDataTimerTimeout()
{
    bool dropped = false;
    Device::COMMAND command = ReadClock;
    QPointer<LinkReply> reply;
    {
        QMutexLocker locker(&m_queueMutex);
        if (m_headCancelled) {
            // Nobody waits for it any more: no repeat.
            if (!m_queue.isEmpty())
                m_queue.removeFirst();
            m_attemptCount = 0;
            m_headCancelled = false;
        } else if (m_attemptCount >= MaxAttempts) {
            if (!m_queue.isEmpty()) {
                const Entry head = m_queue.takeFirst();
                command = commandOf(head.frame);
                reply = head.reply;
                dropped = true;
            }
            m_attemptCount = 0;
        }
        m_answerTimer.stop();
        m_noAnswerFlag = true;
        reset();
    }
    if (!dropped)
        return;
    if (command == ReadEventLog)
        abandonTransfer();
    // Requests that run out while the port is closed are not the unit's silence.
    if (isOpen())
        ++m_dropped;
    emit signalRequestDropped(command);
    emit signalHealthChanged();
    endLater(reply, LinkReply::Dropped, QString());
}

void USBManager::slotConnectionTimerTimeout()
{
    if (queuedCount() == 0) {
        QByteArray frame;
        buildFrame(ReadClock, QByteArray(), frame);
        queueFrame(frame);
    }
}

int USBManager::slotReceivedFrame(Device::COMMAND command, QByteArray payload)
{
    m_noAnswerFlag = false;
    if (command != EventLogPart) {
        m_singleAnswer = payload;
        return 0;
    }
    QByteArray head;
    QPointer<LinkReply> reply;
    {
        QMutexLocker locker(&m_queueMutex);
        if (m_queue.isEmpty())
            return 0;
        head = m_queue.constFirst().frame;
        reply = m_queue.constFirst().reply;
    }
    if (payload.size() < 2)
        return 2;
    const quint8 count = quint8(payload.at(0));
    const quint8 index = quint8(payload.at(1));
    const quint8 requested = head.size() > 6 ? quint8(head.at(6)) : 0;
    if (index == 0)
        m_multiPartAnswer.clear();
    if (index != requested)
        return 0;
    // The follow-up goes out for the last part too: the unit expects a request for part
    // index == count to close the transfer.
    if (index + 1 <= count) {
        QByteArray frame;
        QByteArray request;
        request.append(char(count));
        request.append(char(index + 1));
        buildFrame(ReadEventLog, request, frame);
        // The follow-up belongs to whoever asked for the register; the closing request
        // brings nothing and is nobody's.
        enqueue(frame, index + 1 < count ? reply.data() : nullptr);
    }
    m_multiPartAnswer.append(payload.mid(2));
    if (index < count) {
        m_progressPending = true;
        m_progressPart = index + 1;
        m_progressCount = count;
    }
    return qint8(index + 1) != qint8(count) ? 1 : 0;
}

void USBManager::slotReadReady()
{
    if (!m_port)
        return;
    const QByteArray bytes = m_port->readAll();
    emit signalWriteMessage(QString::fromLatin1(bytes.toHex()), 0);
    const int rejectedBefore = rejectedFrames();
    const QByteArray frame = checkData(bytes);
    if (rejectedFrames() != rejectedBefore) {
        emit signalTraffic(false, lastRejectedFrame(), false);
        emit signalHealthChanged();
    }
    if (frame.isEmpty())
        return;
    qDebug().noquote() << "IN: " << frame.toHex(' ');
    Device::COMMAND command = ReadClock;
    QByteArray payload;
    if (decodeFrame(command, frame, payload) != 0) {
        qDebug() << "Blad transmisji";
        ++m_decodeFailures;
        emit signalTraffic(false, frame, false);
        emit signalHealthChanged();
        return;
    }
    emit signalTraffic(false, frame, true);
    m_lastAnswer.start();
    if (m_headCancelled && m_answerTimer.isActive()) {
        // The answer to a cancelled request: retired, never delivered, no further part asked.
        QMutexLocker locker(&m_queueMutex);
        if (!m_queue.isEmpty())
            m_queue.removeFirst();
        m_attemptCount = 0;
        m_answerTimer.stop();
        m_headCancelled = false;
        m_noAnswerFlag = false;
        locker.unlock();
        emit signalHealthChanged();
        write();
        return;
    }
    const int result = slotReceivedFrame(command, payload);
    // Only the request on the wire is answered; an answer that comes after its request was
    // given up is nobody's.
    QPointer<LinkReply> reply;
    if (m_answerTimer.isActive()) {
        {
            QMutexLocker locker(&m_queueMutex);
            if (!m_queue.isEmpty())
                reply = m_queue.takeFirst().reply;
            m_attemptCount = 0;
            m_answerTimer.stop();
        }
        // The next request, a register's next part among them, goes out at once: waiting
        // for the queue's tick after every answer adds up over a reading of many requests.
        write();
    }
    emit signalHealthChanged();
    if (m_progressPending) {
        m_progressPending = false;
        const int part = m_progressPart;
        const int count = m_progressCount;
        const int bytes = m_multiPartAnswer.size();
        deliver([this, reply, part, count, bytes] {
            emit signalTransferProgress(part, count, bytes);
            if (reply)
                emit reply->progress(part, count, bytes);
        });
    }
    if (command == EventLogPart && result == 2 && m_transferActive) {
        // No further part is asked for after a malformed one: the read cannot complete.
        withdrawWhere([](const Entry &entry) { return commandOf(entry.frame) == ReadEventLog; });
        abandonTransfer();
        deliver([this] { emit signalRequestDropped(ReadEventLog); });
        endLater(reply, LinkReply::Dropped, QString());
        return;
    }
    if (result != 0)
        return;
    if (command == EventLogPart)
        m_transferActive = false;
    const QByteArray answer = command == EventLogPart ? m_multiPartAnswer : m_singleAnswer;
    deliver([this, reply, command, answer] {
        emit signalReceivedPacket(command, answer);
        if (command == ClockData)
            emit signalUnitClock(answer);
        if (!reply)
            return;
        if (command == reply->expectedAnswer())
            reply->end(LinkReply::Answered, answer);
        else
            reply->end(LinkReply::Unexpected, QByteArray(),
                       tr("Centrala odpowiedziała poleceniem %1 zamiast %2.")
                               .arg(int(command))
                               .arg(int(reply->expectedAnswer())));
    });
}

// A window may open a modal dialog on an answer. Run from inside readyRead, its event loop
// would get no further readyRead from the port until it closed: requests would go out
// unanswered, be repeated and dropped, and the bytes piled up meanwhile would be assembled out
// of step. Answers therefore reach the windows from the event loop, after this slot returned.
void USBManager::deliver(std::function<void()> emission)
{
    QMetaObject::invokeMethod(this, std::move(emission), Qt::QueuedConnection);
}

void USBManager::slotCommandTimeout()
{
    if (!m_answerTimer.isActive())
        write();
}
