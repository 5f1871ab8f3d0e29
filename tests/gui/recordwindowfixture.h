#pragma once

// Shared set-up of the record-window tests: a real store in a temporary directory, the
// simulated unit on its pseudo-terminal, and dialogs answered without a user.

#include "gui/dialogs.h"
#include "link/usbmanager.h"
#include "simprocess.h"
#include "store/dbmanager.h"

#include <QAbstractItemView>
#include <QAction>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

class ScriptedDialogs : public Dialogs
{
public:
    struct Message
    {
        QString title;
        QString text;
    };
    QList<Message> messages;
    QString saveFileName;
    QString saveCaption;
    QString saveProposal;
    int execs = 0;

    QMessageBox::StandardButton information(QWidget *, const QString &title,
                                            const QString &text) override
    {
        messages.append({title, text});
        return QMessageBox::Ok;
    }
    QString getSaveFileName(QWidget *, const QString &caption, const QString &dir,
                            const QString &) override
    {
        saveCaption = caption;
        saveProposal = dir;
        return saveFileName;
    }
    int exec(QDialog *) override
    {
        ++execs;
        return 0;
    }
};

inline bool openTestStore(QTemporaryDir &dir)
{
    if (!dir.isValid() || !DbManager::instance()->openDatabase(dir.path()))
        return false;
    DbManager::instance()->initTables();
    return true;
}

inline void clearRecords(const char *table)
{
    QSqlQuery query;
    query.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
}

inline QString pdfText(const QString &fileName)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    if (!process.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The generated name of a record read from the unit.
inline bool isGeneratedName(const QString &name, const QString &prefix)
{
    static const QRegularExpression stamp(
            QStringLiteral("^\\d{4}_\\d{2}_\\d{2}_\\d{2}:\\d{2}:\\d{2}$"));
    return name.startsWith(prefix) && stamp.match(name.mid(prefix.size())).hasMatch();
}

// The simulated unit and the link opened on it.
struct SimLink
{
    std::unique_ptr<SimProcess> sim;
    USBManager link;

    bool start(const QStringList &arguments)
    {
        sim = std::make_unique<SimProcess>(ostrelSimPath(),
                                           QStringList{QStringLiteral("--fast")} + arguments);
        return sim->start();
    }
    bool open() { return link.openPort(sim->portName()); }
};

template<class Window>
QMdiArea *mdiOf(Window &window)
{
    return window.template findChild<QMdiArea *>(QStringLiteral("mdiArea"));
}

template<class Window>
QListView *listOf(Window &window)
{
    return window.template findChild<QListView *>(QStringLiteral("lista"));
}

template<class Window>
QAction *actionOf(Window &window, const char *button)
{
    return window.template findChild<QToolButton *>(QLatin1String(button))->defaultAction();
}

inline void clickRow(QListView *list, int row)
{
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}
