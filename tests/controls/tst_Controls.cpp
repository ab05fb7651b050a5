// The controls' own rules that no dialog or window test reaches: pasting into
// a one-line field, the practice answer's keys and colours, the word list's
// shortened words, the character grid's keyboard use, the class box's list
// and the pictures and names the controls give.
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QTextBoundaryFinder>

#include "WidgetDriver.h"
#include "controls/CharGrid.h"
#include "controls/ClassComboBox.h"
#include "controls/ColorEdit.h"
#include "controls/HoverButton.h"
#include "controls/OneLineEdit.h"
#include "controls/Pictures.h"
#include "controls/WordListBox.h"

using namespace Qt::StringLiterals;

class TestControls : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // A pasted control character is refused whole; one the program put there
  // (an old file held one) is kept, and typing around it goes on. The text
  // is one line of a file: a pasted or set line break or tab is a space, one
  // for a CR LF pair, and the caret stays after the paste.
  void pastingKeepsOneLineOfText() {
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

  // A word too long for its column is cut between whole characters: never
  // between a letter and its accents, inside a surrogate pair or inside a
  // joined emoji; as much stays as fits, and a single letter stays whole.
  void shortenTextCutsBetweenWholeCharacters() {
    const QFontMetrics metrics(QApplication::font());
    QCOMPARE(CWordListBox::ShortenText(metrics, u"e\u0301\u0302"_s, 1), u"e\u0301\u0302"_s);
    const QString family = u"\U0001F468\u200D\U0001F469\u200D\U0001F467"_s;
    for (const auto& [text, width] :
         {std::pair{u"e\u0301"_s.repeated(60), 60}, {family.repeated(30), 90}}) {
      const QString shortened = CWordListBox::ShortenText(metrics, text, width);
      QVERIFY(shortened.endsWith(u"..."_s));
      const QString head = shortened.chopped(3);
      QVERIFY(!head.isEmpty() && text.startsWith(head));
      QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
      graphemes.setPosition(head.size());
      QVERIFY(graphemes.isAtBoundary());
      QVERIFY(metrics.horizontalAdvance(shortened) + CWordListBox::kShortenMargin <= width);
      QVERIFY(metrics.horizontalAdvance(text.left(graphemes.toNextBoundary())) +
                  metrics.horizontalAdvance(u"..."_s) + CWordListBox::kShortenMargin >
              width);
    }
  }

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

    Type(&grid, u"\u00df"_s);
    QCOMPARE(grid.MarkedCell(), 0xDF - 32);
    QCOMPARE(chosen.last().at(0).value<QChar>(), QChar(0xDF));
    // Typing a character of another block chooses nothing.
    Type(&grid, u"\u0416"_s);
    QCOMPARE(chosen.count(), 2);
  }

  // Opening the class list marks its last entry for a moment only; closed,
  // at once or later, the entry chosen before is still chosen.
  void classListKeepsTheSelection() {
    CClassComboBox combo;
    for (int mark : {0, 1, 2}) combo.AddLine(QString::number(mark), mark);
    combo.setCurrentIndex(1);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QSignalSpy changed(&combo, &QComboBox::currentIndexChanged);
    combo.showPopup();
    combo.hidePopup();
    QCOMPARE(combo.currentIndex(), 1);
    combo.showPopup();
    QTRY_COMPARE(combo.currentIndex(), 1);
    combo.hidePopup();
    QCOMPARE(changed.count(), 0);
  }

  // A word without a class, or with a mark the program does not know, shows
  // the plain square; a button is heard by its caption without the "&".
  void picturesAndNames() {
    const QImage plain = CPictures::ClassPicture(0).toImage();
    QCOMPARE(CPictures::ClassPicture(9).toImage(), plain);
    QVERIFY(CPictures::ClassPicture(1).toImage() != plain);
    QVERIFY(CPictures::ClassPicture(2).toImage() != CPictures::ClassPicture(1).toImage());
    CHoverButton button(u"Save &as && close"_s);
    QCOMPARE(QAccessible::queryAccessibleInterface(&button)->text(QAccessible::Name),
             u"Save as & close"_s);
  }
};

QTEST_MAIN(TestControls)
#include "tst_Controls.moc"
