#include <QTest>

#include "controls/ColorRef.h"
#include "controls/DialogUnits.h"

class TestDialogUnits : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void unitsScaleAndRound() {
    const CDialogUnits units(6, 13);
    QCOMPARE(units.X(4), 6);
    QCOMPARE(units.Y(8), 13);
    QCOMPARE(units.X(1), 2);    // 1.5 rounds up
    QCOMPARE(units.Y(3), 5);    // 4.875
    QCOMPARE(units.X(-1), -2);  // rounding is symmetric
    QCOMPARE(units.Size(40, 31), QSize(60, 50));
    // Neighbouring rectangles stay neighbours after rounding.
    const QRect left = units.Rect(5, 3, 41, 31);
    const QRect right = units.Rect(46, 3, 40, 31);
    QCOMPARE(left.x() + left.width(), right.x());
  }

  void colourValuesAreBlueGreenRed() {
    QCOMPARE(FromColorRef(0xFF0000), QColor(0, 0, 255));
    QCOMPARE(FromColorRef(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(FromColorRef(0x123456), QColor(0x56, 0x34, 0x12));
    QCOMPARE(ToColorRef(QColor(0x56, 0x34, 0x12)), ColorRef(0x123456));
    QCOMPARE(ToColorRef(QColor::fromHsv(120, 255, 255)), ColorRef(0x00FF00));
  }
};

QTEST_MAIN(TestDialogUnits)
#include "tst_DialogUnits.moc"
