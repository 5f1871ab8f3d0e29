#include "modulefactory.h"

#include "modul.h"
#include "modules/acl.h"
#include "modules/ctm.h"
#include "modules/lnm.h"
#include "modules/psb.h"
#include "modules/psl.h"
#include "modules/psr.h"
#include "modules/psv.h"
#include "modules/rla.h"
#include "modules/rlh.h"
#include "modules/sca.h"
#include "modules/scb.h"
#include "modules/scc.h"
#include "modules/scd.h"
#include "modules/sce.h"
#include "modules/scf.h"
#include "modules/scg.h"

#include <QCoreApplication>

namespace {

template<class T>
Modul *create(quint8 number)
{
    return new T(number);
}

struct ModuleType
{
    int type;
    const char *shortName;
    Modul *(*create)(quint8 number);
    QString (*faultText)(quint8 code);
    void (*initFaultTexts)();
    // Some classes fill their table once at start-up; the others only on construction.
    bool filledAtStartup;
};

#define OSTREL_MODULE(code, Class, startup) \
    { code, QT_TRANSLATE_NOOP("Modul", #Class), &create<Class>, &Class::faultText, \
      &Class::initFaultTexts, startup }

const ModuleType moduleTypes[] = {
    OSTREL_MODULE(0x45, SCF, false),
    OSTREL_MODULE(0x50, SCD, false),
    OSTREL_MODULE(0x51, SCG, false),
    OSTREL_MODULE(0x53, SCE, false),
    OSTREL_MODULE(0x55, SCB, false),
    OSTREL_MODULE(0x56, SCC, false),
    OSTREL_MODULE(0x57, SCA, false),
    OSTREL_MODULE(0x80, RLH, true),
    OSTREL_MODULE(0x83, PSR, true),
    OSTREL_MODULE(0x90, LNM, true),
    OSTREL_MODULE(0xA0, CTM, true),
    OSTREL_MODULE(0xB0, PSV, true),
    OSTREL_MODULE(0xC0, RLA, true),
    OSTREL_MODULE(0xD0, ACL, true),
    OSTREL_MODULE(0xE0, PSB, true),
    OSTREL_MODULE(0xF0, PSL, false),
};

#undef OSTREL_MODULE

const ModuleType *findType(int type)
{
    for (const ModuleType &entry : moduleTypes) {
        if (entry.type == type)
            return &entry;
    }
    return nullptr;
}

} // namespace

Modul *createModule(int type, quint8 number)
{
    const ModuleType *entry = findType(type);
    return entry ? entry->create(number) : nullptr;
}

QString moduleName(int type)
{
    const ModuleType *entry = findType(type);
    return entry ? QCoreApplication::translate("Modul", entry->shortName)
                 : QStringLiteral("-");
}

QString faultText(int type, quint8 code)
{
    const ModuleType *entry = findType(type);
    return entry ? entry->faultText(code) : Modul::faultText(code);
}

void initFaultTextTables()
{
    Modul::initFaultTexts();
    for (const ModuleType &entry : moduleTypes) {
        if (entry.filledAtStartup)
            entry.initFaultTexts();
    }
}
