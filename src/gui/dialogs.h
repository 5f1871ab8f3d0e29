#pragma once

#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QVector>

class QDialog;
class QWidget;

// Every modal dialog the windows open goes through this seam, so that tests can answer them
// without a user. The product uses the default implementation, which shows the real dialogs.
class Dialogs
{
public:
    virtual ~Dialogs();

    static Dialogs *instance();
    // Installs a replacement (not owned); nullptr restores the real dialogs.
    static void setInstance(Dialogs *dialogs);

    virtual QMessageBox::StandardButton
    question(QWidget *parent, const QString &title, const QString &text,
             QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    virtual QMessageBox::StandardButton information(QWidget *parent, const QString &title,
                                                    const QString &text);
    virtual QMessageBox::StandardButton warning(QWidget *parent, const QString &title,
                                                const QString &text);
    virtual QString getText(QWidget *parent, const QString &title, const QString &label,
                            const QString &text, bool *ok);
    virtual QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter);
    virtual QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter);
    // Runs any other modal dialog (port chooser, print preview, settings); returns its result.
    virtual int exec(QDialog *dialog);

    // A question whose standard buttons carry texts of their own (run through exec).
    struct Choice
    {
        QMessageBox::StandardButton button;
        QString text;
    };
    static QMessageBox::StandardButton choose(QWidget *parent, const QString &title,
                                              const QString &text,
                                              const QVector<Choice> &choices,
                                              QMessageBox::StandardButton defaultButton,
                                              QMessageBox::StandardButton escapeButton);
    // A save dialog proposing fileName (a bare name) in the folder used last, else in the
    // user's Documents; the folder chosen is remembered for the next one.
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &fileName,
                                const QString &filter);
    // An open dialog in that folder, which remembers it the same way.
    static QString openFileName(QWidget *parent, const QString &caption, const QString &filter);
    // "Tak" / "Nie" before something is lost; "Nie" is the default, so a hasty Enter keeps it.
    static bool confirmDeletion(QWidget *parent, const QString &title, const QString &text);
};
