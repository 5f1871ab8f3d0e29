#include "gui/startup.h"

#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QtTest>

// Every image the windows and reports name must be in the bundle, in the form they expect.
class TestResources : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void icons_data();
    void icons();
    void reportLogo();
    void applicationIcon();
};

void TestResources::initTestCase()
{
    registerResources();
}

void TestResources::icons_data()
{
    QTest::addColumn<QString>("path");
    const char *const names[] = {
        "polacz", "rozlacz", "zarzadzaj-konfiguracja", "lista-uszkodzen_bledow", "uszkodzenie",
        "wersje-oprogramowania", "clock", "funkcje-serwisowe", "wyslij", "odczytaj", "dodaj",
        "zmien-nazwe", "usun", "importPlik", "eksportPlik", "eksportPdf", "drukuj", "odswiez",
        "kopiuj", "anuluj", "pomoc", "porownaj", "potwierdzenie", "edytuj",
    };
    for (const char *name : names)
        QTest::newRow(name) << QStringLiteral(":/icons/%1.png").arg(QLatin1String(name));
}

void TestResources::icons()
{
    QFETCH(QString, path);
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(QResource(path).compressionAlgorithm(), QResource::NoCompression);
}

void TestResources::reportLogo()
{
    const QString path = QStringLiteral(":/images/logohaslo.jpg");
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.width(), 600);
    QCOMPARE(QResource(path).compressionAlgorithm(), QResource::NoCompression);
}

void TestResources::applicationIcon()
{
    const QString path = QStringLiteral(":/icons/logo.ico");
    QVERIFY(QResource(path).isValid());
    QVERIFY(QResource(path).compressionAlgorithm() != QResource::NoCompression);
    // Small sizes for title bars and task lists, large ones for the desktop.
    const QList<QSize> sizes = QIcon(path).availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(256, 256)));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
