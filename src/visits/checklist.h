#pragma once

#include "visits/visitdata.h"

#include <QList>
#include <QStringList>

#include <functional>

class Konfiguracja;

enum class ModuleFamily { Power, Line, Relay, Extinguishing, Other };

ModuleFamily moduleFamily(int type);
// The template section of a module family ("power", ...), empty for a family without checks.
QString familySection(ModuleFamily family);
// Every template section in the checklist's order, and its title.
QStringList checkSections();
QString checkSectionText(const QString &section);
// The shipped rows of a section, in the interface's language: what the company starts from.
// The store keeps their texts as keys, whatever language they were shown in (TextKeys).
QList<CheckTemplateRow> defaultCheckTemplates(const QString &section);

// A checklist text as the store keeps it, and as the interface shows it: a shipped text in
// any language becomes its key and is shown in the language of the moment; a text somebody
// typed stays as typed.
QString storedCheckText(const QString &text);
QString shownCheckText(const QString &text);

// The modules in the configuration's order, as the technician finds them in the unit.
ModuleSet modulesInOrder(const Konfiguracja &configuration);

// The checklist of a unit: the general rows, then for each module present the rows of its
// family's template, then the field devices; retired rows are left out; numbered from 1.
QList<CheckRow> buildChecklist(const ModuleSet &modules,
                               const std::function<QList<CheckTemplateRow>(const QString &)>
                                       &templates);
// The same from the shipped templates.
QList<CheckRow> buildChecklist(const ModuleSet &modules);
QList<CheckRow> buildChecklist(const Konfiguracja &configuration);
