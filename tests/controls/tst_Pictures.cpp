#include <QImage>
#include <QTest>

#include "controls/DialogUnits.h"
#include "controls/Pictures.h"

namespace {

int OpaquePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) > 200) ++count;
  return count;
}

}  // namespace

class TestPictures : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void classPictures() {
    const QImage plain = CPictures::ClassPicture(0).toImage();
    const QImage s = CPictures::ClassPicture(1).toImage();
    const QImage v = CPictures::ClassPicture(2).toImage();
    QCOMPARE(s.size(), QSize(14, 14));
    QCOMPARE(s.pixel(1, 12), qRgb(255, 0, 0));
    QCOMPARE(v.pixel(1, 12), qRgb(0, 128, 0));
    QVERIFY(plain.pixelColor(7, 7).lightness() > 180);
    QCOMPARE(plain.pixelColor(7, 7), plain.pixelColor(2, 2));
    // The letters are there, in black.
    QVERIFY(s.pixelColor(7, 7).lightness() < 80 || s.pixelColor(7, 6).lightness() < 80);
    QVERIFY(v.pixelColor(7, 10).lightness() < 80);
    // Any other mark is the plain square.
    QCOMPARE(CPictures::ClassPicture(9).toImage(), plain);
    QCOMPARE(CPictures::ClassPicture(1, 2.0).toImage().size(), QSize(28, 28));
  }

  void toolbarIconsAreDistinctAndDrawn() {
    QList<QImage> seen;
    for (int b = 0; b <= int(CPictures::ToolbarButton::Exit); ++b) {
      const auto button = CPictures::ToolbarButton(b);
      const QImage image = CPictures::ToolbarIcon(button).pixmap(32, 32).toImage();
      QCOMPARE(image.size(), QSize(32, 32));
      QVERIFY(OpaquePixels(image) > 100);
      QVERIFY(!seen.contains(image));
      seen.append(image);
    }
  }

  void splashIsPureBlueBehindItsTexts() {
    // The start-up texts have a pure blue background of their own.
    const CDialogUnits units(6, 13);
    const QSize size = units.Size(431, 161);
    const QImage splash = CPictures::SplashPicture(size).toImage();
    for (const QRect& text : {units.Rect(121, 97, 170, 13), units.Rect(275, 76, 127, 13)}) {
      for (const QPoint corner :
           {text.topLeft(), text.topRight(), text.bottomLeft(), text.bottomRight(), text.center()})
        QCOMPARE(splash.pixel(corner), qRgb(0, 0, 255));
    }
    QCOMPARE(CPictures::AboutPicture(units.Size(449, 86)).size(), units.Size(449, 86));
  }
};

QTEST_MAIN(TestPictures)
#include "tst_Pictures.moc"
