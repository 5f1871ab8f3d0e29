#include "dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>

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

QMessageBox::StandardButton Dialogs::question(QWidget *parent, const QString &title,
                                              const QString &text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton Dialogs::information(QWidget *parent, const QString &title,
                                                 const QString &text)
{
    return QMessageBox::information(parent, title, text);
}

QMessageBox::StandardButton Dialogs::warning(QWidget *parent, const QString &title,
                                             const QString &text)
{
    return QMessageBox::warning(parent, title, text);
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

int Dialogs::exec(QDialog *dialog)
{
    return dialog->exec();
}
