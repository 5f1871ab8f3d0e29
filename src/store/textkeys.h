#pragma once

#include <QString>
#include <QStringList>

// Texts the program writes into the store by itself (checklist rows from the shipped templates,
// the names it gives the records of a visit) are kept as their key: the Polish source text of
// the catalogues. Any reader, an older program or a plain SQLite tool, still reads it as Polish,
// and each interface shows it in its own language. Rows written before kept the text of the
// language of the moment; a text that one of the shipped catalogues gives for a key is taken
// for that key. Anything else is somebody's own text and stays as it is.
namespace TextKeys {

// The key that `text` stands for among `keys` of the catalogue context `context`: the key
// itself, or a key whose translation in any shipped catalogue is `text`; empty when none is.
QString keyOf(const char *context, const QStringList &keys, const QString &text);
// The text to keep in the store: the key of a known text, anything else unchanged.
QString stored(const char *context, const QStringList &keys, const QString &text);
// The text to show: a known text in the interface's language, anything else unchanged.
QString shown(const char *context, const QStringList &keys, const QString &text);

// Keys that a layer above makes (the diagnostics' texts), given once at start-up, and every
// key given so far for a context.
void addKeys(const char *context, const QStringList &keys);
QStringList keys(const char *context);

} // namespace TextKeys
