// Uses the tool as a host application does: the shared library is loaded at run time and
// reached only through what it exports. Nothing of ours is linked into this test.
#include "host/ostrelinterfaces.h"

#include <QApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <dlfcn.h>

namespace {
QByteArray received;
void onDone(OstrelInterfaces::OstrelConfig cfg)
{
    received = QByteArray(reinterpret_cast<const char *>(&cfg), sizeof cfg);
}

// A PSB and a PSL as the store keeps them: the count, then type, number, length and payload of
// each, then an empty list of groups. Every field of the record gets a recognisable value. PSB: PU
// mode 1, PK mode 1 on criterion 3, LK1 mode 2, LK2 mode 1. PSL: declared; 19-byte line blocks
// that start with mode and criterion: LS1 1/3, LS2 2/3 (off), LS3 3/3, LS4 1/2 (other criterion).
QByteArray storedImage()
{
    const QByteArray zeros(17, '\0');
    QByteArray psl = QByteArray::fromHex("f0014d01");
    for (const char *line : {"0103", "0203", "0303", "0102"})
        psl += QByteArray::fromHex(line) + zeros;
    return QByteArray::fromHex("02e001200000010103") + zeros + QByteArray::fromHex("0201")
            + QByteArray(8, '\0') + psl + QByteArray(1, '\0');
}
} // namespace

class TestHostLibrary : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(m_library, dlerror()); }
    void exportsOnlyTheInterface()
    {
        for (const char *symbol : {"getPSInterface", "changeDBName", "ostrelMain",
                                   "_ZN16OstrelInterfaces12callWhenDoneEPFvNS_12OstrelConfigEE",
                                   "_ZN11PSInterfaceC1E7QString", "_ZN11PSInterface4execEv",
                                   "_ZTV11PSInterface"})
            QVERIFY2(dlsym(m_library, symbol), symbol);
        // The rest of the tool stays hidden.
        for (const char *symbol : {"_ZN9DbManager8instanceEv", "_ZN10MainWindowC1EP7QWidget",
                                   "_Z12createModuleih"})
            QVERIFY2(!dlsym(m_library, symbol), symbol);
    }
    void recordLayoutSeenByTheHost()
    {
        using GetInterface = OstrelInterfaces *(*)(QString);
        auto getInterface = reinterpret_cast<GetInterface>(dlsym(m_library, "getPSInterface"));
        QVERIFY(getInterface);
        QTemporaryDir dir;
        OstrelInterfaces *tool = getInterface(dir.path());
        // The tool has opened its store on the process's default connection.
        QSqlQuery insert;
        insert.prepare(QStringLiteral("INSERT INTO KONFIGURACJA VALUES (NULL, 'Obiekt 7', ?)"));
        insert.addBindValue(storedImage());
        QVERIFY(insert.exec());
        tool->configToSet(QStringLiteral("Obiekt 7"));
        tool->callWhenDone(onDone);
        // exec() shows the tool's window before it waits for it to close.
        QTimer::singleShot(0, this, [] { QApplication::activeModalWidget()->close(); });
        tool->exec();
        delete tool;

        // psbDeclared, pslDeclared, lk1Mode at 4, lk2Mode at 8, puAlarmDriven, pkAlarmDriven,
        // lsAlarmDriven at 16; the padding between them is no part of the record.
        received[2] = received[3] = received[14] = received[15] = 'x';
        QCOMPARE(received.toHex(' '), QByteArray("01 01 78 78 02 00 00 00 01 00 00 00 01 01 78 78 "
                                                 "01 00 01 00"));
    }

private:
    void *m_library = dlopen(OSTREL_LIBRARY_PATH, RTLD_NOW);
};

QTEST_MAIN(TestHostLibrary)
#include "tst_hostlibrary.moc"
