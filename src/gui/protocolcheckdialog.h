#pragma once

#include <QDialog>

#include <memory>

class VisitStore;

namespace Ui {
class ProtocolCheckDialog;
}

// "Sprawdź protokół": a PDF file or a typed digest, and which visit's protocol it is and
// whether it matches the one stored at the close.
class ProtocolCheckDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ProtocolCheckDialog(const VisitStore *store, QWidget *parent = nullptr);
    ~ProtocolCheckDialog() override;

    void checkFile(const QString &fileName);
    void checkDigest();
    QString resultText() const;
    // The visit the last check named, 0 for none.
    int visitId() const { return m_visitId; }

private:
    void chooseFile();
    void showResult(int outcome, const QString &message);

    std::unique_ptr<Ui::ProtocolCheckDialog> ui;
    const VisitStore *m_store;
    int m_visitId = 0;
};
