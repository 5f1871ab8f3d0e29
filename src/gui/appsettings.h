#pragma once

#include <QDialog>

#include <memory>

class QSqlQueryModel;

namespace Ui {
class AppSettings;
}

// The "Widok" dialog: interface language (applied at the next start) and the application font
// (applied at once through signalSettingChanged), where the company archive is and which of
// its records this computer keeps in full. The choices are stored as application settings.
class AppSettings : public QDialog
{
    Q_OBJECT
public:
    explicit AppSettings(QWidget *parent = nullptr);
    ~AppSettings() override;

    // Inside a host application the language belongs to the host: hide its row.
    void setHostedMode();

signals:
    void signalSettingChanged();

private slots:
    void on_buttonBox_accepted();

private:
    void loadArchive();
    // The sites of the local catalogue to choose from, those in `chosen` ticked.
    void loadSites(const QStringList &chosen);
    // The chosen scope's note, and the site list only when sites are chosen.
    void showScope();
    void showCaFile();
    void chooseCaFile();
    std::unique_ptr<Ui::AppSettings> ui;
    QSqlQueryModel *m_languages;
};
