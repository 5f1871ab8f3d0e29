#pragma once

#include "host/ostrelexport.h"

#include <QString>

#include <cstddef>

// The interface a host application in the same process uses to open the tool on a store
// directory and to receive, when the user closes it, a summary of one named configuration.
class OSTREL_HOST_EXPORT OstrelInterfaces
{
public:
    // Which of the unit's outputs follow the host's alarm system. The host reads this record
    // by layout, so its size and offsets are fixed.
    struct OstrelConfig
    {
        bool psbDeclared;
        bool pslDeclared;
        int lk1Mode;
        int lk2Mode;
        bool puAlarmDriven;
        bool pkAlarmDriven;
        // LS1 to LS4. Hosts read them at offset 16, where bools alone would land at 14.
        alignas(4) bool lsAlarmDriven[4];
    };

    using DoneFunction = void (*)(OstrelInterfaces::OstrelConfig);

    OstrelInterfaces();
    virtual ~OstrelInterfaces();
    virtual void configToSet(QString name) = 0;
    virtual void exec() = 0;
    virtual void callWhenDone(void (*fn)(OstrelInterfaces::OstrelConfig));

protected:
    DoneFunction m_doneFunction = nullptr;
};

static_assert(sizeof(OstrelInterfaces::OstrelConfig) == 20, "host record is 20 bytes");
static_assert(offsetof(OstrelInterfaces::OstrelConfig, psbDeclared) == 0, "layout");
static_assert(offsetof(OstrelInterfaces::OstrelConfig, pslDeclared) == 1, "layout");
static_assert(offsetof(OstrelInterfaces::OstrelConfig, lk1Mode) == 4, "layout");
static_assert(offsetof(OstrelInterfaces::OstrelConfig, lk2Mode) == 8, "layout");
static_assert(offsetof(OstrelInterfaces::OstrelConfig, puAlarmDriven) == 12, "layout");
static_assert(offsetof(OstrelInterfaces::OstrelConfig, pkAlarmDriven) == 13, "layout");
static_assert(offsetof(OstrelInterfaces::OstrelConfig, lsAlarmDriven) == 16, "layout");

extern "C" {
// The caller owns the returned object and deletes it through the virtual destructor.
OSTREL_HOST_EXPORT OstrelInterfaces *getPSInterface(QString dir);
// Renames the first stored configuration called oldName; returns whether the store opened.
OSTREL_HOST_EXPORT bool changeDBName(QString dir, QString oldName, QString newName);
}
