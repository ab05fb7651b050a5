#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include "WidgetDriver.h"
#include "controls/CharGrid.h"

class TestCharGrid : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void codesFollowTheListFilesCodePage() {
    QCOMPARE(CCharGrid::CharOfCode(65), QChar(u'A'));
    QCOMPARE(CCharGrid::CharOfCode(0x80), QChar(0x20AC));  // euro sign
    QCOMPARE(CCharGrid::CharOfCode(0x9C), QChar(0x0153));  // oe ligature
    QCOMPARE(CCharGrid::CharOfCode(0xE9), QChar(0x00E9));
    for (const int none : {31, 127, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 256})
      QVERIFY2(CCharGrid::CharOfCode(none).isNull(), qPrintable(QString::number(none)));
    QCOMPARE(CCharGrid::CodeOfChar(QChar(0x20AC)), 0x80);
    QCOMPARE(CCharGrid::CodeOfChar(QChar(0x0416)), -1);
    QCOMPARE(CCharGrid::CodeOfChar(QChar(0x80)), -1);  // the control character, not the euro
  }

  void clickChoosesTheCellUnderTheMouse() {
    CCharGrid grid;
    grid.resize(330, 290);  // 16 columns, 10 pixels to spare on the right
    QCOMPARE(grid.Columns(), 16);
    QCOMPARE(grid.VisibleCells(), 224);
    QSignalSpy chosen(&grid, &CCharGrid::CharChosen);

    const QRect cellA = grid.CellRect(65);
    QCOMPARE(cellA, QRect((65 - 32) % 16 * 20, (65 - 32) / 16 * 20, 20, 20));
    QTest::mouseClick(&grid, Qt::LeftButton, {}, cellA.center());
    QCOMPARE(grid.MarkedCode(), 65);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).value<QChar>(), QChar(u'A'));

    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(0xDF).bottomRight());
    QCOMPARE(grid.MarkedChar(), std::optional<QChar>(QChar(0xDF)));

    // A cell without a character cannot be chosen.
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(0x81).center());
    QCOMPARE(grid.MarkedCode(), 0xDF);
    QCOMPARE(chosen.count(), 2);

    // Outside every cell the mark goes, nothing is chosen.
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(325, 5));
    QCOMPARE(grid.MarkedCode(), -1);
    QCOMPARE(chosen.count(), 2);
  }

  void smallGridShowsOnlyWholeCells() {
    CCharGrid grid;
    grid.resize(119, 59);  // 5 whole columns, 2 whole rows
    QCOMPARE(grid.VisibleCells(), 10);
    QVERIFY(!grid.CellRect(41).isEmpty());
    QVERIFY(grid.CellRect(42).isEmpty());
    QCOMPARE(grid.CodeAt(QPoint(110, 5)), -1);
    QCOMPARE(grid.CodeAt(QPoint(5, 45)), -1);
    QCOMPARE(grid.CodeAt(QPoint(85, 25)), 41);
    // Beyond the visible cells a character can still be marked by its text.
    grid.MarkText(QStringLiteral("\u00f8"));
    QCOMPARE(grid.MarkedCode(), 0xF8);
  }

  void markFollowsTheTypedText() {
    CCharGrid grid;
    grid.MarkText(QStringLiteral("\u00e9"));
    QCOMPARE(grid.MarkedCode(), 0xE9);
    grid.MarkText(QStringLiteral("ab"));
    QCOMPARE(grid.MarkedCode(), -1);
    grid.MarkText(QStringLiteral("\u00e9"));
    grid.MarkText(QString());
    QCOMPARE(grid.MarkedCode(), -1);
    grid.MarkText(QStringLiteral("\u0416"));
    QCOMPARE(grid.MarkedCode(), -1);
  }

  void keyboardMovesAndChooses() {
    CCharGrid grid;
    grid.resize(320, 280);
    QSignalSpy chosen(&grid, &CCharGrid::CharChosen);

    QTest::keyClick(&grid, Qt::Key_Right);  // nothing marked: the first cell
    QCOMPARE(grid.MarkedCode(), 32);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.MarkedCode(), 48);
    QTest::keyClick(&grid, Qt::Key_Left);
    QCOMPARE(grid.MarkedCode(), 47);
    QTest::keyClick(&grid, Qt::Key_Up);
    QCOMPARE(grid.MarkedCode(), 47);  // no row above: the mark stays
    QCOMPARE(chosen.count(), 0);

    // Moving right from the euro sign skips the undefined code 0x81.
    grid.SetMarkedChar(QChar(0x20AC));
    QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(grid.MarkedCode(), 0x82);
    QTest::keyClick(&grid, Qt::Key_End);
    QCOMPARE(grid.MarkedCode(), 255);

    QTest::keyClick(&grid, Qt::Key_Return);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.last().at(0).value<QChar>(), QChar(0xFF));

    Type(&grid, QStringLiteral("\u00df"));
    QCOMPARE(grid.MarkedCode(), 0xDF);
    QCOMPARE(chosen.last().at(0).value<QChar>(), QChar(0xDF));
    QTest::keyClick(&grid, Qt::Key_Space);
    QCOMPARE(grid.MarkedCode(), 32);
    QCOMPARE(chosen.count(), 3);
  }

  void screenReadersHearTheMarkedCharacter() {
    CCharGrid grid;
    grid.setAccessibleName(QStringLiteral("Characters"));
    grid.SetMarkedChar(QChar(0xE5));
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&grid);
    QVERIFY(access);
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Characters"));
    QCOMPARE(access->text(QAccessible::Value), QStringLiteral("\u00e5"));
  }
};

QTEST_MAIN(TestCharGrid)
#include "WidgetDriver.h"
#include "tst_CharGrid.moc"
