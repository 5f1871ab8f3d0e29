#pragma once

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/setting.h"

#include <QByteArray>
#include <QList>

namespace fuzz {

// A module as the technician sees it: identity and every setting's value, in order.
inline QByteArray valuesOf(Modul *module)
{
    QByteArray text = QByteArray::number(module->getType(), 16) + "/"
            + QByteArray::number(module->getNumber()) + ":";
    for (const Setting *setting : module->getSettings())
        text += " " + QByteArray::number(setting->getValue());
    return text;
}

inline QByteArray valuesOf(const Konfiguracja &config)
{
    QByteArray text;
    for (Modul *module : config.getModules())
        text += valuesOf(module) + "\n";
    return text;
}

// A serialised image that a parser cannot read back unambiguously: a one-byte length of 128
// or more reads as negative, a payload whose last byte is a type code may be taken for one that
// counted its own length byte, and a record whose type equals its number looks like a stray
// duplicate. Such images are valid, but reading them back need not give the same values.
inline bool isAmbiguous(const QByteArray &image)
{
    if (image.isEmpty())
        return false;
    const int count = qint8(image.at(0));
    int position = 1;
    bool lengthCheck = true;
    for (int record = 0; record < count; ++record) {
        if (image.size() - position < 3)
            return true;
        const int type = quint8(image.at(position));
        const bool wide = type == Konfiguracja::TwoByteLengthType;
        if (wide && image.size() - position < 4)
            return true;
        const auto byte = [&](int offset) { return int(quint8(image.at(position + offset))); };
        const int length = wide ? byte(2) * 256 + byte(3) : byte(2);
        if (!wide && length >= 0x80)
            return true;
        position += wide ? 4 : 3;
        const int remaining = image.size() - position;
        if (lengthCheck && length < remaining) {
            const bool endsOnTypeCode = length > 0
                    && moduleName(qint8(image.at(position + length - 1))) != QLatin1String("-");
            if (endsOnTypeCode)
                return true;
            lengthCheck = false;
        }
        position += length;
        if (image.size() - position >= 3 && image.at(position) == image.at(position + 1))
            return true;
    }
    return false;
}

} // namespace fuzz
