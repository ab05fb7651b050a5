#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include "Cp1252Edit.h"
#include "WidgetDriver.h"

class TestCp1252Edit : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void takesEveryCodePageCharacter() {
    CCp1252Edit edit;
    Type(&edit, QStringLiteral("\u00e9t\u20ac \u0160\u0153"));
    QCOMPARE(edit.text(), QStringLiteral("\u00e9t\u20ac \u0160\u0153"));
    QCOMPARE(edit.GetText(), std::string("\xe9t\x80 \x8a\x9c"));
    edit.SetText(std::string("Stra\337e \x84quoted\x93"));
    QCOMPARE(edit.text(), QStringLiteral("Stra\u00dfe \u201equoted\u201c"));
  }

  void refusesWhatAListFileCannotHold() {
    CCp1252Edit edit;
    edit.SetRefusalHint(QStringLiteral("This character cannot be stored in a word list."));
    edit.setText(QStringLiteral("ab"));
    edit.setCursorPosition(1);
    QSignalSpy refused(&edit, &CCp1252Edit::InputRefused);

    Type(&edit, QStringLiteral("\u0416"));  // Cyrillic
    QCOMPARE(edit.text(), QStringLiteral("ab"));
    QCOMPARE(refused.count(), 1);

    QGuiApplication::clipboard()->setText(QStringLiteral("x\u2603y"));
    edit.paste();
    QCOMPARE(edit.text(), QStringLiteral("ab"));
    QVERIFY(refused.count() >= 2);

    QGuiApplication::clipboard()->setText(QStringLiteral("\u00e5"));
    edit.paste();
    QCOMPARE(edit.text(), QStringLiteral("a\u00e5b"));
  }

  // The text is one line of a list file: a pasted or set line break is a
  // space, one for a CR LF pair, and the caret stays after the paste.
  void lineBreaksBecomeSpaces() {
    CCp1252Edit edit;
    edit.setText(QStringLiteral("<>"));
    edit.setCursorPosition(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("hus\nhouse\r\nhome\r"));
    edit.paste();
    QCOMPARE(edit.GetText(), std::string("<hus house home >"));
    QCOMPARE(edit.cursorPosition(), 16);
    edit.SetText("a\r\nb");
    QCOMPARE(edit.GetText(), std::string("a b"));
  }
};

QTEST_MAIN(TestCp1252Edit)
#include "WidgetDriver.h"
#include "tst_Cp1252Edit.moc"
