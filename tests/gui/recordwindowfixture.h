#pragma once

// Shared set-up of the record-window tests: a real store in a temporary directory, the
// simulated unit on its pseudo-terminal, and dialogs answered without a user.

#include "config/modulefactory.h"
#include "fakedialogs.h"
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

// What every record-window test case holds: the store, one of its record tables emptied before
// each test, and a fresh dialog script for each test.
class RecordWindowFixture
{
public:
    explicit RecordWindowFixture(const char *table) : m_table(table) { }

    // Once per test case: the store and the fault texts the windows show.
    bool open()
    {
        if (!m_dir.isValid() || !DbManager::instance()->openDatabase(m_dir.path()))
            return false;
        DbManager::instance()->initTables();
        initFaultTextTables();
        return true;
    }
    // Before each test.
    void reset()
    {
        QSqlQuery query;
        query.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(m_table)));
        m_dialogs = std::make_unique<FakeDialogs>();
    }
    FakeDialogs &dialogs() { return *m_dialogs; }
    // The information boxes shown so far.
    QList<ShownDialog> messages() const
    {
        return m_dialogs->ofKind(QStringLiteral("information"));
    }

private:
    const char *m_table;
    QTemporaryDir m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
};

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
