#include "visitsmanagement.h"
#include "ui_visitsmanagement.h"

#include "checktemplatesdialog.h"
#include "dialogs.h"
#include "protocolcheckdialog.h"
#include "protocolprint.h"
#include "reportdialogs.h"
#include "visitstartdialog.h"
#include "visitwindow.h"
#include "config/konfiguracja.h"
#include "export/filenames.h"
#include "link/usbmanager.h"
#include "visits/visitreport.h"
#include "visits/visitstore.h"

#include <QHeaderView>
#include <QTreeWidgetItem>

namespace {
const char *const HistoryHeaders[VisitsManagement::HistoryColumnCount] = {
        QT_TRANSLATE_NOOP("VisitsManagement", "Numer"),
        QT_TRANSLATE_NOOP("VisitsManagement", "Rodzaj"),
        QT_TRANSLATE_NOOP("VisitsManagement", "Rozpoczęty"),
        QT_TRANSLATE_NOOP("VisitsManagement", "Zakończony"),
        QT_TRANSLATE_NOOP("VisitsManagement", "Stan"),
        QT_TRANSLATE_NOOP("VisitsManagement", "Ocena"),
};
const QString DateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm");
} // namespace

VisitsManagement::VisitsManagement(QWidget *parent) : VisitsManagement(nullptr, parent) {}

VisitsManagement::VisitsManagement(USBManager *link, QWidget *parent)
    : QFrame(parent),
      ui(std::make_unique<Ui::VisitsManagement>()),
      m_link(link),
      m_store(std::make_unique<VisitStore>())
{
    ui->setupUi(this);
    m_visitWindow = new VisitWindow(link, m_store.get(), ui->visitPage);
    ui->visitPage->layout()->addWidget(m_visitWindow);

    ui->historyTable->setColumnCount(HistoryColumnCount);
    for (int column = 0; column < HistoryColumnCount; ++column)
        ui->historyTable->setHorizontalHeaderItem(
                column, new QTableWidgetItem(tr(HistoryHeaders[column])));
    ui->historyTable->horizontalHeader()->setStretchLastSection(true);
    ui->historyTable->verticalHeader()->hide();
    ui->splitter->setStretchFactor(1, 2);

    connect(ui->startButton, &QPushButton::clicked, this, &VisitsManagement::startVisit);
    connect(ui->openButton, &QPushButton::clicked, this, [this] {
        if (const int id = selectedHistoryVisit())
            openVisit(id);
    });
    connect(ui->historyTable, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        if (QTableWidgetItem *item = ui->historyTable->item(row, NumberColumn))
            openVisit(item->data(Qt::UserRole).toInt());
    });
    connect(ui->reportButton, &QPushButton::clicked, this, &VisitsManagement::previewSelected);
    connect(ui->checkButton, &QPushButton::clicked, this, &VisitsManagement::checkProtocol);
    connect(ui->csvButton, &QPushButton::clicked, this, &VisitsManagement::exportVisits);
    connect(ui->templatesButton, &QPushButton::clicked, this, [this] {
        CheckTemplatesDialog dialog(m_store.get(), this);
        Dialogs::instance()->exec(&dialog);
    });
    connect(ui->unitsTree, &QTreeWidget::currentItemChanged, this, &VisitsManagement::fillHistory);
    connect(m_visitWindow, &VisitWindow::signalBack, this, &VisitsManagement::showList);
    connect(m_visitWindow, &VisitWindow::signalOpenVisit, this, &VisitsManagement::openVisit);

    // A visit left open (a crash, a kill, a closed laptop) carries on where it was.
    const QList<Visit> open = m_store->openVisits();
    refreshTree(open.isEmpty() ? 0 : open.first().unitId);
    if (!open.isEmpty())
        openVisit(open.first().id);
}

VisitsManagement::~VisitsManagement() = default;

int VisitsManagement::currentVisit() const
{
    return ui->pages->currentWidget() == ui->visitPage ? m_visitWindow->visitId() : 0;
}

void VisitsManagement::noteUnitConfig(const QByteArray &payload)
{
    Konfiguracja config;
    if (config.parse(payload, Konfiguracja::FromDevice))
        m_lastModules = moduleSetOf(config);
}

void VisitsManagement::startVisit()
{
    VisitStartDialog dialog(m_link, m_store.get(), this);
    if (!m_lastModules.isEmpty())
        dialog.setModules(m_lastModules);
    if (Dialogs::instance()->exec(&dialog) != QDialog::Accepted || dialog.visitId() == 0)
        return;
    offerCarryOver(dialog.visitId());
    openVisit(dialog.visitId());
}

