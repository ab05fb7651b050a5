#include <QSignalSpy>
#include <QTest>

#include "WidgetDriver.h"
#include "controls/CharGrid.h"

class TestCharGrid : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The first block is the list files' code page: cell c holds the
  // Windows-1252 character of code c + 32, and codes without one are skipped.
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

    grid.SetMarkedChar(QChar(0x20AC));  // the euro sign, code 0x80
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
};

QTEST_MAIN(TestCharGrid)
#include "tst_CharGrid.moc"
