// The frame assembler against a plain reference of the receive rules, fed the same bytes in
// splits chosen by the input: both must deliver the same frame on the same call.
#include "fuzzsupport.h"

#include "link/device.h"

namespace {

// The receive rules written out as directly as possible: bytes ahead of a start byte go one at
// a time, at most one frame leaves per call, a bad CRC or an oversize length empties the
// buffer, and whatever follows a delivered frame is dropped.
class ReferenceAssembler
{
public:
    QByteArray feed(const QByteArray &data)
    {
        m_buffer += data;
        QByteArray result;
        while (!m_buffer.isEmpty()) {
            if (m_state == 0) {
                if (m_buffer.at(0) == 0x02) {
                    m_state = 1;
                    m_length = 0;
                } else {
                    m_buffer.remove(0, 1);
                }
            } else if (m_state == 1) {
                if (m_buffer.size() < 3)
                    break;
                if (m_length == 0) {
                    m_length = quint8(m_buffer.at(1)) * 256 + quint8(m_buffer.at(2));
                    if (m_length > 2048) {
                        drop();
                        break;
                    }
                }
                if (m_length >= m_buffer.size())
                    break;
                if (fuzz::crc8(m_buffer, m_length) == quint8(m_buffer.at(m_length))) {
                    m_state = 2;
                    result = m_buffer;
                } else {
                    drop();
                    break;
                }
            } else {
                m_buffer.clear();
                m_state = 0;
            }
        }
        return result;
    }

private:
    void drop()
    {
        m_buffer.clear();
        m_state = 0;
        m_length = 0;
    }

    QByteArray m_buffer;
    int m_state = 0;
    int m_length = 0;
};

// Input: two bytes that seed the split sizes, then the byte stream. Reads are mostly short,
// as a serial port delivers them, now and then long, as after a stalled event loop.
void run(const QByteArray &input)
{
    if (input.size() < 2)
        return;
    quint32 state = quint8(input.at(0)) * 256u + quint8(input.at(1)) + 1;
    const QByteArray stream = input.mid(2);
    Device device;
    ReferenceAssembler reference;
    int position = 0;
    int call = 0;
    while (position < stream.size()) {
        state = state * 1103515245u + 12345u;
        const quint32 pick = (state >> 16) & 0x7FFF;
        const int length = (pick % 8 == 0) ? int(pick % 3000) : int(pick % 17);
        const QByteArray chunk = stream.mid(position, length);
        position += chunk.size();
        const QByteArray got = device.checkData(chunk);
        const QByteArray wanted = reference.feed(chunk);
        fuzz::check(got == wanted, "assembler agrees with the reference",
                    "call " + QByteArray::number(call) + ": got " + got.toHex() + " wanted "
                            + wanted.toHex());
        ++call;
    }
}

} // namespace

// The stream may be longer than any frame: the assembler must resynchronise over any length.
const fuzz::Target fuzz::target = {"frame assembly", run};
