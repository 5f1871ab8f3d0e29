#pragma once

#include "link/linkreply.h"
#include "visits/visitdata.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class USBManager;
class VisitStore;

namespace Ui {
class VisitStartDialog;
}

// The start of a visit: the site and the unit, chosen or created (the units whose module set
// matches the connected unit's are offered first), the visit type and the technician, whose
// details come from the last visit. Accepting stores what is new and opens the visit.
class VisitStartDialog : public QDialog
{
    Q_OBJECT
public:
    VisitStartDialog(USBManager *link, VisitStore *store, QWidget *parent = nullptr);
    ~VisitStartDialog() override;

    // The connected unit's modules, when known; fills the suggestions.
    void setModules(const ModuleSet &modules);
    // The visit started on accept, 0 before.
    int visitId() const { return m_visitId; }

    void accept() override;

private:
    void fillSites(int selectSite);
    void fillUnits(int selectUnit);
    void siteChosen();
    void unitChosen();
    void matchChosen();
    void identify();

    std::unique_ptr<Ui::VisitStartDialog> ui;
    USBManager *m_link;
    VisitStore *m_store;
    // The unit being asked for its configuration, to recognise it.
    QPointer<LinkReply> m_identify;
    ModuleSet m_modules;
    int m_visitId = 0;
};
