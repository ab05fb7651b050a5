#include <QTest>

#include "controls/SpecialKeyEdit.h"

class TestSpecialKeyEdit : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void eachPressTypesTheCurrentCharacter() {
    std::array<QString, 4> stored{QStringLiteral("\u00fc"), QStringLiteral("\u00dc"),
                                  QStringLiteral("\u00df"), QStringLiteral(" ")};
    int asked = 0;
    CSpecialKeyEdit edit;
    edit.SetSpecialSource([&] {
      ++asked;
      return stored;
    });
    QTest::keyClick(&edit, Qt::Key_F7);
    QTest::keyClick(&edit, Qt::Key_F8);
    QTest::keyClick(&edit, Qt::Key_F6);
    QCOMPARE(edit.text(), QStringLiteral("\u00df \u00dc"));

    // A changed setting is used at the very next press.
    stored[2] = QStringLiteral("\u00e7");
    QTest::keyClick(&edit, Qt::Key_F7);
    QCOMPARE(edit.text(), QStringLiteral("\u00df \u00dc\u00e7"));
    QCOMPARE(asked, 4);

    edit.setSelection(0, 2);
    QTest::keyClick(&edit, Qt::Key_F5);
    QCOMPARE(edit.text(), QStringLiteral("\u00fc\u00dc\u00e7"));

    // Other keys type as usual and do not ask.
    QTest::keyClick(&edit, Qt::Key_A);
    QTest::keyClick(&edit, Qt::Key_F9);
    QCOMPARE(asked, 5);
  }

  void readOnlyFieldAndMissingSourceStayUnchanged() {
    CSpecialKeyEdit edit;
    edit.setText(QStringLiteral("English"));
    QTest::keyClick(&edit, Qt::Key_F5);  // no source yet
    QCOMPARE(edit.text(), QStringLiteral("English"));

    edit.SetSpecialSource([] {
      return std::array<QString, 4>{QStringLiteral("x"), QString(), QString(), QString()};
    });
    edit.setReadOnly(true);
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_F5);
    QCOMPARE(edit.text(), QStringLiteral("English"));
  }
};

QTEST_MAIN(TestSpecialKeyEdit)
#include "tst_SpecialKeyEdit.moc"
