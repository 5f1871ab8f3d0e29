#include "konfiguracja.h"

#include "config/configlog.h"
#include "modul.h"
#include "modulefactory.h"

#include <QDebug>
#include <QSet>
#include <QVector>

Q_LOGGING_CATEGORY(lcConfig, "ostrel.config")

void ModuleGroup::select(int key)
{
    m_selectedKey = key;
    for (auto it = m_members.cbegin(); it != m_members.cend(); ++it) {
        const bool chosen = it.key() == key;
        it.value()->setSelected(chosen);
        it.value()->setDeclared(chosen);
    }
}

Konfiguracja::Konfiguracja(QObject *parent) : QObject(parent) {}

Konfiguracja::Konfiguracja(QString name, QObject *parent) : QObject(parent), m_name(std::move(name))
{
    for (int type : {0xE0, 0xD0, 0xF0, 0x83}) {
        if (Modul *module = createModule(type, 1))
            m_modules.append(module);
    }
}

Konfiguracja::~Konfiguracja()
{
    qDeleteAll(m_modules);
}

namespace {

// How one record of an image is read: where it starts, how long its header is, the length it
// declares and how many payload bytes it really has, and whether a stray copy of the next
// record's first byte follows it.
struct RecordReading
{
    int start = 0;
    int headerSize = 3;
    int type = 0;
    quint8 number = 0;
    int declaredLength = 0;
    int payloadSize = 0;
    int consumed = 0; // payload bytes removed from the image (none for a negative length)
    bool countedItself = false;
    bool droppedDuplicate = false;
};

bool isTypeCode(int code)
{
    return moduleName(code) != QLatin1String("-");
}

// Some unit firmware counts the length byte itself in a module's length, and some repeats the
// first byte of the next record. Either shows only in single bytes that a valid payload may hold
// as well (a time of 85 s is the type code 0x55), so a byte alone cannot decide. The image as a
// whole can: the right reading puts all its records exactly inside it. Where several readings
// fit, the one that trusts the single bytes wins; where none fits, the image is not valid.
class ImageLayout
{
public:
    ImageLayout(const QByteArray &image, int count, Konfiguracja::ConfigSource source)
        : m_image(image), m_count(count), m_source(source)
    {
    }

    bool findFitting(QVector<RecordReading> *readings)
    {
        readings->clear();
        m_failed.clear();
        return fit(0, 0, true, readings);
    }

    // The byte-by-byte reading, for images that fit no reading: the records up to the first
    // header that cannot be read. False when it stopped there.
    bool readByBytes(QVector<RecordReading> *readings) const
    {
        readings->clear();
        bool check = true;
        int pos = 0;
        for (int record = 0; record < m_count; ++record) {
            RecordReading r;
            if (!readHeader(pos, &r))
                return false;
            const int rest = m_image.size() - pos - r.headerSize;
            r.payloadSize = r.declaredLength;
            if (r.declaredLength >= 0 && check && r.declaredLength < rest) {
                if (endsOnTypeCode(r))
                    --r.payloadSize, r.countedItself = true;
                else
                    check = false;
            }
            r.payloadSize = qBound(0, r.payloadSize, rest);
            r.consumed = r.declaredLength < 0 ? 0 : r.payloadSize;
            pos += r.headerSize + r.consumed;
            r.droppedDuplicate = hasDuplicate(pos);
            pos += r.droppedDuplicate ? 1 : 0;
            readings->append(r);
        }
        return true;
    }

private:
    bool readHeader(int pos, RecordReading *r) const
    {
        if (pos + 3 > m_image.size())
            return false;
        r->start = pos;
        r->type = quint8(m_image.at(pos));
        r->number = quint8(m_image.at(pos + 1));
        if (r->type == Konfiguracja::TwoByteLengthType) {
            if (pos + 4 > m_image.size())
                return false;
            r->headerSize = 4;
            r->declaredLength = quint8(m_image.at(pos + 2)) * 256 + quint8(m_image.at(pos + 3));
        } else {
            r->declaredLength = qint8(m_image.at(pos + 2));
        }
        // Type codes of 0x80 and above are negative as signed bytes; the factory knows them as
        // unsigned codes.
        return isTypeCode(r->type);
    }

    // Only the codes below 0x80 can match here: the byte is looked up as a signed value.
    bool endsOnTypeCode(const RecordReading &r) const
    {
        if (r.declaredLength <= 0)
            return false;
        return isTypeCode(qint8(m_image.at(r.start + r.headerSize + r.declaredLength - 1)));
    }

    bool hasDuplicate(int pos) const
    {
        return m_image.size() - pos >= 3 && m_image.at(pos) == m_image.at(pos + 1);
    }

