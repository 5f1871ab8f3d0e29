#include "recordmanagement.h"

#include "archivemarkproxy.h"
#include "dialogs.h"
#include "reportdialogs.h"
#include "export/filenames.h"
#include "transferprogress.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"
#include "reportprinter.h"
#include "store/dbmanager.h"
#include "store/wholelist.h"
#include "visits/visitsession.h"

#include <QAction>
#include <QDateTime>
#include <QEvent>
#include <QIcon>
#include <QLayout>
#include <QItemSelectionModel>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QToolButton>

RecordManagement::RecordManagement(USBManager *link, QWidget *parent, Device::COMMAND request,
                                   Device::COMMAND answer, const Records &records)
    : QFrame(parent),
      usb(link),
      m_records(records),
      m_request(request),
      m_answer(answer)
{
}

RecordManagement::~RecordManagement()
{
    // Closing the tabs while the window goes would activate the others and query the list
    // through a subclass that is gone already.
    if (m_widgets.mdiArea)
        disconnect(m_widgets.mdiArea, nullptr, this, nullptr);
}

void RecordManagement::setupWindow(const Widgets &widgets, const Texts &texts)
{
    m_widgets = widgets;
    m_texts = texts;

    readAction = new QAction(QIcon(QStringLiteral(":/icons/odczytaj.png")), texts.read, this);
    readAction->setStatusTip(texts.readTip);
    readAction->setEnabled(false);
    connect(readAction, &QAction::triggered, this, &RecordManagement::slotRead);
    widgets.readButton->setDefaultAction(readAction);

    deleteAction = new QAction(QIcon(QStringLiteral(":/icons/usun.png")), texts.remove, this);
    deleteAction->setStatusTip(texts.remove);
    connect(deleteAction, &QAction::triggered, this, &RecordManagement::slotDelete);
    widgets.deleteButton->setDefaultAction(deleteAction);

    pdfAction = new QAction(QIcon(QStringLiteral(":/icons/eksportPdf.png")), texts.pdf, this);
    pdfAction->setStatusTip(texts.pdf);
    connect(pdfAction, &QAction::triggered, this, &RecordManagement::slotExportPdf);
    widgets.pdfButton->setDefaultAction(pdfAction);

    printAction = new QAction(QIcon(QStringLiteral(":/icons/drukuj.png")), texts.print, this);
    printAction->setStatusTip(texts.printTip);
    connect(printAction, &QAction::triggered, this, &RecordManagement::slotPrint);
    widgets.printButton->setDefaultAction(printAction);

    csvAction = new QAction(QIcon(QStringLiteral(":/icons/eksportCsv.png")), tr("Eksport CSV"),
                            this);
    csvAction->setStatusTip(tr("Zapisz jako plik CSV dla arkusza kalkulacyjnego"));
    connect(csvAction, &QAction::triggered, this, &RecordManagement::slotExportCsv);
    widgets.csvButton->setDefaultAction(csvAction);

    // A column of fixed-width buttons is as narrow as its narrowest one and cuts the others'
    // labels; buttons that may grow make the column as wide as the longest label.
    for (QToolButton *button : toolButtons())
        button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    fitButtonColumn();

    model = new QSqlQueryModel(this);
    m_marks = new ArchiveMarkProxy(m_records.table, this);
    m_marks->setSourceModel(model);
    widgets.lista->setModel(m_marks);
    setupModels();
    widgets.lista->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(widgets.lista, &QListView::clicked, this, &RecordManagement::openListed);
    connect(widgets.mdiArea, &QMdiArea::subWindowActivated, this,
            &RecordManagement::slotSubWindowActivated);

    if (usb) {
        // One read at a time per window: the action stays disabled until the read has ended.
        m_readTracker = new RequestTracker(usb, this);
        connect(m_readTracker, &RequestTracker::signalBusyChanged, this,
                &RecordManagement::updateReadAction);
        m_progress = new TransferProgress(m_readTracker, usb, texts.transfer, this);
        m_progress->placeBelow(widgets.mdiArea);
        connect(usb, &USBManager::signalUsbPortClosed, this,
                &RecordManagement::slotUsbPortClosed);
        connect(usb, &USBManager::signalUsbPortOpened, this,
                &RecordManagement::slotUsbPortOpened, Qt::UniqueConnection);
    }
}

QList<QToolButton *> RecordManagement::toolButtons() const
{
    return {m_widgets.readButton, m_widgets.deleteButton, m_widgets.printButton,
            m_widgets.pdfButton, m_widgets.csvButton};
}

