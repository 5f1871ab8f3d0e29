#pragma once

#include <QString>

class DbManager;
class QTranslator;

// Start-up steps shared by the program and the tests that start it in-process.

// Registers the icons and images compiled into the program. They live in a static library,
// so nothing registers them unless asked to.
void registerResources();
// Opens the local store in dir and creates its missing tables; false when it cannot be opened.
bool openLocalStore(const QString &dir);
// Creates the missing tables of every layer in an open store: the store's own, the visits' and
// the archive's.
void createStoreTables(DbManager &store);
// Loads the translation named by the stored language from the program's directory. False when
// there is none; the interface then stays in Polish.
bool loadTranslation(QTranslator &translator);
// Loads Qt's own catalogue for language (as a catalogue names it, such as "pl_PL"), so that
// standard buttons and dialogs match: from the program's directory, where the package puts
// it, else from Qt's. False when Qt has none for that language; Qt's texts then stay English.
bool loadQtTranslation(QTranslator &translator, const QString &language);
// Makes the interface language the default locale, so that calendars, dates and numbers
// match the texts: the loaded catalogue's language, else Polish, the source language.
void applyInterfaceLocale(const QTranslator &translator);
