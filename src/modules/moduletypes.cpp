#include "modules/moduletypes.h"

#include "config/modulefactory.h"
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

#include <iterator>

namespace {

template<class T>
Modul *create(quint8 number)
{
    return new T(number);
}

#define OSTREL_MODULE(code, Class) \
    { code, QT_TRANSLATE_NOOP("Modul", #Class), &create<Class>, &Class::faultText, \
      &Class::initFaultTexts }

const ModuleType moduleTypes[] = {
    OSTREL_MODULE(0x45, SCF),
    OSTREL_MODULE(0x50, SCD),
    OSTREL_MODULE(0x51, SCG),
    OSTREL_MODULE(0x53, SCE),
    OSTREL_MODULE(0x55, SCB),
    OSTREL_MODULE(0x56, SCC),
    OSTREL_MODULE(0x57, SCA),
    OSTREL_MODULE(0x80, RLH),
    OSTREL_MODULE(0x83, PSR),
    OSTREL_MODULE(0x90, LNM),
    OSTREL_MODULE(0xA0, CTM),
    OSTREL_MODULE(0xB0, PSV),
    OSTREL_MODULE(0xC0, RLA),
    OSTREL_MODULE(0xD0, ACL),
    OSTREL_MODULE(0xE0, PSB),
    OSTREL_MODULE(0xF0, PSL),
};

#undef OSTREL_MODULE

} // namespace

void registerModules()
{
    setModuleTypes(moduleTypes, int(std::size(moduleTypes)));
}