void RecordManagement::fitButtonColumn()
{
    // The column holds its widest label at any font, however much a wide tab asks for.
    QWidget *column = m_widgets.readButton->parentWidget();
    int width = 0;
    for (QToolButton *button : toolButtons())
        width = qMax(width, button->sizeHint().width());
    const QMargins margins = column->contentsMargins() + column->layout()->contentsMargins();
    column->setMinimumWidth(width + margins.left() + margins.right());
}

void RecordManagement::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_widgets.readButton)
        fitButtonColumn();
}

void RecordManagement::setupModels()
{
    loadWholeList(model, QStringLiteral("SELECT nazwa,id from ") + m_records.table,
                  QSqlDatabase::database());
    if (m_marks)
        m_marks->reload(QSqlDatabase::database());
    m_widgets.lista->setModelColumn(0);
}

void RecordManagement::slotRead()
{
    if (!usb || !m_readTracker || m_readTracker->isBusy())
        return;
    LinkReply *reply = m_readTracker->start(m_request, QByteArray(2, '\0'), m_answer);
    if (!reply) {
        usb->writeMessage(tr("Odczyt z urządzenia już trwa; poczekaj na jego koniec."), 5000);
        return;
    }
    // Only the answer to this read is stored: not one that comes after the read was
    // cancelled or given up, nor one that somebody else asked for.
    connect(reply, &LinkReply::finished, this,
            [this](const QByteArray &answer) { slotReceivedPacket(m_answer, answer); });
}

void RecordManagement::updateReadAction()
{
    readAction->setEnabled(m_portOpen && !(m_readTracker && m_readTracker->isBusy()));
}

void RecordManagement::slotReceivedPacket(Device::COMMAND cmd, QByteArray ba)
{
    if (cmd != m_answer)
        return;
    const QString name = m_records.namePrefix
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyy_MM_dd_HH:mm:ss"));
    const int id = writeRecord(name, ba);
    setupModels();
    showRecord(uint(id), name);
}

QMdiSubWindow *RecordManagement::findSubWindow(int id) const
{
    const QList<QMdiSubWindow *> windows = m_widgets.mdiArea->subWindowList();
    for (QMdiSubWindow *window : windows) {
        if (window->property("ID").toInt() == id)
            return window;
    }
    return nullptr;
}

bool RecordManagement::openStored(int id)
{
    const QString name = readRecordName(id);
    if (name.isNull())
        return false;
    setupModels();
    showRecord(uint(id), name);
    return true;
}

void RecordManagement::showRecord(uint id, const QString &nazwa)
{
    if (QMdiSubWindow *open = findSubWindow(int(id))) {
        m_widgets.mdiArea->setActiveSubWindow(open);
        setupModels();
        return;
    }
    QWidget *view = createView(readRecord(int(id)));
    view->setProperty("ID", id);
    QMdiSubWindow *window = m_widgets.mdiArea->addSubWindow(view);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setProperty("ID", id);
    window->setWindowTitle(nazwa);
    // In tabbed view a tab fills the area; one opened while the window's tab is hidden would
    // otherwise come up as a small frame when the user turns to it.
    window->showMaximized();
    // A hidden area activates nothing; the record just opened is the current one all the same.
    if (m_widgets.mdiArea->activeSubWindow() != window)
        m_widgets.mdiArea->setActiveSubWindow(window);
    currentId = int(id);
}

void RecordManagement::openListed(const QModelIndex &index)
{
    const uint id = model->index(index.row(), 1).data().toUInt();
    showRecord(id, index.data().toString());
}

void RecordManagement::slotSubWindowActivated(QMdiSubWindow *sw)
{
    if (sw)
        currentId = sw->property("ID").toInt();
    setupModels();
}

bool RecordManagement::isListed(int id) const
{
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 1).data().toInt() == id)
            return true;
    }
    return false;
}

void RecordManagement::slotDelete()
{
    QListView *lista = m_widgets.lista;
    const QModelIndexList selected = lista->selectionModel()->selectedIndexes();
    // The selected record goes, and a tab showing it stays open; without a selection the record
    // of the active tab goes with its tab.
    QMdiSubWindow *active = selected.isEmpty() ? m_widgets.mdiArea->activeSubWindow() : nullptr;
    QList<int> ids;
    for (int i = selected.size() - 1; i >= 0; --i)
        ids << model->index(selected.at(i).row(), 1).data().toInt();
    if (selected.isEmpty()) {
        const int id = active ? active->property("ID").toInt() : currentId;
        if (isListed(id))
            ids << id;
    }
    QStringList names;
    for (int id : qAsConst(ids))
        names << readRecordName(id);
    const QString name = names.join(QStringLiteral(", "));
    // A tab whose record is gone already is only closed: there is nothing to delete or ask.
    if (!ids.isEmpty()
        && !Dialogs::confirmDeletion(this, m_texts.deletedTitle, m_texts.confirmDelete.arg(name)))
        return;
    lista->setUpdatesEnabled(false);
    for (int id : qAsConst(ids)) {
        currentId = id;
        deleteRecord(uint(id));
    }
    if (active)
        active->close();
    lista->setUpdatesEnabled(true);
    if (!ids.isEmpty())
        Dialogs::instance()->information(this, m_texts.deletedTitle,
                                         m_texts.deletedMessage.arg(name));
    setupModels();
}

