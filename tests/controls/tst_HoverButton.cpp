#include <QAccessible>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "controls/HoverButton.h"

namespace {

// A plain square icon in one colour, easy to find in a rendered button.
QIcon SolidIcon(const QColor& colour, int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(colour);
  return QIcon(pixmap);
}

QImage Render(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  widget.render(&image);
  return image;
}

QRect BoundsOf(const QImage& image, const QColor& colour) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == colour.rgba()) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

}  // namespace

class TestHoverButton : public QObject {
  Q_OBJECT

  void iconLayout_data() {
    QTest::addColumn<int>("align");
    QTest::addColumn<bool>("caption");
    QTest::addColumn<QRect>("expected");
    // 100 x 60 button, 20 x 20 icon.
    QTest::newRow("left of caption") << 0 << true << QRect(3, 20, 20, 20);
    QTest::newRow("left, no caption") << 0 << false << QRect(40, 20, 20, 20);
    QTest::newRow("above caption") << 1 << true << QRect(40, 0, 20, 20);
    QTest::newRow("above, no caption") << 1 << false << QRect(40, 20, 20, 20);
  }

  void iconLayout() {
    QFETCH(int, align);
    QFETCH(bool, caption);
    QFETCH(QRect, expected);
    CHoverButton button(QStringLiteral("Save"));
    button.resize(100, 60);
    button.SetIcon(SolidIcon(Qt::magenta, 20), QIcon(), 20, 20);
    button.SetAlign(align);
    button.SetShowText(caption);
    QCOMPARE(BoundsOf(Render(button), Qt::magenta), expected);

    // Pressed, the icon moves by one pixel to the right and down.
    button.setDown(true);
    QCOMPARE(BoundsOf(Render(button), Qt::magenta), expected.translated(1, 1));
  }

  void spaceAndEnterPressTheButton() {
    CHoverButton button(QStringLiteral("&Start"));
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Return);
    QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicked.count(), 3);
  }

  void screenReadersGetCaptionStateAndPress() {
    CHoverButton button(QStringLiteral("Save &as && close"));
    button.setToolTip(QStringLiteral("Saves the list"));
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&button);
    QVERIFY(access);
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Save as & close"));
    QCOMPARE(access->text(QAccessible::Description), QStringLiteral("Saves the list"));
    QVERIFY(!access->state().pressed);
    button.SetLatched(true);
    QVERIFY(access->state().pressed);

    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);
  }
};

QTEST_MAIN(TestHoverButton)
#include "tst_HoverButton.moc"
