#include "gui/softwaremanagement.h"
#include "recordwindowfixture.h"

#include "config/modulefactory.h"
#include "records/softwareversions.h"

#include <QHeaderView>
#include <QTableView>

class tst_SoftwareManagement : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_fixture.open()); }
    void init() { m_fixture.reset(); }

    void onePerRequest();
    void activationAndDelete();
    void pdfExport();

private:
    RecordWindowFixture m_fixture{"OPROGRAMOWANIE"};
};

void tst_SoftwareManagement::onePerRequest()
{
    SimLink unit;
    QVERIFY(unit.start({QStringLiteral("--preset"), QStringLiteral("extinguishing")}));
    SoftwareManagement window(&unit.link, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAction *read = actionOf(window, "readButton");
    QVERIFY(!read->isEnabled());
    QVERIFY(unit.open());
    QVERIFY(read->isEnabled());
    QSignalSpy answers(&unit.link, &USBManager::signalReceivedPacket);

    // An answer nobody asked for through the window is not stored.
    QByteArray frame;
    Device::buildFrame(Device::ReadSoftware, QByteArray(2, '\0'), frame);
    unit.link.queueFrame(frame);
    QTRY_VERIFY_WITH_TIMEOUT(answers.count() >= 1 && answers.last().at(0).value<Device::COMMAND>() == Device::SoftwareData, 15000);
    QCOMPARE(listOf(window)->model()->rowCount(), 0);

    read->trigger();
    QMdiArea *mdi = mdiOf(window);
    QTRY_COMPARE_WITH_TIMEOUT(mdi->subWindowList().size(), 1, 15000);
    QAbstractItemModel *list = listOf(window)->model();
    QCOMPARE(list->rowCount(), 1);
    const QString name = list->index(0, 0).data().toString();
    const int id = list->index(0, 1).data().toInt();
    QVERIFY2(isGeneratedName(name, QStringLiteral("S_")), qPrintable(name));
    QCOMPARE(mdi->activeSubWindow()->windowTitle(), name);

    const QByteArray stored = DbManager::instance()->readSoftwareVersions(id);
    const QList<SoftwareVersion> shown = SoftwareVersions::decode(stored);
    QVERIFY(shown.size() < stored.size() / 5); // the empty position is left out
    auto *view = qobject_cast<QTableView *>(mdi->activeSubWindow()->widget());
    QVERIFY(view);
    QAbstractItemModel *table = view->model();
    const QStringList headers{"Nazwa", "Numer", "Wersja", "Suma CRC"};
    for (int c = 0; c < 4; ++c)
        QCOMPARE(table->headerData(c, Qt::Horizontal).toString(), headers.at(c));
    QCOMPARE(table->rowCount(), shown.size());
    for (int row = 0; row < shown.size(); ++row) {
        QCOMPARE(table->index(row, 0).data().toString(), moduleName(shown.at(row).type));
        QVERIFY(!table->index(row, 2).data().toString().startsWith(QStringLiteral("0.0")));
        QVERIFY(QRegularExpression(QStringLiteral("^0x[0-9A-F]{4}$"))
                        .match(table->index(row, 3).data().toString()).hasMatch());
    }

    // A second answer without a new request is ignored.
    const int before = answers.count();
    unit.link.queueFrame(frame);
    QTRY_VERIFY_WITH_TIMEOUT(answers.count() > before && answers.last().at(0).value<Device::COMMAND>() == Device::SoftwareData, 15000);
    QCOMPARE(list->rowCount(), 1);
    QCOMPARE(mdi->subWindowList().size(), 1);

    unit.link.closePort();
    QVERIFY(!read->isEnabled());
}

void tst_SoftwareManagement::activationAndDelete()
{
    const int first = DbManager::instance()->writeSoftwareVersions(QStringLiteral("a"), QByteArray::fromHex("f00123120b"));
    const int second = DbManager::instance()->writeSoftwareVersions(QStringLiteral("b"), QByteArray::fromHex("f00123120b"));
    SoftwareManagement window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QListView *list = listOf(window);
    QMdiArea *mdi = mdiOf(window);
    clickRow(list, 0);
    clickRow(list, 1);
    clickRow(list, 0);
    QCOMPARE(mdi->subWindowList().size(), 2);
    QCOMPARE(window.getCurrentId(), first);

    list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
    actionOf(window, "deleteButton")->trigger();
    QCOMPARE(m_fixture.messages().size(), 1);
    QCOMPARE(m_fixture.messages().at(0).title, QStringLiteral("Usunięcie wersji oprogramowania"));
    QCOMPARE(m_fixture.messages().at(0).text, QStringLiteral("Usunięcie wersji o nazwie: b"));
    QVERIFY(DbManager::instance()->readSoftwareVersions(second).isNull());
    QCOMPARE(mdi->subWindowList().size(), 2);

    QCOMPARE(mdi->activeSubWindow()->property("ID").toInt(), first);
    actionOf(window, "deleteButton")->trigger();
    QCOMPARE(m_fixture.messages().at(1).text, QStringLiteral("Usunięcie wersji o nazwie: a"));
    QTRY_COMPARE(mdi->subWindowList().size(), 1);
}

void tst_SoftwareManagement::pdfExport()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    const int id = DbManager::instance()->writeSoftwareVersions(
            QStringLiteral("S_wersje"), QByteArray::fromHex("f00123120b" "50010000ff" "5702050001"));
    SoftwareManagement window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.showSoftware(uint(id), QStringLiteral("S_wersje"));
    QTemporaryDir out;
    m_fixture.dialogs().files << out.filePath(QStringLiteral("wersje"));
    actionOf(window, "pdfButton")->trigger();
    const QString text = pdfText(out.filePath(QStringLiteral("wersje.pdf")));
    QVERIFY(text.contains(QStringLiteral("Oprogramowanie Ostrel: S_wersje")));
    QVERIFY(QRegularExpression(QStringLiteral("1\\s+PSL 1\\s+2\\.3\\s+120B")).match(text).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("3\\s+SCA 2\\s+0\\.5\\s+0001")).match(text).hasMatch());
}

QTEST_MAIN(tst_SoftwareManagement)
#include "tst_softwaremanagement.moc"
