#pragma once

#include "gui/dialogs.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFileInfo>
#include <QList>
#include <QMessageBox>
#include <QQueue>
#include <QStringList>

#include <algorithm>
#include <functional>

// One dialog the product showed through the seam.
struct ShownDialog
{
    QString kind;        // question, information, warning, getText, save, open, box or exec
    QString title;       // the title or caption; for another dialog run by exec, its class
    QString text;        // the message, a prompt's label or the proposed file's name
    QString value;       // the text a prompt proposed, or a file dialog's folder
    QStringList buttons; // a message box's buttons, sorted

    // "kind|title|text", a prompt's proposed text and a box's buttons appended.
    QString line() const
    {
        QString line = QStringList{kind, title, text}.join(QLatin1Char('|'));
        if (kind == QLatin1String("getText"))
            line += QLatin1Char('|') + value;
        else if (kind == QLatin1String("box"))
            line += QLatin1Char('|') + buttons.join(QLatin1Char(','));
        return line;
    }
};

// Plays the user for every modal dialog the windows run through the seam: answers come from
// scripted queues and everything shown is recorded, so tests check both the flow and the texts.
// Installs itself while it lives.
class FakeDialogs : public Dialogs
{
public:
    // `answer` replies to questions and message boxes once the `answers` queue is empty.
    explicit FakeDialogs(QMessageBox::StandardButton answer = QMessageBox::No) : answer(answer)
    {
        Dialogs::setInstance(this);
    }
    ~FakeDialogs() override
    {
        if (Dialogs::instance() == this)
            Dialogs::setInstance(nullptr);
    }
    FakeDialogs(const FakeDialogs &) = delete;
    FakeDialogs &operator=(const FakeDialogs &) = delete;

    QMessageBox::StandardButton answer;
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> texts; // text prompts; a null string cancels
    QQueue<QString> files; // file dialogs; none left cancels
    // Runs every other dialog given to exec() (fully built) and gives its result; unset, such
    // dialogs are rejected. Message boxes go to it too when it is set.
    std::function<int(QDialog *)> onExec;
    int execCount = 0;

    QList<ShownDialog> shown;

    QList<ShownDialog> ofKind(const QString &kind) const
    {
        QList<ShownDialog> dialogs;
        std::copy_if(shown.begin(), shown.end(), std::back_inserter(dialogs),
                     [&kind](const ShownDialog &dialog) { return dialog.kind == kind; });
        return dialogs;
    }
    // What was shown as lines (see ShownDialog::line), all of them or those of one kind.
    QStringList lines(const QString &kind = QString()) const
    {
        QStringList lines;
        for (const ShownDialog &dialog : kind.isNull() ? shown : ofKind(kind))
            lines << dialog.line();
        return lines;
    }
    int count(const QString &text) const
    {
        return int(std::count_if(shown.begin(), shown.end(), [&text](const ShownDialog &dialog) {
            return dialog.text == text;
        }));
    }

    QMessageBox::StandardButton question(QWidget *, const QString &title, const QString &text,
                                         QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton) override
    {
        shown.append({QStringLiteral("question"), title, text, {}, {}});
        return nextAnswer();
    }
    QMessageBox::StandardButton information(QWidget *, const QString &title,
                                            const QString &text) override
    {
        shown.append({QStringLiteral("information"), title, text, {}, {}});
        return QMessageBox::Ok;
    }
    QMessageBox::StandardButton warning(QWidget *, const QString &title,
                                        const QString &text) override
    {
        shown.append({QStringLiteral("warning"), title, text, {}, {}});
        return QMessageBox::Ok;
    }
    QString getText(QWidget *, const QString &title, const QString &label, const QString &text,
                    bool *ok) override
    {
        shown.append({QStringLiteral("getText"), title, label, text, {}});
        const QString answer = texts.isEmpty() ? QString() : texts.dequeue();
        *ok = !answer.isNull();
        return answer;
    }
    QString getSaveFileName(QWidget *, const QString &caption, const QString &dir,
                            const QString &) override
    {
        const QFileInfo proposed(dir);
        shown.append({QStringLiteral("save"), caption, proposed.fileName(), proposed.path(), {}});
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString getOpenFileName(QWidget *, const QString &caption, const QString &dir,
                            const QString &) override
    {
        shown.append({QStringLiteral("open"), caption, {}, dir, {}});
        return files.isEmpty() ? QString() : files.dequeue();
    }
    int exec(QDialog *dialog) override
    {
        ++execCount;
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (box) {
            QStringList buttons;
            for (QAbstractButton *button : box->buttons())
                buttons << button->text();
            buttons.sort();
            shown.append({QStringLiteral("box"), box->windowTitle(), box->text(), {}, buttons});
        } else {
            shown.append({QStringLiteral("exec"),
                          QString::fromLatin1(dialog->metaObject()->className()), {}, {}, {}});
        }
        if (onExec)
            return onExec(dialog);
        return box ? int(nextAnswer()) : int(QDialog::Rejected);
    }

private:
    QMessageBox::StandardButton nextAnswer()
    {
        return answers.isEmpty() ? answer : answers.dequeue();
    }
};
