#pragma once

#include "link/device.h"

#include <QByteArray>
#include <QFrame>
#include <QModelIndex>
#include <QList>
#include <QString>
#include <QVector>

class QAction;
class QListView;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QSqlQueryModel;
class QToolButton;
class ArchiveMarkProxy;
class DbManager;
class RequestTracker;
class TransferProgress;
class USBManager;

// What the event-log, faults and software windows share: a record read from the unit is stored
// under a generated name and opened in a tab of the window's MDI area; the stored records are
// listed, opened or activated by a click, deleted, previewed and exported as PDF reports.
// A subclass brings its form, its texts, its request and answer commands, its records in the
// store, its tab widget and its report.
class RecordManagement : public QFrame
{
    Q_OBJECT
public:
    ~RecordManagement() override;

    int getCurrentId() const { return currentId; }
    // The read under way, if any (null without a link).
    RequestTracker *readTracker() const { return m_readTracker; }
    TransferProgress *transferProgress() const { return m_progress; }
    // Runs the list query again.
    void setupModels();
    // The report of a stored record.
    QString reportHtml(int id);
    // Opens a stored record in its tab (one fetched from the archive, say); false when the
    // store has no such record.
    bool openStored(int id);

public slots:
    void slotReceivedPacket(Device::COMMAND cmd, QByteArray ba);
    void slotSubWindowActivated(QMdiSubWindow *sw);
    void slotDelete();
    void slotExportPdf();
    void slotExportCsv();
    void slotPrint();
    void printPreview(QPrinter *printer);
    void slotRead();
    void slotUsbPortOpened();
    void slotUsbPortClosed();

protected:
    struct Widgets
    {
        QListView *lista;
        QMdiArea *mdiArea;
        QToolButton *readButton;
        QToolButton *deleteButton;
        QToolButton *printButton;
        QToolButton *pdfButton;
        QToolButton *csvButton;
    };
    // Translated in the subclass's own context.
    struct Texts
    {
        QString read;
        QString readTip;
        QString remove;
        QString pdf;
        QString print;
        QString printTip;
        QString deletedTitle;
        QString deletedMessage; // "%1" is the deleted record's name
        QString transfer;       // the read in the middle of a sentence: "odczyt ..."
        QString confirmDelete;  // the question before deleting; "%1" is the record's name
    };

    // Where the window's records live in the store.
    struct Records
    {
        QString namePrefix; // of a record read from the unit; the time follows
        QString table;
        int (DbManager::*write)(QString name, QByteArray data);
        QString (DbManager::*readName)(int id);
        QByteArray (DbManager::*read)(int id);
        int (DbManager::*remove)(uint id);
    };

    RecordManagement(USBManager *usb, QWidget *parent, Device::COMMAND request,
                     Device::COMMAND answer, const Records &records);

    // Called by the subclass once its form is set up.
    void setupWindow(const Widgets &widgets, const Texts &texts);

    // Opens the record in its tab, or activates the tab when it is open already.
    void showRecord(uint id, const QString &nazwa);
    // The list's click: the id from column 1 of the clicked row, the name from the cell.
    void openListed(const QModelIndex &index);

    // The tab's widget for the stored bytes, without a parent.
    virtual QWidget *createView(const QByteArray &data) = 0;
    virtual QString buildReport(const QByteArray &data, const QString &name) = 0;
    virtual QByteArray buildCsv(const QByteArray &data) = 0;

    // A tab that filters its rows: the rows a filter leaves visible in the record's open tab,
    // in their order there, when it hides any; false when the tab shows the whole record.
    virtual bool filteredRows(int id, QVector<int> *rows, int *total) const;
    // The report and the CSV of those rows alone.
    virtual QString buildRowsReport(const QByteArray &data, const QString &name,
                                    const QVector<int> &rows);
    virtual QByteArray buildRowsCsv(const QByteArray &data, const QVector<int> &rows);

    int currentId = 0;
    USBManager *usb = nullptr;
    QSqlQueryModel *model = nullptr;
    // The list as shown: the model with withdrawn records marked.
    ArchiveMarkProxy *m_marks = nullptr;
    QAction *readAction = nullptr;
    QAction *deleteAction = nullptr;
    QAction *pdfAction = nullptr;
    QAction *printAction = nullptr;
    QAction *csvAction = nullptr;

    QMdiSubWindow *findSubWindow(int id) const;
    void changeEvent(QEvent *event) override;

private:
    void updateReadAction();
    QList<QToolButton *> toolButtons() const;
    void fitButtonColumn();
    // What a report or an export holds: the whole record, or the rows a filter leaves visible.
    enum class Scope { Whole, Visible, Cancelled };
    Scope chooseScope(int id, const QString &title, QVector<int> *rows);
    QString scopedReport(int id, Scope scope, const QVector<int> &rows);

    bool isListed(int id) const;
    // The record the report is made of: the selected row's, else the current one.
    int reportId();
    int writeRecord(const QString &name, const QByteArray &data) const;
    QByteArray readRecord(int id) const;
    QString readRecordName(int id) const;
    void deleteRecord(uint id) const;

    Records m_records;

    Widgets m_widgets{};
    Texts m_texts;
    Device::COMMAND m_request;
    Device::COMMAND m_answer;
    bool m_portOpen = false;
    RequestTracker *m_readTracker = nullptr;
    TransferProgress *m_progress = nullptr;
};
