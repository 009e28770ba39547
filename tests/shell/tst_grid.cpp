#include "DataGrid.h"
#include "DataGridModel.h"
#include "GridRowTexts.h"
#include "Twips.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

class tst_Grid : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsWithAHeadingRowAndOneEmptyRow();
    void headingsAndWidths();
    void rowsAddedInFrontOfTheBlankRow();
    void addItemSplitsAtTabs_data();
    void addItemSplitsAtTabs();
    void cellTextsAndBlanking();
    void cellsBeyondTheColumnsStayDropped();
    void rowsGrowAndShrink();
    void currentCellAndRowSignals();
    void topRow();
    void withoutAFixedRow();
    void fixedColumnsLookLikeHeadings();
    void hundredThousandRows();
    void batchInTheMiddle();
    void rowsCarryTheirKeys();
    void focusKeepsTheHeadingRowChosen_data();
    void focusKeepsTheHeadingRowChosen();
};

void tst_Grid::startsWithAHeadingRowAndOneEmptyRow()
{
    DataGrid grid;
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(grid.cols(), 2);
    QCOMPARE(grid.fixedRows(), 1);
    QCOMPARE(grid.fixedCols(), 0);
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.col(), 0);
    QCOMPARE(grid.text(1, 0), QString());
    QVERIFY(grid.horizontalHeader()->isVisible() || !grid.isVisible());
}

void tst_Grid::headingsAndWidths()
{
    DataGrid grid;
    grid.setCols(4);
    const char *const headings[] = { "ID#", "BIBLE REF", "PREACHER", "BIG IDEA or TITLE" };
    const int widths[] = { 480, 1586, 1106, 7888 };
    for (int c = 0; c < 4; ++c) {
        grid.setText(0, c, QString::fromLatin1(headings[c]));
        grid.setColWidth(c, widths[c]);
    }
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(grid.text(0, c), QString::fromLatin1(headings[c]));
        QCOMPARE(grid.model()->headerData(c, Qt::Horizontal).toString(),
            QString::fromLatin1(headings[c]));
        // As asked, or as wide as the heading needs where that is more.
        const int pixels
            = qMax(TwipsToPixels(widths[c]), grid.horizontalHeader()->sectionSizeHint(c));
        QCOMPARE(grid.columnWidth(c), pixels);
        QCOMPARE(grid.colWidth(c), int(std::lround(PixelsToTwips(pixels))));
    }
    // The heading row is not a data row.
    QCOMPARE(grid.model()->rowCount(), 1);

    // A heading wider than its column widens the column just enough, in either order.
    grid.setColWidth(1, 300);
    QCOMPARE(grid.columnWidth(1), grid.horizontalHeader()->sectionSizeHint(1));
    grid.setText(0, 2, QStringLiteral("Date Preached and more"));
    QCOMPARE(grid.columnWidth(2), grid.horizontalHeader()->sectionSizeHint(2));
}

void tst_Grid::rowsAddedInFrontOfTheBlankRow()
{
    DataGrid grid;
    grid.setCols(4);
    grid.setText(0, 0, QStringLiteral("ID#"));
    for (int count = 0; count < 3; ++count) {
        grid.addItem(
            QStringLiteral("%1\tGen 1:%1\tSmith\tIn the beginning").arg(count + 1), count + 1);
    }
    QCOMPARE(grid.rows(), 5);
    QCOMPARE(grid.text(1, 0), QStringLiteral("1"));
    QCOMPARE(grid.text(3, 1), QStringLiteral("Gen 1:3"));
    QCOMPARE(grid.text(3, 3), QStringLiteral("In the beginning"));
    QCOMPARE(grid.text(4, 0), QString());
    grid.addItem(QStringLiteral("0\tfirst"), 1);
    QCOMPARE(grid.text(1, 0), QStringLiteral("0"));
    QCOMPARE(grid.text(2, 0), QStringLiteral("1"));
    grid.addItem(QStringLiteral("last"));
    QCOMPARE(grid.text(grid.rows() - 1, 0), QStringLiteral("last"));
    grid.removeItem(1);
    QCOMPARE(grid.text(1, 0), QStringLiteral("1"));
    grid.removeItem(0);
    QCOMPARE(grid.text(0, 0), QStringLiteral("ID#"));
}

