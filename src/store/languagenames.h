#pragma once

#include <QString>

// The language chooser shows each language by its own name. The stored rows of the language
// table keep their historic names (upper case, a country instead of a language, a misspelling);
// this maps them for display and leaves any other name as stored.
QString languageOwnName(const QString &storedName);
