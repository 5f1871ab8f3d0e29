#pragma once

#include <QString>
#include <QStringList>

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

// The start argument that puts the store in the user's own data folder.
inline const char *userFolderArgument() { return "--user-folder"; }
// The folder of the store for the program's arguments: the working folder, or with
// userFolderArgument() the data folder of the user who starts the program (made when
// missing). Shortcuts made by an installer for all users pass the argument, so each account
// finds its own store whoever installed the program.
QString storeFolder(const QStringList &arguments);
// Opens the store in dir, or tells the user in a message (through the dialog seam) which
// folder failed and why, and returns false.
bool openLocalStoreOrExplain(const QString &dir);
// Why the store in dir cannot be opened, in the user's words.
QString storeOpenFailure(const QString &dir);
// Before a store tells the language: the catalogue of the system's language, if shipped.
bool loadSystemTranslation(QTranslator &translator);
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
