#include "dialogs.h"

#include "store/exportfolder.h"
#include "store/dbmanager.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>

namespace {
Dialogs s_realDialogs;
Dialogs *s_current = &s_realDialogs;
} // namespace

Dialogs::~Dialogs() = default;

Dialogs *Dialogs::instance()
{
    return s_current;
}

void Dialogs::setInstance(Dialogs *dialogs)
{
    s_current = dialogs ? dialogs : &s_realDialogs;
}

namespace {
// A message names records, sites and files as the user typed them: it is shown as plain text,
// never as the rich text a QMessageBox would guess from a tag in a name.
QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, QWidget *parent,
                                        const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    if (box.exec() == -1)
        return QMessageBox::Cancel;
    return box.standardButton(box.clickedButton());
}
} // namespace

QMessageBox::StandardButton Dialogs::question(QWidget *parent, const QString &title,
                                              const QString &text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton)
{
    return showMessage(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton Dialogs::information(QWidget *parent, const QString &title,
                                                 const QString &text)
{
    return showMessage(QMessageBox::Information, parent, title, text, QMessageBox::Ok,
                       QMessageBox::NoButton);
}

QMessageBox::StandardButton Dialogs::warning(QWidget *parent, const QString &title,
                                             const QString &text)
{
    return showMessage(QMessageBox::Warning, parent, title, text, QMessageBox::Ok,
                       QMessageBox::NoButton);
}

QString Dialogs::getText(QWidget *parent, const QString &title, const QString &label,
                         const QString &text, bool *ok)
{
    return QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, ok);
}

QString Dialogs::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString Dialogs::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString Dialogs::saveFileName(QWidget *parent, const QString &caption, const QString &fileName,
                              const QString &filter)
{
    DbManager *store = DbManager::instance();
    const QString path = instance()->getSaveFileName(
            parent, caption, ExportFolder::proposedPath(store, fileName), filter);
    ExportFolder::remember(store, path);
    return path;
}

QString Dialogs::openFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    DbManager *store = DbManager::instance();
    const QString path =
            instance()->getOpenFileName(parent, caption, ExportFolder::folder(store), filter);
    ExportFolder::remember(store, path);
    return path;
}

int Dialogs::exec(QDialog *dialog)
{
    return dialog->exec();
}

QMessageBox::StandardButton Dialogs::choose(QWidget *parent, const QString &title,
                                            const QString &text, const QVector<Choice> &choices,
                                            QMessageBox::StandardButton defaultButton,
                                            QMessageBox::StandardButton escapeButton)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    for (const Choice &choice : choices)
        box.addButton(choice.button)->setText(choice.text);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(escapeButton);
    return QMessageBox::StandardButton(instance()->exec(&box));
}

bool Dialogs::confirmDeletion(QWidget *parent, const QString &title, const QString &text)
{
    const QVector<Choice> choices{
            {QMessageBox::Yes, QCoreApplication::translate("ConfigManagement", "Tak", "YES")},
            {QMessageBox::No, QCoreApplication::translate("ConfigManagement", "Nie", "No")}};
    return choose(parent, title, text, choices, QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes;
}
