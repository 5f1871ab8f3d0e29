#include "konfiguracja.h"

#include "modul.h"
#include "modulefactory.h"

#include <QDebug>

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

// Some unit firmware counts the length byte itself in a module's length. We detect it by
// looking at the last byte of the declared payload: when that byte is a known type code, the
// payload really ended one byte earlier and the next record starts there. The first record that
// does not look like this switches the check off for the rest of the image.
bool Konfiguracja::parse(QByteArray image, Konfiguracja::ConfigSource source)
{
    if (image.isEmpty())
        return true;
    const int count = qint8(image.at(0));
    image.remove(0, 1);
    if (count <= 0)
        return true;

    bool lengthCheck = true;
    for (int record = 0; record < count; ++record) {
        if (image.size() < 3)
            return false;
        const int type = quint8(image.at(0));
        const quint8 number = quint8(image.at(1));
        int length = 0;
        if (type == TwoByteLengthType) {
            if (image.size() < 4)
                return false;
            length = quint8(image.at(2)) * 256 + quint8(image.at(3));
        } else {
            length = qint8(image.at(2));
        }
        Modul *module = createModule(type, number);
        if (!module)
            return false;
        image.remove(0, type == TwoByteLengthType ? 4 : 3);
        if (source == FromDevice)
            module->setDataLength(length);

        if (lengthCheck && quint32(length) < quint32(image.size())) {
            if (length > 0 && moduleName(qint8(image.at(length - 1))) != QLatin1String("-")) {
                qDebug() << "Warning: modul size include length";
                --length;
            } else {
                lengthCheck = false;
            }
        }

        // A negative one-byte length gives an empty payload and consumes nothing.
        if (length > 0) {
            module->parse(image.left(length));
            image.remove(0, length);
        } else {
            module->parse(QByteArray());
        }

        if (image.size() >= 3 && image.at(0) == image.at(1))
            image.remove(0, 1);

        m_modules.append(module);
    }
    return true;
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
            + tr("Konfiguracja Ostrel: %1").arg(m_name) + QLatin1String("</H2>");
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