int RecordManagement::writeRecord(const QString &name, const QByteArray &data) const
{
    return (DbManager::instance()->*m_records.write)(name, data);
}

QByteArray RecordManagement::readRecord(int id) const
{
    return (DbManager::instance()->*m_records.read)(id);
}

QString RecordManagement::readRecordName(int id) const
{
    return VisitSession::shownRecordName((DbManager::instance()->*m_records.readName)(id));
}

void RecordManagement::deleteRecord(uint id) const
{
    (DbManager::instance()->*m_records.remove)(id);
}

QString RecordManagement::reportHtml(int id)
{
    return buildReport(readRecord(id), readRecordName(id));
}

int RecordManagement::reportId()
{
    const QModelIndexList selected = m_widgets.lista->selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        currentId = model->index(selected.constFirst().row(), 1).data().toInt();
    return currentId;
}

bool RecordManagement::filteredRows(int, QVector<int> *, int *) const
{
    return false;
}

QString RecordManagement::buildRowsReport(const QByteArray &data, const QString &name,
                                          const QVector<int> &)
{
    return buildReport(data, name);
}

QByteArray RecordManagement::buildRowsCsv(const QByteArray &data, const QVector<int> &)
{
    return buildCsv(data);
}

RecordManagement::Scope RecordManagement::chooseScope(int id, const QString &title,
                                                      QVector<int> *rows)
{
    int total = 0;
    if (!filteredRows(id, rows, &total))
        return Scope::Whole;
    // The whole record stays the default: a filter forgotten in a tab must not cut a report
    // short unnoticed.
    QMessageBox box(QMessageBox::Question, title,
                    tr("Filtr w zakładce pokazuje %1 z %2 wierszy.").arg(rows->size()).arg(total),
                    QMessageBox::NoButton, this);
    QPushButton *whole = box.addButton(tr("Całość"), QMessageBox::AcceptRole);
    QPushButton *visible = box.addButton(tr("tylko widoczne wiersze"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(tr("Anuluj", "Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(whole);
    box.setEscapeButton(cancel);
    Dialogs::instance()->exec(&box);
    if (box.clickedButton() == whole)
        return Scope::Whole;
    if (box.clickedButton() == visible)
        return Scope::Visible;
    return Scope::Cancelled;
}

QString RecordManagement::scopedReport(int id, Scope scope, const QVector<int> &rows)
{
    if (scope == Scope::Visible)
        return buildRowsReport(readRecord(id), readRecordName(id), rows);
    return reportHtml(id);
}

void RecordManagement::printPreview(QPrinter *printer)
{
    ReportPrinter::print(reportHtml(reportId()), printer, this);
}

void RecordManagement::slotExportPdf()
{
    const int id = reportId();
    QVector<int> rows;
    const Scope scope = chooseScope(id, m_texts.pdf, &rows);
    if (scope == Scope::Cancelled)
        return;
    const QString fileName = ReportPrinter::pdfFileName(
            this, proposedFileName(readRecordName(id), QLatin1Char('-')));
    if (fileName.isEmpty())
        return;
    if (!ReportPrinter::writePdf(scopedReport(id, scope, rows), fileName, this))
        ReportPrinter::showFailure(this, fileName);
}

void RecordManagement::slotPrint()
{
    const int id = reportId();
    QVector<int> rows;
    const Scope scope = chooseScope(id, m_texts.printTip, &rows);
    if (scope == Scope::Cancelled)
        return;
    // The report is made once; the preview lays it out again on every change of page setup.
    ReportPrinter::printPreview(this, scopedReport(id, scope, rows));
}

void RecordManagement::slotExportCsv()
{
    const int id = reportId();
    QVector<int> rows;
    const Scope scope = chooseScope(id, tr("Eksport CSV"), &rows);
    if (scope == Scope::Cancelled)
        return;
    ReportPrinter::exportCsv(this, proposedFileName(readRecordName(id), QLatin1Char('-')),
                             [this, id, scope, &rows] {
                                 const QByteArray data = readRecord(id);
                                 return scope == Scope::Visible ? buildRowsCsv(data, rows)
                                                                : buildCsv(data);
                             });
}

void RecordManagement::slotUsbPortOpened()
{
    m_portOpen = true;
    updateReadAction();
}

void RecordManagement::slotUsbPortClosed()
{
    m_portOpen = false;
    updateReadAction();
}
