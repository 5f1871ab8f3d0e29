#pragma once

#include "link/device.h"
#include "visits/visitdata.h"

#include <QFrame>

#include <memory>

class USBManager;
class VisitStore;
class VisitWindow;

namespace Ui {
class VisitsManagement;
}

// The "Przeglądy" tab: the sites and their units, each unit's visits newest first with their
// reports, and the visit window. An open visit left by a crash or a kill is reopened at start.
class VisitsManagement : public QFrame
{
    Q_OBJECT
public:
    enum HistoryColumn { NumberColumn, TypeColumn, StartedColumn, EndedColumn, StateColumn,
                         VerdictColumn, HistoryColumnCount };

    explicit VisitsManagement(QWidget *parent = nullptr);
    explicit VisitsManagement(USBManager *link, QWidget *parent = nullptr);
    ~VisitsManagement() override;

    VisitStore *store() const { return m_store.get(); }
    VisitWindow *visitWindow() const { return m_visitWindow; }
    // The visit on show, 0 while the list is shown.
    int currentVisit() const;

    // Asks for site, unit and type, then opens the new visit.
    void startVisit();
    void openVisit(int visitId);
    void showList();
    // Rows from the Debug tab go to the open visit on show (or the latest open one); false when
    // there is no open visit.
    bool attachDiagnostics(DiagnosticKind kind, const QList<DiagnosticRow> &rows);
    // A configuration read from the unit elsewhere: its modules are offered when a visit starts.
    void noteUnitConfig(const QByteArray &payload);

private:
    void refreshTree(int selectUnit);
    void fillHistory();
    int selectedHistoryVisit() const;
    void previewSelected();
    // "Sprawdź protokół": a PDF file or a typed digest against the stored protocols.
    void checkProtocol();
    // The listed visits of the unit as CSV, one row each.
    void exportVisits();
    void offerCarryOver(int visitId);

    std::unique_ptr<Ui::VisitsManagement> ui;
    USBManager *m_link = nullptr;
    std::unique_ptr<VisitStore> m_store;
    VisitWindow *m_visitWindow = nullptr;
    // The modules of the last configuration the unit sent, to suggest the unit at the start.
    ModuleSet m_lastModules;
};
