#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include "WidgetDriver.h"
#include "controls/CharGrid.h"

class TestCharGrid : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Cell c of the first block holds the Windows-1252 character of code c + 32.
  void firstBlockIsTheListFilesCodePage() {
    CCharGrid grid;
    QCOMPARE(grid.Block(), 0);
    QCOMPARE(grid.CellCount(), 224);
    QCOMPARE(grid.CharOfCell(65 - 32), QChar(u'A'));
    QCOMPARE(grid.CharOfCell(0x80 - 32), QChar(0x20AC));  // euro sign
    QCOMPARE(grid.CharOfCell(0x9C - 32), QChar(0x0153));  // oe ligature
    for (const int none : {-1, 127, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 256})
      QVERIFY2(grid.CharOfCell(none - 32).isNull(), qPrintable(QString::number(none)));
    QCOMPARE(grid.CellOfChar(QChar(0x20AC)), 0x80 - 32);
    QCOMPARE(grid.CellOfChar(QChar(0x0416)), -1);
    QCOMPARE(grid.CellOfChar(QChar(0x80)), -1);  // the control character, not the euro
  }

  void blocksShowUnicodeRanges() {
    CCharGrid grid;
    QSignalSpy marks(&grid, &CCharGrid::MarkChanged);
    QCOMPARE(CCharGrid::BlockId(0), std::string_view("Latin1"));
    for (int block = 0; block < CCharGrid::BlockCount(); ++block)
      QCOMPARE(CCharGrid::BlockOfId(CCharGrid::BlockId(block)), block);
    QCOMPARE(CCharGrid::BlockOfId("Klingon"), -1);

    grid.SetMarkedChar(QChar(0x20AC));
    grid.SetBlock(CCharGrid::BlockOfId("Punctuation"));  // it holds the euro sign too
    QCOMPARE(grid.MarkedChar(), std::optional<QChar>(QChar(0x20AC)));
    QCOMPARE(grid.MarkedCell(), 0xAC);

    grid.SetBlock(CCharGrid::BlockOfId("Greek"));  // it does not
    QCOMPARE(grid.MarkedCell(), -1);
    QCOMPARE(grid.CellCount(), 0x90);
    QCOMPARE(grid.CharOfCell(0x3A3 - 0x370), QChar(0x3A3));  // capital sigma
    QVERIFY(grid.CharOfCell(0x378 - 0x370).isNull());        // no character there
    QCOMPARE(grid.CellOfChar(QChar(u'A')), -1);
    QCOMPARE(marks.count(), 3);

    grid.SetBlock(CCharGrid::BlockCount());  // no such block: nothing changes
    QCOMPARE(CCharGrid::BlockId(grid.Block()), std::string_view("Greek"));
    grid.SetBlock(CCharGrid::BlockOfId("Cyrillic"));
    QCOMPARE(grid.CellCount(), CCharGrid::kMaxCells);
    QCOMPARE(grid.CharOfCell(0x16), QChar(0x416));
  }

  void clickChoosesTheCellUnderTheMouse() {
    CCharGrid grid;
    grid.resize(330, 290);  // 16 columns, 10 pixels to spare on the right
    QCOMPARE(grid.Columns(), 16);
    QCOMPARE(grid.VisibleCells(), 224);
    QSignalSpy chosen(&grid, &CCharGrid::CharChosen);

    const QRect cellA = grid.CellRect(65 - 32);
    QCOMPARE(cellA, QRect((65 - 32) % 16 * 20, (65 - 32) / 16 * 20, 20, 20));
    QTest::mouseClick(&grid, Qt::LeftButton, {}, cellA.center());
    QCOMPARE(grid.MarkedCell(), 65 - 32);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).value<QChar>(), QChar(u'A'));

    // A cell without a character cannot be chosen; outside every cell the
    // mark goes, and nothing is chosen.
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(0x81 - 32).center());
    QCOMPARE(grid.MarkedCell(), 65 - 32);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(325, 5));
    QCOMPARE(grid.MarkedCell(), -1);
    QCOMPARE(chosen.count(), 1);
  }

  void keyboardMovesAndChooses() {
    CCharGrid grid;
    grid.resize(320, 280);
    QSignalSpy chosen(&grid, &CCharGrid::CharChosen);

    QTest::keyClick(&grid, Qt::Key_Right);  // nothing marked: the first cell
    QCOMPARE(grid.MarkedCell(), 0);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.MarkedCell(), 16);
    QTest::keyClick(&grid, Qt::Key_Left);
    QTest::keyClick(&grid, Qt::Key_Up);
    QCOMPARE(grid.MarkedCell(), 15);  // no row above: the mark stays
    QCOMPARE(chosen.count(), 0);

    // Moving right from the euro sign skips the undefined code 0x81.
    grid.SetMarkedChar(QChar(0x20AC));
    QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(grid.MarkedCell(), 0x82 - 32);
    QTest::keyClick(&grid, Qt::Key_End);
    QCOMPARE(grid.MarkedCell(), 255 - 32);

    QTest::keyClick(&grid, Qt::Key_Return);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.last().at(0).value<QChar>(), QChar(0xFF));

    Type(&grid, QStringLiteral("\u00df"));
    QCOMPARE(grid.MarkedCell(), 0xDF - 32);
    QCOMPARE(chosen.last().at(0).value<QChar>(), QChar(0xDF));
    // Typing a character of another block chooses nothing.
    Type(&grid, QStringLiteral("\u0416"));
    QCOMPARE(chosen.count(), 2);
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
