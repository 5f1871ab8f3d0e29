#include "modulecatalog.h"

namespace sim {

namespace {

QVector<quint8> range(int first, int last)
{
    QVector<quint8> indexes;
    for (int i = first; i <= last; ++i)
        indexes.append(quint8(i));
    return indexes;
}

QVector<quint8> ranges(int first, int last, int first2, int last2)
{
    return range(first, last) + range(first2, last2);
}

const QList<ModuleKind> &kinds()
{
    static const QList<ModuleKind> table = {
        {0x45, "SCF", 2, 32, {}},
        {0x50, "SCD", 86, 18, range(0, 17)},
        {0x51, "SCG", 66, 12, {}},
        {0x53, "SCE", 70, 8, {}},
        {0x55, "SCB", 400, 110, {}},
        {0x56, "SCC", 2, 32, {}},
        {0x57, "SCA", 63, 33, {}},
        {0x80, "RLH", 63, 16, ranges(0, 3, 14, 15)},
        {0x83, "PSR", 0, 16, {}},
        {0x90, "LNM", 47, 32, ranges(0, 17, 30, 31)},
        {0xA0, "CTM", 31, 32, ranges(0, 20, 30, 31)},
        {0xB0, "PSV", 1, 16, ranges(0, 9, 14, 15)},
        {0xC0, "RLA", 63, 16, ranges(0, 7, 14, 15)},
        {0xD0, "ACL", 1, 1, range(0, 0)},
        {0xE0, "PSB", 32, 35, ranges(0, 9, 11, 21)},
        {0xF0, "PSL", 77, 12, range(0, 11)},
    };
    return table;
}

// A module payload under construction: big-endian fields poked in at their offsets.
class Payload
{
public:
    explicit Payload(int size) : m_bytes(size, '\0') {}

