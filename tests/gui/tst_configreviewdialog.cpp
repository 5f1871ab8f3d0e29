// ctest-labels: trust
#include "gui/configdiffmodel.h"
#include "gui/configreviewdialog.h"

#include <QHeaderView>
#include <QTreeView>
#include <QtTest>

// The review window over a main window: it never grows past it, and every column keeps a
// readable width however long the option texts are.
class tst_ConfigReviewDialog : public QObject
{
    Q_OBJECT
private slots:
    void staysInsideTheMainWindow_data();
    void staysInsideTheMainWindow();
};

namespace {

ConfigComparison comparison(int textLength)
{
    ConfigComparison c;
    const QString longText = QString(QStringLiteral("Wysterowanie impulsowo – cykliczne "))
                                     .repeated(textLength / 35 + 1)
                                     .left(textLength);
    for (int i = 0; i < 6; ++i) {
        ConfigDifference row;
        row.kind = ConfigDifference::Changed;
        row.moduleName = QStringLiteral("LNM %1").arg(i + 1);
        row.setting = i;
        row.settingName = QStringLiteral("Przekaźnik PK%1 - kryterium wysterowania").arg(i);
        row.leftText = QStringLiteral("0 – Brak");
        row.rightText = longText;
        c.rows.append(row);
    }
    c.leftModules = c.rightModules = 6;
    c.changed = 6;
    return c;
}

} // namespace

void tst_ConfigReviewDialog::staysInsideTheMainWindow_data()
{
    QTest::addColumn<int>("mainWidth");
    QTest::addColumn<int>("textLength");
    QTest::addColumn<int>("mode");
    QTest::newRow("short texts fit whole") << 1360 << 20 << int(ConfigReviewDialog::Compare);
    QTest::newRow("long option texts, 1360") << 1360 << 600 << int(ConfigReviewDialog::Compare);
    QTest::newRow("send review at 1100") << 1100 << 600 << int(ConfigReviewDialog::Send);
    QTest::newRow("main window narrower than the form") << 600 << 300
                                                         << int(ConfigReviewDialog::Send);
}

void tst_ConfigReviewDialog::staysInsideTheMainWindow()
{
    QFETCH(int, mainWidth);
    QFETCH(int, textLength);
    QFETCH(int, mode);
    QWidget main;
    main.resize(mainWidth, 700);
    main.show();
    const ConfigComparison c = comparison(textLength);
    const QString target = QStringLiteral("Do wysłania: C_2024_03_05_14:07:09 obiekt Hala B");
    ConfigReviewDialog dialog(c, QStringLiteral("Urządzenie (teraz)"), target,
                              ConfigReviewDialog::Mode(mode), &main);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY2(dialog.width() <= mainWidth, qPrintable(QString::number(dialog.width())));

    auto *view = dialog.findChild<QTreeView *>(QStringLiteral("rowsView"));
    const QFontMetrics metrics(view->font());
    int sum = 0;
    for (int column = 0; column < ConfigDiffModel::ColumnCount; ++column) {
        const int width = view->columnWidth(column);
        sum += width;
        // Readable: at least a fifth of the window, or the whole of its longest text.
        int longest = 0;
        for (int row = 0; row < dialog.model()->rowCount(); ++row)
            longest = qMax(longest, metrics.horizontalAdvance(
                                            dialog.model()->index(row, column).data().toString()));
        QVERIFY2(width >= qMin(longest, dialog.width() / 5),
                 qPrintable(QStringLiteral("column %1: %2 px").arg(column).arg(width)));
    }
    // Nothing lies past the right edge: no column is cut off by the window.
    QVERIFY2(sum <= view->viewport()->width() + 1, qPrintable(QString::number(sum)));
    // A cut text is whole in its tooltip, and so is a cut column title.
    const QModelIndex value = dialog.model()->index(0, ConfigDiffModel::RightColumn);
    QCOMPARE(value.data(Qt::ToolTipRole).toString(), c.rows.first().rightText);
    QCOMPARE(dialog.model()->headerData(ConfigDiffModel::RightColumn, Qt::Horizontal,
                                        Qt::ToolTipRole).toString(),
             target);
}

QTEST_MAIN(tst_ConfigReviewDialog)
#include "tst_configreviewdialog.moc"
