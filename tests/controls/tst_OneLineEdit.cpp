#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include "WidgetDriver.h"
#include "controls/ColorEdit.h"
#include "controls/OneLineEdit.h"

using namespace Qt::StringLiterals;

class TestOneLineEdit : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // A pasted control character is refused whole; one the program put there
  // (an old file held one) is kept, and typing around it goes on.
  void refusesControlCharacters() {
    COneLineEdit edit;
    edit.SetText(std::string("a\x01") + "b");
    edit.setCursorPosition(3);
    QSignalSpy refused(&edit, &COneLineEdit::InputRefused);
    for (const QString& pasted : {u"x\u0001y"_s, u"\u001E"_s, u"\u0081"_s, u"\uFFFF"_s}) {
      QGuiApplication::clipboard()->setText(pasted);
      edit.paste();
    }
    Type(&edit, u"c дом"_s);
    QCOMPARE(edit.GetText(), std::string("a\x01") + "bc дом");
    QCOMPARE(refused.count(), 4);
  }

  // The text is one line of a file: a pasted or set line break or tab is a
  // space, one for a CR LF pair, and the caret stays after the paste.
  void lineBreaksBecomeSpaces() {
    COneLineEdit edit;
    edit.setText(u"<>"_s);
    edit.setCursorPosition(1);
    QGuiApplication::clipboard()->setText(u"hus\nhouse\r\nhome\r\u2028x\ty\r\n"_s);
    edit.paste();
    QCOMPARE(edit.GetText(), std::string("<hus house home  x y >"));
    QCOMPARE(edit.cursorPosition(), 21);
    edit.SetText(std::string("a\r\nb"));
    QCOMPARE(edit.GetText(), std::string("a b"));
  }

  // The practice answer's function keys type their whole text, in place of
  // a selection; an empty one just deletes it. Its colours are stored
  // blue-green-red, as the settings hold them.
  void answerFieldColoursAndFunctionKeys() {
    CColorEdit edit;
    edit.SetBackColour(0x0000FF);
    QCOMPARE(edit.palette().color(QPalette::Base), QColor(Qt::red));
    edit.SetSpecialChars(u"\u00fc"_s, u"\u00dc"_s, u"ss\u00df"_s, QString());
    edit.setText(u"Mnchen"_s);
    edit.setSelection(0, 2);
    for (Qt::Key key : {Qt::Key_F8, Qt::Key_F5, Qt::Key_F7, Qt::Key_F6})
      QTest::keyClick(&edit, key);
    QCOMPARE(edit.text(), u"\u00fcss\u00df\u00dcchen"_s);
  }
};

QTEST_MAIN(TestOneLineEdit)
#include "tst_OneLineEdit.moc"
