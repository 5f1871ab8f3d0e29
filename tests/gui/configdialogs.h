#pragma once

#include "gui/dialogs.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <QQueue>
#include <QStringList>

// Answers the windows' modal dialogs from scripted queues and records what was shown as
// "kind|title|text" lines, so tests can check both the flow and the texts.
class ConfigDialogs : public Dialogs
{
public:
    ConfigDialogs() { Dialogs::setInstance(this); }
    ~ConfigDialogs() override { Dialogs::setInstance(nullptr); }

    QStringList shown;
    QQueue<QMessageBox::StandardButton> answers; // questions and message boxes run through exec
    QQueue<QString> texts;                       // name prompts; a null string cancels
    QQueue<QString> files;                       // file dialogs; empty cancels
    QStringList proposedFiles;

    QStringList ofKind(const QString &kind) const
    {
        QStringList lines;
        for (const QString &line : shown) {
            if (line.startsWith(kind + QLatin1Char('|')))
                lines << line;
        }
        return lines;
    }

    QMessageBox::StandardButton question(QWidget *, const QString &title, const QString &text,
                                         QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton) override
    {
        shown << QStringLiteral("question|%1|%2").arg(title, text);
        return answers.isEmpty() ? QMessageBox::No : answers.dequeue();
    }
    QMessageBox::StandardButton information(QWidget *, const QString &title,
                                            const QString &text) override
    {
        shown << QStringLiteral("information|%1|%2").arg(title, text);
        return QMessageBox::Ok;
    }
    QMessageBox::StandardButton warning(QWidget *, const QString &title,
                                        const QString &text) override
    {
        shown << QStringLiteral("warning|%1|%2").arg(title, text);
        return QMessageBox::Ok;
    }
    QString getText(QWidget *, const QString &title, const QString &label, const QString &text,
                    bool *ok) override
    {
        shown << QStringLiteral("getText|%1|%2|%3").arg(title, label, text);
        const QString answer = texts.isEmpty() ? QString() : texts.dequeue();
        *ok = !answer.isNull();
        return answer;
    }
    QString getSaveFileName(QWidget *, const QString &caption, const QString &dir,
                            const QString &) override
    {
        shown << QStringLiteral("save|%1|%2").arg(caption, dir);
        proposedFiles << dir;
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString getOpenFileName(QWidget *, const QString &caption, const QString &,
                            const QString &) override
    {
        shown << QStringLiteral("open|%1|").arg(caption);
        return files.isEmpty() ? QString() : files.dequeue();
    }
    int exec(QDialog *dialog) override
    {
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            QStringList buttons;
            const auto list = box->buttons();
            for (QAbstractButton *button : list)
                buttons << button->text();
            buttons.sort();
            shown << QStringLiteral("box|%1|%2|%3")
                             .arg(box->windowTitle(), box->text(), buttons.join(QLatin1Char(',')));
            return answers.isEmpty() ? QMessageBox::No : answers.dequeue();
        }
        shown << QStringLiteral("exec|%1|").arg(
                QString::fromLatin1(dialog->metaObject()->className()));
        return QDialog::Rejected;
    }
};