// The batteries of the previous visit with their installation dates, to confirm or change in
// the new one; its recommendations and the faults it left show on the protocol page.
void VisitsManagement::offerCarryOver(int visitId)
{
    const Visit previous = m_store->previousVisit(m_store->visit(visitId));
    const int count = previous.id != 0 ? m_store->batteries(previous.id).size() : 0;
    if (count == 0)
        return;
    if (Dialogs::instance()->question(
                this, tr("Nowy przegląd"),
                tr("Przejąć akumulatory z przeglądu %1 (%2 szt.) z ich datami montażu? Zmień "
                   "je w nowym przeglądzie, jeśli coś wymieniono.")
                        .arg(previous.reportNumber())
                        .arg(count),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            != QMessageBox::Yes)
        return;
    if (m_store->carryOver(visitId) < 0)
        Dialogs::instance()->warning(this, tr("Nowy przegląd"), m_store->lastError());
}

void VisitsManagement::openVisit(int visitId)
{
    const Visit visit = m_store->visit(visitId);
    if (visit.id == 0)
        return;
    refreshTree(visit.unitId);
    m_visitWindow->setVisit(visitId);
    ui->pages->setCurrentWidget(ui->visitPage);
}

void VisitsManagement::showList()
{
    refreshTree(m_store->visit(m_visitWindow->visitId()).unitId);
    ui->pages->setCurrentWidget(ui->listPage);
}

void VisitsManagement::refreshTree(int selectUnit)
{
    ui->unitsTree->clear();
    QTreeWidgetItem *selected = nullptr;
    for (const Site &site : m_store->sites()) {
        auto *siteItem = new QTreeWidgetItem(ui->unitsTree, {site.name});
        for (const Unit &unit : m_store->units(site.id)) {
            auto *unitItem = new QTreeWidgetItem(siteItem, {unit.label});
            unitItem->setData(0, Qt::UserRole, unit.id);
            unitItem->setToolTip(0, moduleSetText(unit.modules));
            if (unit.id == selectUnit)
                selected = unitItem;
        }
    }
    ui->unitsTree->expandAll();
    if (selected)
        ui->unitsTree->setCurrentItem(selected);
    fillHistory();
}

void VisitsManagement::fillHistory()
{
    QTreeWidgetItem *item = ui->unitsTree->currentItem();
    const int unitId = item ? item->data(0, Qt::UserRole).toInt() : 0;
    const QList<Visit> visits = unitId != 0 ? m_store->visits(unitId) : QList<Visit>();
    ui->historyTable->setRowCount(visits.size());
    for (int row = 0; row < visits.size(); ++row) {
        const Visit &visit = visits.at(row);
        QString number = visit.reportNumber();
        if (visit.corrects != 0)
            number += tr(" (koryguje %1)").arg(m_store->visit(visit.corrects).reportNumber());
        const QString state = visit.isAbandoned() ? tr("anulowany")
                : visit.supersededBy != 0
                ? tr("zastąpiony przez %1").arg(m_store->visit(visit.supersededBy).reportNumber())
                : visit.closed ? tr("zamknięty") : tr("otwarty");
        const QString texts[] = {number, visitTypeText(visit.type),
                                 visit.started.toString(DateTimeFormat),
                                 visit.ended.toString(DateTimeFormat), state,
                                 visit.isAbandoned() ? QString() : verdictText(visit.verdict)};
        for (int column = 0; column < HistoryColumnCount; ++column) {
            auto *cell = new QTableWidgetItem(texts[column]);
            cell->setData(Qt::UserRole, visit.id);
            ui->historyTable->setItem(row, column, cell);
        }
    }
    ui->historyTable->resizeColumnsToContents();
}

int VisitsManagement::selectedHistoryVisit() const
{
    QTableWidgetItem *item = ui->historyTable->item(ui->historyTable->currentRow(), 0);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void VisitsManagement::previewSelected()
{
    const int id = selectedHistoryVisit();
    if (id == 0)
        return;
    ProtocolPrint::preview(this, VisitReport::document(*m_store, id));
}

void VisitsManagement::checkProtocol()
{
    ProtocolCheckDialog dialog(m_store.get(), this);
    Dialogs::instance()->exec(&dialog);
    if (dialog.visitId() != 0)
        refreshTree(m_store->visit(dialog.visitId()).unitId);
}

void VisitsManagement::exportVisits()
{
    QList<int> ids;
    for (int row = 0; row < ui->historyTable->rowCount(); ++row)
        ids.append(ui->historyTable->item(row, NumberColumn)->data(Qt::UserRole).toInt());
    QTreeWidgetItem *unit = ui->unitsTree->currentItem();
    if (ids.isEmpty() || !unit)
        return;
    const QString name = proposedFileName(tr("Przeglady_%1").arg(unit->text(0))) + ".csv";
    ReportPrinter::exportCsv(this, name,
                             [this, ids] { return VisitReport::visitsCsv(*m_store, ids); });
}

bool VisitsManagement::attachDiagnostics(DiagnosticKind kind, const QList<DiagnosticRow> &rows)
{
    if (m_visitWindow->visitId() != 0 && m_visitWindow->attachDiagnostics(kind, rows))
        return true;
    const QList<Visit> open = m_store->openVisits();
    return !open.isEmpty() && m_store->saveDiagnostics(open.first().id, kind, rows);
}
