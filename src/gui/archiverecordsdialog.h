#pragma once

#include "archive/archivecatalogue.h"
#include "archive/archivesync.h"

#include <QDialog>
#include <QSet>

#include <functional>
#include <memory>

class ArchiveRunner;

namespace Ui {
class ArchiveRecordsDialog;
}

// The company archive as this store sees it: the colleagues' records it refused or keeps
// waiting; the archive's records, searched on the server when it answers and in this store's
// catalogue when it does not, with those whose bytes are not here marked by a cloud and
// fetched when opened; and the company's units with their last visit and next due date.
// "Wycofaj z archiwum" withdraws one's own record, "Przywróć z archiwum" brings back a record
// deleted here. Lists are read a page at a time; every text shown is plain text.
class ArchiveRecordsDialog : public QDialog
{
    Q_OBJECT
public:
    enum Page { RejectedPage = 0, RecordsPage = 1, UnitsPage = 2 };
    // Columns of the records list.
    enum RecordColumn {
        KindColumn, NameColumn, SiteColumn, UnitColumn, AuthorColumn, DateColumn, SizeColumn,
        StateColumn
    };
    // Where the records list came from.
    enum class Source { None, Server, Local };
    static constexpr int PageSize = 200;

    explicit ArchiveRecordsDialog(QWidget *parent = nullptr);
    ~ArchiveRecordsDialog() override;

    void showPage(Page page);
    void reload();
    // Runs the records search from its first page.
    void search();
    Source source() const { return m_source; }
    // The record the technician opened (kind and local row), set when the dialog was accepted.
    QString openedKind() const { return m_openedKind; }
    int openedId() const { return m_openedId; }

private:
    struct Shown
    {
        CatalogueEntry entry;
        bool deletedHere = false;
    };
    void loadMore();
    void showRecords(const CataloguePage &page, Source source, const QString &reason);
    void appendRecord(const Shown &shown);
    const Shown *selected() const;
    void updateButtons();
    void openSelected();
    void fetchFinished(ArchiveSync::Status status, const QString &message);
    // Opens a record whose bytes are here: remembered for the caller, and the dialog closes.
    bool openLocal(const QString &uuid);
    void setRestriction(const QString &site, const QString &unit, const QString &label);
    void searchUnits(bool more);
    // Runs one exchange with the server off the GUI thread, then shows its message.
    void runOnServer(const std::function<ArchiveSync::Result()> &job);
    std::unique_ptr<Ui::ArchiveRecordsDialog> ui;
    ArchiveRunner *m_fetcher;
    bool m_busy = false;
    // Searches run off the GUI thread; an answer to an older one is dropped.
    int m_generation = 0;
    bool m_loading = false;
    bool m_more = false;
    Source m_source = Source::None;
    CatalogueQuery m_query;
    QVector<Shown> m_shown;
    QSet<QString> m_deletedHere;
    QString m_fetching; // uuid of the record being fetched
    QString m_fetchingName; // and its name as shown, whatever is selected meanwhile
    QString m_openedKind;
    int m_openedId = 0;
    int m_unitGeneration = 0;
    bool m_unitsMore = false;
    bool m_unitsLoading = false;
    UnitQuery m_unitQuery;
};
