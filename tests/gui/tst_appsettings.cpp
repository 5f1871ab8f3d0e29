#include "gui/appsettings.h"
#include "gui/startup.h"
#include "store/dbmanager.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {
DbManager *store()
{
    return DbManager::instance();
}

void storeSetting(uint id, const char *name, const QByteArray &value)
{
    store()->updateAppSetting(id, QString::fromLatin1(name), value);
}
} // namespace

class TestAppSettings : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void languageRowFollowsStoredId_data();
    void languageRowFollowsStoredId();
    void fontControlsShowStoredFont_data();
    void fontControlsShowStoredFont();
    void okStoresAllThreeAndSignals();
    void okWithoutLanguageRowKeepsStoredLanguage();
    void cancelStoresNothing();
    void hostedFormHidesLanguage();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

// Each case gets a fresh store, as on a first start.
void TestAppSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(openLocalStore(m_dir->path()));
}

void TestAppSettings::languageRowFollowsStoredId_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("shown");
    QTest::newRow("default Polish") << QByteArray("2") << 1 << QStringLiteral("POLSKI");
    QTest::newRow("English") << QByteArray("1") << 0 << QStringLiteral("ENGLISH");
    QTest::newRow("last") << QByteArray("5") << 4 << QStringLiteral("Deutch");
    QTest::newRow("no such id") << QByteArray("7") << -1 << QString();
    QTest::newRow("zero") << QByteArray("0") << -1 << QString();
    QTest::newRow("not a number") << QByteArray("en") << -1 << QString();
}

void TestAppSettings::languageRowFollowsStoredId()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, row);
    QFETCH(QString, shown);
    storeSetting(DbManager::LanguageSetting, "S_LANGUAGE", stored);

    AppSettings dialog;
    auto *languageBox = dialog.findChild<QComboBox *>(QStringLiteral("languageBox"));
    QVERIFY(languageBox);
    QCOMPARE(languageBox->count(), 5);
    QCOMPARE(languageBox->currentIndex(), row);
    QCOMPARE(languageBox->currentText(), shown);
}

void TestAppSettings::fontControlsShowStoredFont_data()
{
    QTest::addColumn<QByteArray>("size");
    QTest::addColumn<int>("shownSize");
    QTest::newRow("stored size") << QByteArray("14") << 14;
    QTest::newRow("zero keeps default") << QByteArray("0") << 12;
    QTest::newRow("garbage keeps default") << QByteArray("big") << 12;
}

void TestAppSettings::fontControlsShowStoredFont()
{
    QFETCH(QByteArray, size);
    QFETCH(int, shownSize);
    storeSetting(DbManager::FontSizeSetting, "S_FONT_SIZE", size);
    storeSetting(DbManager::FontTypeSetting, "S_FONT_TYPE", "DejaVu Sans");

    AppSettings dialog;
    QCOMPARE(dialog.findChild<QSpinBox *>(QStringLiteral("fontSize"))->value(), shownSize);
    QCOMPARE(dialog.findChild<QFontComboBox *>(QStringLiteral("fontComboBox"))
                     ->currentFont()
                     .family(),
             QStringLiteral("DejaVu Sans"));
}

void TestAppSettings::okStoresAllThreeAndSignals()
{
    AppSettings dialog;
    QSignalSpy changed(&dialog, &AppSettings::signalSettingChanged);
    dialog.findChild<QComboBox *>(QStringLiteral("languageBox"))->setCurrentIndex(0);
    dialog.findChild<QSpinBox *>(QStringLiteral("fontSize"))->setValue(14);
    dialog.findChild<QFontComboBox *>(QStringLiteral("fontComboBox"))
            ->setCurrentFont(QFont(QStringLiteral("DejaVu Sans")));

    auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    buttons->button(QDialogButtonBox::Ok)->click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(store()->readAppSetting(DbManager::LanguageSetting), QByteArray("1"));
    QCOMPARE(store()->readAppSetting(DbManager::FontSizeSetting), QByteArray("14"));
    QCOMPARE(store()->readAppSetting(DbManager::FontTypeSetting), QByteArray("DejaVu Sans"));
    // The language now chosen is the one the next start loads.
    QCOMPARE(store()->getLanguageFileName(), QStringLiteral("konfigurator_en"));
}

void TestAppSettings::okWithoutLanguageRowKeepsStoredLanguage()
{
    storeSetting(DbManager::LanguageSetting, "S_LANGUAGE", "7");
    AppSettings dialog;
    dialog.findChild<QSpinBox *>(QStringLiteral("fontSize"))->setValue(16);
    dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
            ->button(QDialogButtonBox::Ok)
            ->click();
    QCOMPARE(store()->readAppSetting(DbManager::LanguageSetting), QByteArray("7"));
    QCOMPARE(store()->readAppSetting(DbManager::FontSizeSetting), QByteArray("16"));
}

void TestAppSettings::cancelStoresNothing()
{
    AppSettings dialog;
    QSignalSpy changed(&dialog, &AppSettings::signalSettingChanged);
    auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    QCOMPARE(cancel->text(), QStringLiteral("Anuluj"));

    dialog.findChild<QComboBox *>(QStringLiteral("languageBox"))->setCurrentIndex(4);
    dialog.findChild<QSpinBox *>(QStringLiteral("fontSize"))->setValue(20);
    dialog.findChild<QFontComboBox *>(QStringLiteral("fontComboBox"))
            ->setCurrentFont(QFont(QStringLiteral("DejaVu Serif")));
    cancel->click();

    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(store()->readAppSetting(DbManager::LanguageSetting), QByteArray("2"));
    QCOMPARE(store()->readAppSetting(DbManager::FontSizeSetting), QByteArray("12"));
    QCOMPARE(store()->readAppSetting(DbManager::FontTypeSetting), QByteArray("Arial"));
}

void TestAppSettings::hostedFormHidesLanguage()
{
    AppSettings dialog;
    auto *languageWidget = dialog.findChild<QWidget *>(QStringLiteral("languageWidget"));
    QVERIFY(languageWidget);
    dialog.show();
    QVERIFY(languageWidget->isVisible());
    dialog.setHostedMode();
    QVERIFY(!languageWidget->isVisible());
    QVERIFY(dialog.findChild<QWidget *>(QStringLiteral("fontSize"))->isVisible());
}

QTEST_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
