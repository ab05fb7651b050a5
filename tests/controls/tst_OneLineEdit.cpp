#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include "WidgetDriver.h"
#include "controls/OneLineEdit.h"

using namespace Qt::StringLiterals;

class TestOneLineEdit : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void takesEveryScript() {
    COneLineEdit edit;
    QSignalSpy refused(&edit, &COneLineEdit::InputRefused);
    Type(&edit, u"été € дом σοφία كتاب 日本語"_s);
    QGuiApplication::clipboard()->setText(u" 😀 עברית"_s);
    edit.paste();
    const QString words = u"été € дом σοφία كتاب 日本語 😀 עברית"_s;
    QCOMPARE(edit.text(), words);
    QCOMPARE(edit.GetText(), words.toStdString());
    QCOMPARE(refused.count(), 0);
    edit.SetText(std::string("Straße „quoted“"));
    QCOMPARE(edit.text(), u"Straße „quoted“"_s);
  }

  void refusesControlCharacters() {
    COneLineEdit edit;
    edit.SetRefusalHint(u"This character cannot be stored in a word list."_s);
    edit.setText(u"ab"_s);
    edit.setCursorPosition(1);
    QSignalSpy refused(&edit, &COneLineEdit::InputRefused);

    for (const QString& pasted : {u"x\u0001y"_s, u"\u001E"_s, u"\u0081"_s, u"\uFFFF"_s}) {
      QGuiApplication::clipboard()->setText(pasted);
      edit.paste();
      QCOMPARE(edit.text(), u"ab"_s);
    }
    QCOMPARE(refused.count(), 4);

    // A control character the program put there (an old file held one) is
    // shown and kept; only input that brings in another is refused.
    edit.SetText(std::string("a\x01") + "b");
    QCOMPARE(refused.count(), 4);
    edit.setCursorPosition(3);
    Type(&edit, u"c"_s);
    QCOMPARE(edit.GetText(), std::string("a\x01") + "bc");
    QGuiApplication::clipboard()->setText(u"\u0002"_s);
    edit.paste();
    QCOMPARE(edit.GetText(), std::string("a\x01") + "bc");
    QCOMPARE(refused.count(), 5);
  }

  // The text is one line of a file: a pasted or set line break or tab is a
  // space, one for a CR LF pair, and the caret stays after the paste.
  void lineBreaksBecomeSpaces() {
    COneLineEdit edit;
    edit.setText(u"<>"_s);
    edit.setCursorPosition(1);
    QGuiApplication::clipboard()->setText(u"hus\nhouse\r\nhome\r\u2028x\ty"_s);
    edit.paste();
    QCOMPARE(edit.GetText(), std::string("<hus house home  x y>"));
    QCOMPARE(edit.cursorPosition(), 20);
    edit.SetText(std::string("a\r\nb"));
    QCOMPARE(edit.GetText(), std::string("a b"));
  }
};

QTEST_MAIN(TestOneLineEdit)
#include "tst_OneLineEdit.moc"