    bool tailFits(int pos) const
    {
        const int rest = m_image.size() - pos;
        if (rest == 0)
            return true;
        // The store form ends with its group section: a count and two bytes per group.
        return m_source == Konfiguracja::FromDatabase && rest == 1 + 2 * quint8(m_image.at(pos));
    }

    bool fit(int record, int pos, bool check, QVector<RecordReading> *readings)
    {
        if (record == m_count)
            return tailFits(pos);
        const qint64 key = (qint64(record) * (m_image.size() + 1) + pos) * 2 + (check ? 1 : 0);
        if (m_failed.contains(key))
            return false;

        RecordReading r;
        if (readHeader(pos, &r)) {
            const int rest = m_image.size() - pos - r.headerSize;
            struct Choice
            {
                int payloadSize;
                bool countedItself;
                bool checkAfter;
            };
            QVector<Choice> choices;
            if (r.declaredLength < 0)
                choices.append({0, false, check});
            else if (check && r.declaredLength < rest) {
                if (endsOnTypeCode(r))
                    choices.append({r.declaredLength - 1, true, true});
                choices.append({r.declaredLength, false, false});
            } else if (r.declaredLength <= rest) {
                choices.append({r.declaredLength, false, check});
            }
            for (const Choice &choice : qAsConst(choices)) {
                r.payloadSize = choice.payloadSize;
                r.countedItself = choice.countedItself;
                r.consumed = r.declaredLength < 0 ? 0 : choice.payloadSize;
                const int next = pos + r.headerSize + r.consumed;
                const bool duplicate = hasDuplicate(next);
                for (bool drop : {true, false}) {
                    if (drop && !duplicate)
                        continue;
                    r.droppedDuplicate = drop;
                    readings->append(r);
                    if (fit(record + 1, next + (drop ? 1 : 0), choice.checkAfter, readings))
                        return true;
                    readings->removeLast();
                }
            }
        }
        m_failed.insert(key);
        return false;
    }

    const QByteArray &m_image;
    const int m_count;
    const Konfiguracja::ConfigSource m_source;
    QSet<qint64> m_failed;
};

} // namespace

bool Konfiguracja::parse(QByteArray image, Konfiguracja::ConfigSource source)
{
    if (image.isEmpty())
        return true;
    const int count = qint8(image.at(0));
    image.remove(0, 1);
    if (count <= 0)
        return true;

    ImageLayout layout(image, count, source);
    QVector<RecordReading> readings;
    const bool fits = layout.findFitting(&readings);
    // What fits no reading is still shown as far as it can be read, and reported as failed.
    if (!fits)
        layout.readByBytes(&readings);

    for (const RecordReading &r : qAsConst(readings)) {
        Modul *module = createModule(r.type, r.number);
        if (!module)
            return false;
        if (source == FromDevice)
            module->setDataLength(r.declaredLength);
        if (r.countedItself)
            qCDebug(lcConfig) << "Warning: modul size include length";
        module->parse(image.mid(r.start + r.headerSize, r.payloadSize));
        m_modules.append(module);
    }
    return fits;
}

QByteArray Konfiguracja::toByteArray(Konfiguracja::ConfigSource source)
{
    QByteArray image;
    for (Modul *module : qAsConst(m_modules)) {
        QByteArray payload = module->toByteArray();
        // Until an image has been read from the unit its lengths are unknown (0); sending the
        // whole payload then is safe, an empty one would wipe the module's settings.
        if (source == FromDevice && module->getDataLength() > 0)
            payload = payload.left(module->getDataLength());
        const int type = module->getType();
        image.append(char(type & 0xFF));
        image.append(char(module->getNumber()));
        if (type == TwoByteLengthType)
            image.append(char((payload.size() >> 8) & 0xFF));
        image.append(char(payload.size() & 0xFF));
        image.append(payload);
    }
    image.prepend(char(m_modules.size() & 0xFF));
    if (source == FromDatabase) {
        image.append(char(m_groups.size() & 0xFF));
        for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it) {
            image.append(char(it.key() & 0xFF));
            image.append(char(it.value()->selectedKey() & 0xFF));
        }
    }
    return image;
}

QString Konfiguracja::toHtml()
{
    QString html = QStringLiteral("<html><head><link rel='stylesheet' type='text/css' "
                                  "href='format.css'></head><body><H2>")
            + tr("Konfiguracja Ostrel: %1").arg(m_name.toHtmlEscaped()) + QLatin1String("</H2>");
    for (Modul *module : qAsConst(m_modules))
        html += module->configToHtml();
    html += QLatin1String("</body></html>");
    return html;
}

void Konfiguracja::addModule(Modul *module)
{
    if (module)
        m_modules.append(module);
}

Modul *Konfiguracja::getModule(int index) const
{
    if (index < 0 || index >= m_modules.size())
        return nullptr;
    return m_modules.at(index);
}
