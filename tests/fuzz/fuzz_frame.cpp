// decodeFrame on raw bytes and on frames built from the input, and the multi-part event-log
// handling of the link driven by a sequence of parts, each checked against a model of it.
#include "fuzzsupport.h"

#include "link/usbmanager.h"

#include <QList>

namespace {

void checkRawDecode(USBManager &link, const QByteArray &frame)
{
    Device::COMMAND command = Device::ReadClock;
    QByteArray payload;
    const int result = link.decodeFrame(command, frame, payload);
    const int length = frame.size() >= 3 ? quint8(frame.at(1)) * 256 + quint8(frame.at(2)) : 0;
    const bool good = frame.size() >= 3 && length >= 5 && frame.size() > length
            && fuzz::crc8(frame, length) == quint8(frame.at(length));
    fuzz::check((result == 0) == good, "decodeFrame accepts exactly the frames that check",
                frame.toHex());
    if (good) {
        fuzz::check(payload == frame.mid(5, length - 5) && command == qint8(frame.at(4)),
                    "decodeFrame returns the command and the bytes up to the CRC", frame.toHex());
    } else {
        fuzz::check(payload.isEmpty(), "a rejected frame gives no payload", frame.toHex());
    }
}

// What the link should do with each part, and which request is pending.
struct MultiPartModel
{
    QList<quint8> pending{0}; // part index asked for by each queued request, head first

    int feed(const QByteArray &payload)
    {
        if (pending.isEmpty())
            return 0;
        if (payload.size() < 2)
            return 2;
        const quint8 count = quint8(payload.at(0));
        const quint8 index = quint8(payload.at(1));
        if (index != pending.constFirst())
            return 0;
        if (index + 1 <= count)
            pending.append(quint8(index + 1));
        return qint8(index + 1) != qint8(count) ? 1 : 0;
    }
};

// The link removes the head request when an answer comes while it waits; without a port the
// public way to the same state is to let the request use up its attempts.
void dropHead(USBManager &link)
{
    for (int i = 0; i < USBManager::MaxAttempts; ++i)
        link.write();
    link.slotDataTimerTimeout();
}

// Input: the whole input is first decoded as one raw frame. Then it is read as parts: a length
// byte (its top bit marks a part of another command) followed by that many payload bytes.
void run(const QByteArray &input)
{
    USBManager link;
    checkRawDecode(link, input);

    QByteArray request;
    Device::buildFrame(Device::ReadEventLog, QByteArray(2, '\0'), request);
    link.queueFrame(request);
    MultiPartModel model;
    int position = 0;
    while (position < input.size()) {
        const quint8 head = quint8(input.at(position++));
        const QByteArray payload = input.mid(position, head & 0x7F);
        position += payload.size();
        const Device::COMMAND sent = (head & 0x80) ? Device::FaultsData : Device::EventLogPart;

        QByteArray frame;
        Device::buildFrame(sent, payload, frame);
        Device::COMMAND command = Device::ReadClock;
        QByteArray decoded;
        fuzz::check(link.decodeFrame(command, frame, decoded) == 0 && command == sent
                            && decoded == (payload.isEmpty() ? QByteArray(1, '\x01') : payload),
                    "a built frame decodes to its command and payload", frame.toHex());

        const int expected = sent == Device::EventLogPart ? model.feed(decoded) : 0;
        const int result = link.slotReceivedFrame(command, decoded);
        fuzz::check(result == expected, "multi-part result as modelled",
                    "got " + QByteArray::number(result) + " for " + decoded.toHex());
        fuzz::check(link.queuedCount() == model.pending.size(),
                    "follow-up requests as modelled", decoded.toHex());
        if (!model.pending.isEmpty()) {
            model.pending.removeFirst();
            dropHead(link);
        }
    }
}

} // namespace

const fuzz::Target fuzz::target = {"decodeFrame and the multi-part handling", run,
                                   fuzz::MaxInput};
