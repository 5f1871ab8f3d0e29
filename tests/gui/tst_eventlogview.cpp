// ctest-labels: eventlog
#include "config/modulefactory.h"
#include "gui/eventsmanagement.h"
#include "gui/faultsmanagement.h"
#include "gui/softwaremanagement.h"
#include "gui/startup.h"
#include "records/eventlogmodel.h"
#include "store/dbmanager.h"

#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <initializer_list>

namespace {
// Oldest first: the unit itself, PSB 10, PSB 2 (gone, then active), PSL 2 (gone, then active).
const QByteArray Register = QByteArray::fromHex("18030510000017" "00" "180305100000" "03ea"
                                                "180306081e00" "83e2" "180306081e00" "03e2"
                                                "1803070c0000" "83f2" "180304173b3b" "03f2");
} // namespace

class tst_EventLogView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fitsFont_data();
    void fitsFont();

private:
    QTemporaryDir m_dir;
};

void tst_EventLogView::initTestCase()
{
    QVERIFY(m_dir.isValid() && DbManager::instance()->openDatabase(m_dir.path()));
    createStoreTables(*DbManager::instance());
    initFaultTextTables();
}

void tst_EventLogView::fitsFont_data()
{
    QTest::addColumn<int>("pixelSize");
    for (int size : {8, 9, 12, 14, 18, 20})
        QTest::addRow("%d px", size) << size;
}

// No tool button label and no date or module of the register is cut, at any font the
// settings offer.
void tst_EventLogView::fitsFont()
{
    QFETCH(int, pixelSize);
    DbManager::instance()->writeFaults(QStringLiteral("S_1"), QByteArray::fromHex("00"));
    EventsManagement events;
    events.showLog(uint(DbManager::instance()->writeLog(QStringLiteral("L_filtr"), Register)),
                   QStringLiteral("L_filtr"));
    FaultsManagement faults;
    SoftwareManagement software;
    QFont font;
    font.setPixelSize(pixelSize);
    for (QWidget *window : std::initializer_list<QWidget *>{&events, &faults, &software}) {
        window->setFont(font);
        window->resize(1000, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        for (const char *name :
             {"readButton", "deleteButton", "printButton", "pdfButton", "csvButton"}) {
            auto *button = window->findChild<QToolButton *>(QLatin1String(name));
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        }
    }
    auto *table = events.findChild<QTableView *>();
    const QFontMetrics metrics(table->font());
    // What the item delegate keeps free around a text.
    const int margins = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    for (int column : {int(EventLogModel::DateColumn), int(EventLogModel::ModuleColumn)}) {
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            const QString text = table->model()->index(row, column).data().toString();
            QVERIFY2(table->columnWidth(column) >= metrics.horizontalAdvance(text) + margins,
                     qPrintable(text));
        }
    }
}

QTEST_MAIN(tst_EventLogView)
#include "tst_eventlogview.moc"
