#include "protocolcheckdialog.h"
#include "ui_protocolcheckdialog.h"

#include "dialogs.h"
#include "protocolprint.h"

#include <QPushButton>

ProtocolCheckDialog::ProtocolCheckDialog(const VisitStore *store, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ProtocolCheckDialog>()), m_store(store)
{
    ui->setupUi(this);
    connect(ui->fileButton, &QPushButton::clicked, this, &ProtocolCheckDialog::chooseFile);
    connect(ui->digestButton, &QPushButton::clicked, this, &ProtocolCheckDialog::checkDigest);
    connect(ui->digestEdit, &QLineEdit::returnPressed, this, &ProtocolCheckDialog::checkDigest);
}

ProtocolCheckDialog::~ProtocolCheckDialog() = default;

void ProtocolCheckDialog::chooseFile()
{
    const QString fileName = Dialogs::instance()->getOpenFileName(
            this, tr("Sprawdź protokół"), QString(), tr("Pliki PDF (*.pdf)"));
    if (!fileName.isEmpty())
        checkFile(fileName);
}

void ProtocolCheckDialog::checkFile(const QString &fileName)
{
    ui->resultLabel->setText(tr("Sprawdzanie pliku…"));
    const ProtocolPrint::CheckResult result = ProtocolPrint::checkPdf(*m_store, fileName, this);
    showResult(result.outcome, result.message);
    m_visitId = result.visitId;
}

void ProtocolCheckDialog::checkDigest()
{
    const ProtocolPrint::CheckResult result =
            ProtocolPrint::checkDigest(*m_store, ui->digestEdit->text());
    showResult(result.outcome, result.message);
    m_visitId = result.visitId;
}

void ProtocolCheckDialog::showResult(int outcome, const QString &message)
{
    const bool match = outcome == ProtocolPrint::CheckResult::Match;
    ui->resultLabel->setStyleSheet(match ? QStringLiteral("QLabel { color: #1b5e20; }")
                                         : QStringLiteral("QLabel { color: #b71c1c; }"));
    ui->resultLabel->setText(message);
}

QString ProtocolCheckDialog::resultText() const
{
    return ui->resultLabel->text();
}
