#include <QAccessible>
#include <QImage>
#include <QTest>

#include "controls/ColorStatic.h"

namespace {

bool ColumnHasInk(const QImage& image, int x, QRgb back) {
  for (int y = 0; y < image.height(); ++y)
    if (image.pixel(x, y) != back) return true;
  return false;
}

}  // namespace

class TestColorStatic : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void centredTextIsCutOnBothSides() {
    CColorStatic label;
    label.resize(40, 20);
    label.SetBackColour(0xFF0000);  // blue
    label.SetTextColour(0xFFFFFF);
    label.SetCentred(true);
    label.SetText(QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
    QImage image(label.size(), QImage::Format_ARGB32);
    label.render(&image);
    QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 255));
    QVERIFY(ColumnHasInk(image, 0, qRgb(0, 0, 255)));
    QVERIFY(ColumnHasInk(image, 39, qRgb(0, 0, 255)));

    // Left-aligned, a short text leaves the right part empty.
    label.SetCentred(false);
    label.SetText(QStringLiteral("i"));
    label.render(&image);
    QVERIFY(!ColumnHasInk(image, 39, qRgb(0, 0, 255)));
  }

  void screenReadersHearTheText() {
    CColorStatic label;
    label.SetText(QStringLiteral("Starting..."));
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&label);
    QVERIFY(access);
    QCOMPARE(access->role(), QAccessible::StaticText);
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Starting..."));
  }
};

QTEST_MAIN(TestColorStatic)
#include "tst_ColorStatic.moc"
