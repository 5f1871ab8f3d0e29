#pragma once

#include "archive/archivesync.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class ArchiveRecordsDialog;
}

// The company archive as this store sees it: the colleagues' records it refused or keeps
// waiting, and the archived records it holds, with "Wycofaj z archiwum" for one's own records
// and "Przywróć z archiwum" for a record deleted here. Every text shown is plain text.
class ArchiveRecordsDialog : public QDialog
{
    Q_OBJECT
public:
    enum Page { RejectedPage = 0, RecordsPage = 1 };

    explicit ArchiveRecordsDialog(QWidget *parent = nullptr);
    ~ArchiveRecordsDialog() override;

    void showPage(Page page);
    void reload();

private:
    void updateButtons();
    // Runs one exchange with the server off the GUI thread, then shows its message.
    void runOnServer(const std::function<ArchiveSync::Result()> &job);
    std::unique_ptr<Ui::ArchiveRecordsDialog> ui;
    bool m_busy = false;
};
