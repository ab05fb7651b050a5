#include <QImage>
#include <QTest>

#include "controls/ColorEdit.h"

class TestColorEdit : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void coloursShowInTheField() {
    CColorEdit edit;
    edit.resize(120, 24);
    QCOMPARE(FromColorRef(edit.BackColour()), edit.palette().color(QPalette::Base));
    edit.SetBackColour(0x00FF00);  // green
    edit.SetTextColour(0x0000FF);  // red
    QCOMPARE(edit.palette().color(QPalette::Base), QColor(0, 255, 0));
    QCOMPARE(edit.palette().color(QPalette::Text), QColor(255, 0, 0));

    // Set while hidden, shown when shown again.
    edit.hide();
    edit.SetBackColour(0x0000FF);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QImage image(edit.size(), QImage::Format_ARGB32);
    edit.render(&image);
    QCOMPARE(image.pixel(edit.width() / 2, edit.height() / 2), qRgb(255, 0, 0));
  }

  void functionKeysTypeTheSpecialTexts() {
    CColorEdit edit;
    edit.SetSpecialChars(QStringLiteral("\u00fc"), QStringLiteral("\u00dc"),
                         QStringLiteral("ss\u00df"), QStringLiteral(" "));
    edit.setText(QStringLiteral("Mnchen"));
    edit.setCursorPosition(1);
    QTest::keyClick(&edit, Qt::Key_F5);
    QCOMPARE(edit.text(), QStringLiteral("M\u00fcnchen"));
    edit.setCursorPosition(edit.text().size());
    QTest::keyClick(&edit, Qt::Key_F7);  // the whole text, not only its first character
    QTest::keyClick(&edit, Qt::Key_F8);
    QCOMPARE(edit.text(), QStringLiteral("M\u00fcnchenss\u00df "));

    // A selection is replaced; an empty special text just deletes it.
    edit.setSelection(0, 1);
    QTest::keyClick(&edit, Qt::Key_F6);
    QCOMPARE(edit.text(), QStringLiteral("\u00dc\u00fcnchenss\u00df "));
    edit.SetSpecialChars(QString(), QString(), QString(), QString());
    edit.setSelection(0, 2);
    QTest::keyClick(&edit, Qt::Key_F5);
    QCOMPARE(edit.text(), QStringLiteral("nchenss\u00df "));
  }
};

QTEST_MAIN(TestColorEdit)
#include "tst_ColorEdit.moc"
