#include "store/textkeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

struct Catalogues
{
    QMutex mutex;
    bool loaded = false;
    std::vector<std::unique_ptr<QTranslator>> translators;
    // Per context: every translation of every key asked about so far, mapped to its key.
    QHash<QString, QHash<QString, QString>> known;
    QHash<QString, QSet<QString>> indexed;
    QHash<QString, QStringList> given;
};

Catalogues &catalogues()
{
    static Catalogues instance;
    return instance;
}

void loadCatalogues(Catalogues &c)
{
    if (c.loaded)
        return;
    c.loaded = true;
    // Shipped beside the program, where start-up loads the interface's one from.
    const QDir dir(QCoreApplication::applicationDirPath());
    const QStringList files = dir.entryList({QStringLiteral("konfigurator_*.qm")}, QDir::Files,
                                            QDir::Name);
    for (const QString &file : files) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(dir.filePath(file)))
            c.translators.push_back(std::move(translator));
    }
}

} // namespace

namespace TextKeys {

QString keyOf(const char *context, const QStringList &keys, const QString &text)
{
    if (text.isEmpty())
        return QString();
    if (keys.contains(text))
        return text;
    Catalogues &c = catalogues();
    QMutexLocker lock(&c.mutex);
    loadCatalogues(c);
    const QString name = QLatin1String(context);
    QSet<QString> &indexed = c.indexed[name];
    QHash<QString, QString> &known = c.known[name];
    for (const QString &key : keys) {
        if (indexed.contains(key))
            continue;
        indexed.insert(key);
        const QByteArray source = key.toUtf8();
        for (const auto &translator : c.translators) {
            const QString translation = translator->translate(context, source.constData());
            // The first key keeps a translation that two keys share.
            if (!translation.isEmpty() && !known.contains(translation))
                known.insert(translation, key);
        }
    }
    const QString key = known.value(text);
    return keys.contains(key) ? key : QString();
}

QString stored(const char *context, const QStringList &keys, const QString &text)
{
    const QString key = keyOf(context, keys, text);
    return key.isEmpty() ? text : key;
}

QString shown(const char *context, const QStringList &keys, const QString &text)
{
    const QString key = keyOf(context, keys, text);
    return key.isEmpty() ? text
                         : QCoreApplication::translate(context, key.toUtf8().constData());
}

void addKeys(const char *context, const QStringList &keys)
{
    Catalogues &c = catalogues();
    QMutexLocker lock(&c.mutex);
    QStringList &given = c.given[QLatin1String(context)];
    for (const QString &key : keys) {
        if (!given.contains(key))
            given.append(key);
    }
}

QStringList keys(const char *context)
{
    Catalogues &c = catalogues();
    QMutexLocker lock(&c.mutex);
    return c.given.value(QLatin1String(context));
}

} // namespace TextKeys