void tst_Grid::addItemSplitsAtTabs_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("all cells") << "7\tPs 23\tO'Brien" << QStringList { "7", "Ps 23", "O'Brien" };
    QTest::newRow("fewer cells") << "7" << QStringList { "7", "", "" };
    QTest::newRow("more cells are dropped") << "1\t2\t3\t4\t5" << QStringList { "1", "2", "3" };
    QTest::newRow("empty cells") << "\t\t" << QStringList { "", "", "" };
    QTest::newRow("Greek and Hebrew")
        << "Ἰωάννης\tבראשית\t100%_" << QStringList { "Ἰωάννης", "בראשית", "100%_" };
}

void tst_Grid::addItemSplitsAtTabs()
{
    QFETCH(QString, row);
    QFETCH(QStringList, cells);
    DataGrid grid;
    QAbstractItemModelTester tester(
        grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid.setCols(3);
    grid.addItem(row, 1);
    for (int c = 0; c < 3; ++c) {
        QCOMPARE(grid.text(1, c), cells.at(c));
    }
    QCOMPARE(grid.model()->data(grid.model()->index(0, 0)).toString(), cells.at(0));
}

void tst_Grid::cellTextsAndBlanking()
{
    DataGrid grid;
    grid.setCols(4);
    grid.addItem(QStringLiteral("12\tJohn 3:16\tGraham\tFor God so loved"), 1);
    for (int c = 0; c < 4; ++c) {
        grid.setText(1, c, QStringLiteral(" "));
    }
    QCOMPARE(grid.rows(), 3);
    QCOMPARE(grid.text(1, 0), QStringLiteral(" "));
    QCOMPARE(grid.text(1, 3), QStringLiteral(" "));
    grid.setRow(1);
    grid.setCol(2);
    QCOMPARE(grid.currentText(), QStringLiteral(" "));
    // Out of range reads are empty, writes are ignored.
    QCOMPARE(grid.text(99, 0), QString());
    grid.setText(99, 0, QStringLiteral("x"));
    grid.setText(1, 9, QStringLiteral("x"));
    QCOMPARE(grid.rows(), 3);
    // A cell set on its own keeps a tab in its text; its neighbours keep theirs.
    grid.addItem(QStringLiteral("13\tPs 1\tKnox\tBlessed"), 2);
    grid.setText(2, 3, QStringLiteral("one\ttwo"));
    QCOMPARE(grid.text(2, 3), QStringLiteral("one\ttwo"));
    QCOMPARE(grid.text(2, 2), QStringLiteral("Knox"));
}

void tst_Grid::cellsBeyondTheColumnsStayDropped()
{
    DataGrid grid;
    QAbstractItemModelTester tester(
        grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid.setCols(3);
    grid.addItem(QStringLiteral("1\t2\t3\t4"), 1);
    grid.addItem(QStringLiteral("5\t6\t7\t8"), 2);
    grid.setText(2, 0, QStringLiteral("x"));
    QCOMPARE(grid.text(1, 3), QString());
    grid.setCols(2);
    grid.setCols(4);
    for (int row : { 1, 2 }) {
        QCOMPARE(grid.text(row, 1), QString::number(row * 4 - 2));
        QCOMPARE(grid.text(row, 2), QString());
        QCOMPARE(grid.text(row, 3), QString());
    }
    QCOMPARE(grid.text(2, 0), QStringLiteral("x"));
    grid.clearRows();
    QCOMPARE(grid.rows(), 1);
}

void tst_Grid::rowsGrowAndShrink()
{
    DataGrid grid;
    grid.setRows(10);
    QCOMPARE(grid.rows(), 10);
    grid.setText(9, 1, QStringLiteral("end"));
    grid.setRows(2);
    QCOMPARE(grid.rows(), 2);
    grid.setRows(10);
    QCOMPARE(grid.text(9, 1), QString());
    grid.clearRows();
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.row(), -1);
    grid.setCols(5);
    QCOMPARE(grid.cols(), 5);
    grid.setCols(1);
    QCOMPARE(grid.model()->columnCount(), 1);
}

void tst_Grid::currentCellAndRowSignals()
{
    DataGrid grid;
    QAbstractItemModelTester tester(
        grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid.setCols(3);
    for (int i = 1; i <= 5; ++i) {
        grid.addItem(QString::number(i), i);
    }
    QSignalSpy moved(&grid, &DataGrid::currentRowChanged);
    QSignalSpy chosen(&grid, &DataGrid::rowChosen);
    grid.setRow(3);
    grid.setCol(2);
    QCOMPARE(grid.row(), 3);
    QCOMPARE(grid.col(), 2);
    QCOMPARE(grid.currentText(), QString());
    QCOMPARE(moved.size(), 1);
    QCOMPARE(moved.at(0).at(0).toInt(), 3);
    QCOMPARE(chosen.size(), 0);
    // The current cell is the whole selection.
    QCOMPARE(grid.selectionModel()->selectedIndexes().size(), 1);
    grid.setRow(0);
    QCOMPARE(grid.row(), 3);

    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.row(), 4);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.at(0).at(0).toInt(), 4);
    QTest::keyClick(&grid, Qt::Key_Left);
    QCOMPARE(chosen.size(), 1);
    const QRect cell = grid.visualRect(grid.model()->index(0, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(grid.row(), 1);
    QCOMPARE(chosen.size(), 2);
}

void tst_Grid::topRow()
{
    DataGrid grid;
    grid.resize(300, 200);
    for (int i = 1; i <= 200; ++i) {
        grid.addItem(QString::number(i), i);
    }
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.topRow(), 1);
    grid.setTopRow(120);
    QCOMPARE(grid.topRow(), 120);
    QCOMPARE(grid.text(grid.topRow(), 0), QStringLiteral("120"));
}

void tst_Grid::withoutAFixedRow()
{
    DataGrid grid;
    grid.setText(0, 0, QStringLiteral("ID#"));
    grid.setFixedRows(0);
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(grid.text(0, 0), QStringLiteral("ID#"));
    QCOMPARE(grid.model()->rowCount(), 2);
    grid.setText(0, 0, QStringLiteral("data"));
    grid.setFixedRows(1);
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(grid.text(0, 0), QStringLiteral("data"));
    QCOMPARE(grid.model()->rowCount(), 1);
}

void tst_Grid::fixedColumnsLookLikeHeadings()
{
    DataGrid grid;
    QAbstractItemModelTester tester(
        grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid.addItem(QStringLiteral("1\tone"), 1);
    QVERIFY(!grid.model()->data(grid.model()->index(0, 0), Qt::BackgroundRole).isValid());
    grid.setFixedCols(1);
    QCOMPARE(grid.fixedCols(), 1);
    QVERIFY(grid.model()->data(grid.model()->index(0, 0), Qt::BackgroundRole).isValid());
    QVERIFY(!grid.model()->data(grid.model()->index(0, 1), Qt::BackgroundRole).isValid());
}

void tst_Grid::hundredThousandRows()
{
    DataGrid grid;
    grid.setCols(4);
    grid.resize(600, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const int count = 100000;
    // As the sermon list fills: each row goes in front of the blank row at the end.
    for (int i = 1; i <= count; ++i) {
        grid.addItem(
            QString::number(i) + QStringLiteral("\tRom 8:28\tSpurgeon\tAll things work together"),
            i);
    }
    QCOMPARE(grid.rows(), count + 2);
    QCOMPARE(grid.text(count, 0), QString::number(count));
    QCOMPARE(grid.text(count + 1, 0), QString());
    grid.setTopRow(count - 5);
    grid.setRow(count);
    QCoreApplication::processEvents();
    QCOMPARE(grid.currentText(), QString::number(count));
    grid.setText(0, 1, QStringLiteral("BIBLE REF"));
    grid.setColWidth(1, 1586);
    grid.clearRows();
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.row(), -1);
    // Emptied at once, the grid keeps its headings and widths.
    QCOMPARE(grid.text(0, 1), QStringLiteral("BIBLE REF"));
    QCOMPARE(grid.columnWidth(1), TwipsToPixels(1586));
    grid.addItem(QStringLiteral("1\tGen 1:1"), 1);
    QCOMPARE(grid.text(1, 1), QStringLiteral("Gen 1:1"));
}

void tst_Grid::batchInTheMiddle()
{
    // A batch of rows taken over into a grid whose rows already lie in blocks of their own,
    // one of them kept as separate cells: every row keeps its own text.
    DataGrid grid;
    grid.setCols(3);
    grid.addItem(QStringLiteral("1\tfirst"), 1);
    grid.addItem(QStringLiteral("2\tsecond"), 2);
    grid.setText(2, 2, QStringLiteral("tab\tinside"));
    const QString longCell(70000, QLatin1Char('x')); // more than one block holds
    GridRowTexts batch;
    batch.appendRow({ u"10", u"ten" });
    batch.appendRow({ u"11", longCell, u"eleven" });
    batch.append(u"");
    batch.appendRow({ u"12", u"twelve" });
    batch.setCell(3, 1, QStringLiteral("TWELVE"), 3);
    batch.keepOnly({ true, true, false, true });
    grid.addItems(std::move(batch), 2);
    QCOMPARE(grid.rows(), 1 + 5 + 1);
    const QStringList expected[] = { { "1", "first", "" }, { "10", "ten", "" },
        { "11", longCell, "eleven" }, { "12", "TWELVE", "" }, { "2", "second", "tab\tinside" } };
    for (int row = 1; row <= 5; ++row) {
        for (int col = 0; col < 3; ++col) {
            QCOMPARE(grid.text(row, col), expected[row - 1].at(col));
        }
    }
    grid.removeItem(2);
    grid.setCols(1);
    grid.setCols(3);
    QCOMPARE(grid.text(2, 0), QStringLiteral("11"));
    QCOMPARE(grid.text(2, 2), QString());
    QCOMPARE(grid.text(4, 0), QStringLiteral("2"));
    QCOMPARE(grid.text(4, 2), QString());
}

void tst_Grid::rowsCarryTheirKeys()
{
    // The key goes with its row wherever the row moves, whatever its cells show; the heading,
    // the blank row and a row added without a key list no record. Key 0 is a key like any.
    DataGrid grid;
    grid.setCols(3);
    grid.addRow(0, QStringLiteral("0\tdefault"), 1);
    grid.addItem(QStringLiteral("no key"), 2);
    GridRowTexts batch;
    batch.appendRow(20, { u"20", u"twenty" });
    batch.appendRow(21, { u"21", u"twenty-one" });
    grid.addItems(std::move(batch), 2);
    grid.addRow(10, QStringLiteral("10\tten"), 2);
    QCOMPARE(grid.rows(), 1 + 5 + 1);
    const QList<qint32> keys = { DataGrid::NoKey, 0, 10, 20, 21, DataGrid::NoKey, DataGrid::NoKey };
    for (int row = 0; row < grid.rows(); ++row) {
        QCOMPARE(grid.key(row), keys.at(row));
    }
    QCOMPARE(grid.rowOfKey(21), 4);
    QCOMPARE(grid.rowOfKey(0), 1);
    QCOMPARE(grid.rowOfKey(99), -1);

    // A cell set on its own, columns dropped and added again: the key stays.
    grid.setText(3, 1, QStringLiteral("TWENTY"));
    grid.setCols(0);
    grid.setCols(3);
    QCOMPARE(grid.key(3), 20);
    grid.removeItem(2);
    QCOMPARE(grid.rowOfKey(20), 2);

    // A blanked row keeps its place and loses its key.
    grid.blankRow(2, 1);
    QCOMPARE((QStringList { grid.text(2, 0), grid.text(2, 1), grid.text(2, 2) }),
        (QStringList { " ", " ", "" }));
    QCOMPARE(grid.key(2), DataGrid::NoKey);
    QCOMPARE(grid.rowOfKey(20), -1);
    QCOMPARE(grid.rowOfKey(21), 3);
}

void tst_Grid::focusKeepsTheHeadingRowChosen_data()
{
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::newRow("window activated") << Qt::ActiveWindowFocusReason;
    QTest::newRow("Tab") << Qt::TabFocusReason;
    QTest::newRow("given by the program") << Qt::OtherFocusReason;
}

void tst_Grid::focusKeepsTheHeadingRowChosen()
{
    QFETCH(Qt::FocusReason, reason);
    QWidget window;
    auto *grid = new DataGrid(&window);
    auto *other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    grid->setCols(2);
    grid->addItem(QStringLiteral("1\tone"), 1);
    grid->addItem(QStringLiteral("2\ttwo"), 2);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    grid->setRow(1);
    other->setFocus();
    QHeaderView *header = grid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(1) + 4, header->height() / 2));
    QCOMPARE(grid->row(), 0);
    // The focus coming to the grid afterwards chooses nothing.
    other->setFocus();
    QSignalSpy chosen(grid, &DataGrid::rowChosen);
    grid->setFocus(reason);
    QVERIFY(grid->hasFocus());
    QCOMPARE(grid->row(), 0);
    QCOMPARE(chosen.count(), 0);
    // A key still moves onto the first data row, as the user's choice.
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->row(), 1);
    QCOMPARE(chosen.count(), 1);
}

QTEST_MAIN(tst_Grid)
#include "tst_grid.moc"