    Payload &set(int offset, int size, quint32 value)
    {
        for (int i = size - 1; i >= 0; --i) {
            m_bytes[offset + i] = char(value & 0xFF);
            value >>= 8;
        }
        return *this;
    }

    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

ModuleRecord record(quint8 type, quint8 number, const Payload &payload)
{
    return ModuleRecord{type, number, payload.bytes()};
}

// --- Power and communication modules --------------------------------------------------------

ModuleRecord psb()
{
    Payload p(32);
    p.set(0, 2, 28);    // battery capacity, Ah
    p.set(2, 1, 1);     // PU: fault + Tarven B
    p.set(3, 1, 2);     // PK: timed
    p.set(4, 1, 1);     // PK criterion: LK1
    p.set(5, 4, 30);    // PK T1
    p.set(9, 4, 180);   // PK T2
    p.set(13, 4, 5);    // PK T3
    p.set(21, 1, 1);    // PK continuity check
    p.set(22, 1, 2);    // LK1 three-state
    p.set(23, 1, 1);    // LK2 two-state
    p.set(24, 1, 1);    // RS232: Modbus
    p.set(25, 1, 5);    // 19200 baud
    p.set(26, 1, 17);   // Modbus address
    p.set(27, 4, 10);   // Modbus time-out
    return record(0xE0, 1, p);
}

ModuleRecord acl()
{
    return record(0xD0, 1, Payload(1).set(0, 1, 1));
}

ModuleRecord psl()
{
    Payload p(77);
    p.set(0, 1, 1);
    struct Line { int mode, criterion; quint32 t1, t2, t3, pulses; int continuity; };
    const Line lines[4] = {
        {2, 1, 5, 60, 1, 0, 1},
        {3, 2, 0, 2, 3, 0, 1},
        {0, 0, 0, 0, 0, 0, 0},
        {4, 3, 0, 1, 1, 10, 0},
    };
    for (int n = 0; n < 4; ++n) {
        const int b = 1 + 19 * n;
        const Line &l = lines[n];
        p.set(b, 1, l.mode).set(b + 1, 1, l.criterion).set(b + 2, 4, l.t1).set(b + 6, 4, l.t2);
        p.set(b + 10, 4, l.t3).set(b + 14, 4, l.pulses).set(b + 18, 1, l.continuity);
    }
    return record(0xF0, 1, p);
}

ModuleRecord psr()
{
    return record(0x83, 1, Payload(0));
}

// --- Smoke-vent family -----------------------------------------------------------------------

ModuleRecord ctm()
{
    Payload p(31);
    p.set(0, 1, 1);     // external alarm input CSP
    p.set(1, 1, 1);     // PKA continuity
    p.set(2, 2, 30);    // PKA delay Top
    p.set(4, 1, 1);     // rain/wind automation
    p.set(5, 1, 1);     // LNM 1 fed by PSV 1
    p.set(6, 1, 2);     // LNM 2 fed by PSV 2
    p.set(13, 1, 1);    // BZ7x shows the whole unit
    p.set(14, 1, 1);    // keep the battery in alarm
    p.set(15, 1, 1);    // ventilation buttons LNM1 -> LNM2
    p.set(22, 1, 3);    // scenario
    p.set(23, 1, 1);    // ventilation buttons LNM1 -> RLH1 PK1
    return record(0xA0, 1, p);
}

ModuleRecord lnm(quint8 number)
{
    Payload p(47);
    const bool first = number == 1;
    p.set(0, 1, 1);                 // declared
    p.set(1, 1, first ? 8 : 4);     // group current
    p.set(2, 1, 1);                 // conventional detection line
    p.set(3, 1, first ? 1 : 0);     // detector pre-reset
    p.set(4, 1, 1);                 // BZ7x release line
    p.set(5, 1, 1);                 // BZ7x reset line
    p.set(6, 1, first ? 1 : 2);     // output mode
    p.set(7, 1, first ? 4 : 1);     // output criterion
    p.set(8, 1, first ? 0 : 1);     // three-wire control
    p.set(9, 1, 1);                 // supply continuity
    p.set(14, 4, first ? 60 : 90);  // T2
    p.set(26, 1, 1);                // limit switches checked
    p.set(27, 1, 1);                // limit switch continuity
    p.set(29, 1, first ? 1 : 0);    // forcing
    p.set(30, 1, 2);                // ventilation buttons mode
    p.set(31, 1, 1);                // weather blocking
    p.set(32, 1, 30);               // Tp1
    p.set(33, 4, 900);              // Tp2
    p.set(36 + number, 1, 1);       // own zone: general alarm
    p.set(45, 2, first ? 10 : 0);   // TKA
    return record(0x90, number, p);
}

ModuleRecord rla()
{
    Payload p(63);
    p.set(0, 1, 1);
    p.set(1, 1, 2).set(2, 1, 1).set(3, 4, 10).set(7, 4, 120).set(19, 1, 1);          // PK1
    p.set(20, 1, 4).set(21, 1, 10).set(26, 4, 5).set(30, 4, 5).set(34, 4, 3);         // PK2
    p.set(39, 1, 1).set(40, 1, 30);     // LK1
    p.set(41, 1, 3);                    // LK2
    p.set(43, 1, 1);                    // PK1 zone LNM 1
    p.set(52, 1, 4);                    // PK2 zone LNM 2
    p.set(59, 2, 15);                   // PK1 TKA
    return record(0xC0, 1, p);
}

ModuleRecord rlh()
{
    Payload p(63);
    p.set(0, 1, 1);
    p.set(1, 1, 1).set(2, 1, 1);                                  // PK1
    p.set(19, 1, 5).set(20, 1, 2).set(25, 4, 90);                 // PK2
    p.set(37, 1, 1).set(38, 1, 20);                               // LK1
    p.set(41, 1, 1).set(50, 1, 2);                                // zones
    p.set(57, 2, 20);                                             // PK1 TKA
    p.set(61, 1, 30);                                             // PK1 TP, minutes
    return record(0x80, 1, p);
}

ModuleRecord psv(quint8 number)
{
    return record(0xB0, number, Payload(1).set(0, 1, 1));
}

// --- Extinguishing family --------------------------------------------------------------------

ModuleRecord sca()
{
    Payload p(63);
    p.set(0, 1, 1);     // retry the alarm devices
    // Zone 1
    p.set(1, 2, 30).set(3, 2, 60).set(5, 2, 30).set(7, 2, 600).set(9, 1, 1);
    p.set(11, 1, 2).set(12, 1, 1).set(13, 1, 1).set(14, 1, 1);   // group 1: 2 of L11-L13
    p.set(18, 1, 1).set(22, 1, 1).set(23, 1, 1);                 // group 2: 1 of L14-L15
    // Zone 2
    p.set(34, 2, 30).set(36, 2, 10).set(38, 2, 300).set(41, 1, 2);
    p.set(42, 1, 1).set(43, 1, 1);                               // group 1: L11
    return record(0x57, 1, p);
}

ModuleRecord scb(quint8 number)
{
    Payload p(400);
    const int zone = number == 1 ? 0 : 1;
    p.set(0, 1, 1);         // declared (fixed for number 1, chosen for the others)
    p.set(1, 1, number);    // address
    QList<int> bases;
    for (int n = 1; n <= 6; ++n)
        bases.append(2 + 9 * (n - 1));
    for (int n = 7; n <= 10; ++n)
        bases.append(56 + 23 * (n - 7));
    for (int n = 11; n <= 16; ++n)
        bases.append(148 + 25 * (n - 11));
    for (int m = 1; m <= 6; ++m)
        bases.append(298 + 17 * (m - 1));
    for (int i = 0; i < bases.size(); ++i) {
        p.set(bases[i], 1, zone);
        if (i >= 6 && i < 16)
            p.set(bases[i] + 13, 1, 1);     // output signal type of L7-L16
        else if (i >= 16)
            p.set(bases[i] + 6, 1, 1);      // output signal type of PK1-PK6
    }
    // L1: declared control line, function 3, two states, delay X 10 s
    p.set(3, 1, 1).set(4, 1, 3).set(5, 1, 1).set(6, 1, 1).set(7, 2, 10);
    // L2: declared, function 5
    p.set(12, 1, 1).set(13, 1, 5);
    // L7: output, group 1, criterion 4, steady pulse train
    p.set(57, 1, 2).set(65, 1, 1).set(66, 1, 4).set(69, 1, 2);
    p.set(70, 2, 5).set(74, 2, 1).set(76, 2, 1).set(78, 1, 3);
    // L11: detection line with pre-reset and delay
    p.set(149, 1, 3).set(171, 1, 1).set(172, 1, 1);
    // PK1: declared, group 2, criterion 6, Ton 30 s, continuity checked
    p.set(299, 1, 1).set(300, 1, 2).set(301, 1, 6).set(305, 2, 30).set(314, 1, 1);
    if (number == 2)
        p.set(399, 1, 1);   // PK6 continuity
    return record(0x55, number, p);
}

ModuleRecord addressOnly(quint8 type, quint8 address)
{
    return record(type, 1, Payload(2).set(0, 1, 1).set(1, 1, address));
}

ModuleRecord scd()
{
    Payload p(86);
    p.set(0, 1, 1).set(1, 1, 4);
    // PK1 at 2, PK2 at 19: relay blocks
    p.set(3, 1, 1).set(4, 1, 1).set(5, 1, 2).set(8, 1, 1).set(11, 2, 10).set(18, 1, 1);
    p.set(25, 1, 1);
    // L3 at 36: control line
    p.set(37, 1, 1).set(38, 1, 2).set(39, 1, 1).set(40, 1, 1).set(41, 2, 5);
    // L5 at 54, L6 at 70: potential lines
    p.set(55, 1, 1).set(56, 1, 1).set(57, 1, 3).set(58, 1, 1).set(60, 1, 2).set(61, 2, 15);
    p.set(76, 1, 1);
    return record(0x50, 1, p);
}

ModuleRecord sce()
{
    Payload p(70);
    p.set(0, 1, 1).set(1, 1, 5);
    for (int m = 0; m < 4; ++m)
        p.set(2 + 17 * m + 6, 1, 1);
    p.set(3, 1, 1).set(4, 1, 2).set(5, 1, 7).set(18, 1, 1);      // PK1
    p.set(37, 1, 2).set(42, 1, 3).set(47, 2, 120);               // PK3
    return record(0x53, 1, p);
}

ModuleRecord scg()
{
    Payload p(66);
    p.set(0, 1, 1).set(1, 1, 7);
    for (int n = 0; n < 4; ++n)
        p.set(2 + 16 * n + 6, 1, 1);
    p.set(3, 1, 1).set(4, 1, 1).set(5, 1, 5).set(9, 2, 60);      // L1
    p.set(51, 1, 2).set(56, 1, 4).set(65, 1, 5);                 // L4
    return record(0x51, 1, p);
}

FittedModule fitted(const ModuleRecord &r, QVector<int> faults, quint8 version)
{
    return FittedModule{r, faults, version};
}

} // namespace

const ModuleKind *moduleKind(quint8 type)
{
    for (const ModuleKind &kind : kinds()) {
        if (kind.type == type)
            return &kind;
    }
    return nullptr;
}

// Each preset has exactly one module without faults, so a faults report must leave one out.
PresetContents presetContents(SimOptions::Preset preset)
{
    PresetContents c;
    switch (preset) {
    case SimOptions::Preset::Basic:
        c.modules = {
            fitted(psb(), {17, 21}, 0x23),
            fitted(acl(), {}, 0x11),
            fitted(psl(), {5}, 0x1A),
            fitted(psr(), {0}, 0x05),
        };
        c.emptySlot = 2;
        c.hasSignalLines = true;
        break;
    case SimOptions::Preset::SmokeVent:
        c.modules = {
            fitted(ctm(), {20}, 0x31),
            fitted(lnm(1), {}, 0x24),
            fitted(lnm(2), {1, 8}, 0x24),
            fitted(rla(), {4}, 0x12),
            fitted(rlh(), {2}, 0x10),
            fitted(psv(1), {5}, 0x2B),
            fitted(psv(2), {0, 3}, 0x2B),
        };
        c.emptySlot = 3;
        break;
    case SimOptions::Preset::Extinguishing:
        c.modules = {
            fitted(sca(), {10, 15}, 0x40),
            fitted(scb(1), {0, 59}, 0x33),
            fitted(scb(2), {}, 0x33),
            fitted(addressOnly(0x56, 3), {31}, 0x10),
            fitted(scd(), {4}, 0x21),
            fitted(sce(), {2}, 0x20),
            fitted(addressOnly(0x45, 6), {30}, 0x10),
            fitted(scg(), {9}, 0x1C),
        };
        c.emptySlot = 4;
        break;
    }
    return c;
}

// Only type 0x55 carries a two-byte length; every other type one byte.
QByteArray buildImage(const QList<ModuleRecord> &records)
{
    QByteArray image;
    image.append(char(records.size()));
    for (const ModuleRecord &r : records) {
        image.append(char(r.type));
        image.append(char(r.number));
        if (r.type == 0x55)
            image.append(char(r.payload.size() >> 8));
        image.append(char(r.payload.size() & 0xFF));
        image.append(r.payload);
    }
    return image;
}

bool splitImage(const QByteArray &image, QList<ModuleRecord> *records, QString *problem)
{
    records->clear();
    if (image.isEmpty()) {
        *problem = QStringLiteral("empty image");
        return false;
    }
    const int count = quint8(image.at(0));
    if (count > 127) {
        *problem = QStringLiteral("module count %1 above 127").arg(count);
        return false;
    }
    int pos = 1;
    for (int i = 0; i < count; ++i) {
        if (pos + 3 > image.size()) {
            *problem = QStringLiteral("record %1 header past the end").arg(i + 1);
            return false;
        }
        ModuleRecord r;
        r.type = quint8(image.at(pos));
        r.number = quint8(image.at(pos + 1));
        if (!moduleKind(r.type)) {
            *problem = QStringLiteral("record %1 has unknown type 0x%2")
                               .arg(i + 1)
                               .arg(r.type, 2, 16, QLatin1Char('0'));
            return false;
        }
        int length = quint8(image.at(pos + 2));
        pos += 3;
        if (r.type == 0x55) {
            if (pos >= image.size()) {
                *problem = QStringLiteral("record %1 header past the end").arg(i + 1);
                return false;
            }
            length = length * 256 + quint8(image.at(pos));
            ++pos;
        }
        if (pos + length > image.size()) {
            *problem = QStringLiteral("record %1 (%2) payload of %3 bytes past the end")
                               .arg(i + 1)
                               .arg(QLatin1String(moduleKind(r.type)->name))
                               .arg(length);
            return false;
        }
        r.payload = image.mid(pos, length);
        pos += length;
        records->append(r);
    }
    return true;
}

} // namespace sim
