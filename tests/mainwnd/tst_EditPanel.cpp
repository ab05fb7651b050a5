// The word editing panel of the main window, driven as the user drives it:
// typed words, clicks and keys, and the program's own search, import,
// properties and special character dialogs.
#include <QtTest>

#include <QComboBox>
#include <QPlainTextEdit>

#include "MainWindowTest.h"
#include "controls/CharGrid.h"
#include "controls/ClassComboBox.h"
#include "mainwnd/SearchLogic.h"
#include "wordlist/WordListTexts.h"

using namespace Qt::StringLiterals;

namespace {

QString WordCount(int n) {
  return LangQText(100) + u" %1"_s.arg(n) + LangQText(101);
}

CWordListBox* Lines(const CMainDlg& dlg) {
  return ControlOf<CWordListBox>(dlg, IDC_WORDLIST);
}
CClassComboBox* ClassBox(const CMainDlg& dlg) {
  return ControlOf<CClassComboBox>(dlg, IDC_CLASS);
}
std::vector<int> Selected(const CMainDlg& dlg) {
  return Lines(dlg)->SelectedRows();
}
// The two fields as "foreign/translation".
QString Fields(const CMainDlg& dlg) {
  return EditOf(dlg, IDC_FOREIGN)->text() + u'/' + EditOf(dlg, IDC_TRANSLATION)->text();
}

// Types a word pair into the two fields, picks its class and presses Enter.
void TypeWord(CMainDlg& dlg, const QString& foreign, const QString& translation, int mark = 0) {
  QLineEdit* f = EditOf(dlg, IDC_FOREIGN);
  f->setFocus();
  Type(f, foreign);
  Type(EditOf(dlg, IDC_TRANSLATION), translation);
  ClassBox(dlg)->SelectItemData(mark);
  QTest::keyClick(EditOf(dlg, IDC_TRANSLATION), Qt::Key_Return);
}

// Replaces the text of a field by typing and presses Enter on it.
void Retype(CMainDlg& dlg, int id, const QString& text) {
  EditOf(dlg, id)->selectAll();
  Type(EditOf(dlg, id), text);
  QTest::keyClick(EditOf(dlg, id), Qt::Key_Return);
}

// Searches through F3 in the focused control with text typed into the
// dialog and the key that closes it; returns the text the dialog offered.
QString Search(CMainDlg& dlg, const QString& text, Qt::Key key = Qt::Key_Return) {
  QString preset;
  OnModalDialog([&preset, text, key](QDialog* dialog) {
    auto* edit = Child<QLineEdit>(dialog, 1080);
    preset = edit->text();
    edit->selectAll();
    Type(edit, text);
    QTest::keyClick(edit, key);
  });
  QWidget* focus = dlg.focusWidget();
  QTest::keyClick(focus ? focus : ControlOf(dlg, IDC_FOREIGN), Qt::Key_F3);
  return preset;
}

}  // namespace

class TestEditPanel : public CMainWindowTest {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QVERIFY(PrepareFolder()); }
  void cleanup() { StopModalScripts(); }

  void typedWordsAreAddedOnceOnly() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    TypeWord(*dlg, u"дом"_s, u"house"_s, 2);
    QCOMPARE(WordsOf(dlg->WordList()), QStringList{u"дом/house/2"_s});
    QCOMPARE(Lines(*dlg)->LineText(0), std::string("дом\thouse"));
    QCOMPARE(Fields(*dlg) + QString::number(ClassBox(*dlg)->CurrentItemData()), u"/0"_s);
    QCOMPARE(TextOf(*dlg, IDC_WORD_COUNT), WordCount(1));
    QVERIFY(ShowsModified(*dlg) && platform.m_messages.empty());

    // The same foreign word, or the same translation, each in its own column,
    // is refused with the word named; the fields keep what was typed.
    TypeWord(*dlg, u"дом"_s, u"home"_s);
    QCOMPARE(platform.m_messages.back().text, WithPath(kTxtDuplicate, u"дом"_s));
    QCOMPARE(Fields(*dlg), u"дом/home"_s);
    QTest::mouseClick(ControlOf(*dlg, IDC_NEW_WORD), Qt::LeftButton);
    QVERIFY(!ControlOf(*dlg, IDC_ADD)->isEnabled());
    TypeWord(*dlg, u"hem"_s, u"house"_s);
    QCOMPARE(platform.m_messages.back().text, WithPath(kTxtDuplicate, u"house"_s));
    dlg->OnCommand(ID_NEW_WORD);
    Type(EditOf(*dlg, IDC_FOREIGN), u"house"_s);
    Type(EditOf(*dlg, IDC_TRANSLATION), u"hus"_s);
    QTest::mouseClick(ControlOf(*dlg, IDC_ADD), Qt::LeftButton);
    QCOMPARE(dlg->WordList().GetCount(), 2);

    // A missing translation stores nothing and asks for it.
    Type(EditOf(*dlg, IDC_FOREIGN), u"tak"_s);
    QTest::keyClick(EditOf(*dlg, IDC_FOREIGN), Qt::Key_Return);
    QCOMPARE(dlg->WordList().GetCount(), 2);
    QCOMPARE(dlg->focusWidget(), ControlOf(*dlg, IDC_TRANSLATION));

    // A full list takes no more words and says so; the typed word stays.
    for (int i = 2; i < CWordList::kMaxWords; ++i)
      (void)dlg->WordList().AddWord("f" + std::to_string(i), "t" + std::to_string(i));
    dlg->EditPanel().ShowWords();
    TypeWord(*dlg, u"extra"_s, u"more"_s);
    QCOMPARE(Lines(*dlg)->count(), CWordList::kMaxWords);
    QCOMPARE(platform.m_messages.back().text, LangQText(kTxtListFull));
    QCOMPARE(Fields(*dlg), u"extra/more"_s);
  }

  // A word is changed in place, and lines are deleted.
  void aWordIsChangedInPlaceAndDeleted() {
    CFakePlatform platform;
    auto dlg =
        OpenMainWindow(platform, {{"sol", "sun", 0}, {"springa", "run", 2}, {"hav", "sea", 1}});
    DoubleClickRow(Lines(*dlg), 1);
    QCOMPARE(Fields(*dlg), u"springa/run"_s);
    QCOMPARE(ClassBox(*dlg)->CurrentItemData(), 2);
    QCOMPARE(TextOf(*dlg, IDC_ADD), LangQText(kTxtChange));

    // A click on the window's background gives up the change.
    QTest::mouseClick(ControlOf(*dlg, IDC_LINE_TOP)->parentWidget(), Qt::LeftButton, {},
                      QPoint(3, 200));
    QCOMPARE(TextOf(*dlg, IDC_ADD) + Fields(*dlg), LangQText(kTxtAdd) + u'/');

    // Changing does not look for duplicates: "sol" may stand twice.
    DoubleClickRow(Lines(*dlg), 1);
    ClassBox(*dlg)->SelectItemData(1);
    Retype(*dlg, IDC_FOREIGN, u"sol"_s);
    QCOMPARE(WordsOf(dlg->WordList()),
             (QStringList{u"sol/sun/0"_s, u"sol/run/1"_s, u"hav/sea/1"_s}));
    QCOMPARE(Selected(*dlg), std::vector<int>{1});
    QVERIFY(ShowsModified(*dlg) && platform.m_messages.empty());
    QCOMPARE(TextOf(*dlg, IDC_ADD) + Fields(*dlg), LangQText(kTxtAdd) + u'/');

    // Enter in the list box takes its word too.
    ClickRow(Lines(*dlg), 2);
    QTest::keyClick(Lines(*dlg), Qt::Key_Return);
    QCOMPARE(Fields(*dlg), u"hav/sea"_s);

    // Ctrl+Delete removes exactly the lines chosen by Ctrl+click.
    ClickRow(Lines(*dlg), 0);
    ClickRow(Lines(*dlg), 2, Qt::ControlModifier);
    QTest::keyClick(Lines(*dlg), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(WordsOf(dlg->WordList()), QStringList{u"sol/run/1"_s});
    QCOMPARE(TextOf(*dlg, IDC_WORD_COUNT), WordCount(1));
    QVERIFY(!dlg->CommandAction(ID_DELETE_WORDS)->isEnabled());
  }

  // Sorted in the locale's alphabet, whatever the case, accented words beside
  // their plain letter; an added or changed word lands at its place,
  // selected there. Switched off, the list stays in the order it has.
  void theSortSwitchKeepsWordsInOrder() {
    const QLocale before;
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    CFakePlatform platform;
    auto dlg =
        OpenMainWindow(platform, {{"zèbre", "z"}, {"été", "s"}, {"fleur", "f", 1}, {"eau", "w"}});
    QTest::mouseClick(ControlOf(*dlg, IDC_SORT), Qt::LeftButton);
    QCOMPARE(WordsOf(dlg->WordList()),
             (QStringList{u"eau/w/0"_s, u"été/s/0"_s, u"fleur/f/1"_s, u"zèbre/z/0"_s}));
    QCOMPARE(Lines(*dlg)->ItemData(2), 1);
    TypeWord(*dlg, u"Mouton"_s, u"m"_s);
    QCOMPARE(Lines(*dlg)->LineText(3), std::string("Mouton\tm"));
    QCOMPARE(Selected(*dlg), std::vector<int>{3});
    DoubleClickRow(Lines(*dlg), 0);
    Retype(*dlg, IDC_FOREIGN, u"orm"_s);
    QCOMPARE(Selected(*dlg), std::vector<int>{3});
    QCOMPARE(dlg->WordList().GetForeign(3), std::string("orm"));

    QTest::mouseClick(ControlOf(*dlg, IDC_SORT), Qt::LeftButton);
    TypeWord(*dlg, u"ail"_s, u"a"_s);
    QCOMPARE(dlg->WordList().GetForeign(5), std::string("ail"));
  }

  void findsTheNextWord_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("found");
    // 0 hund/dog, 1 bord/table, 2 fisk/fish, 3 katt/cat, 4 stol/chair
    QTest::newRow("only the current line matches") << 3 << QByteArray("at") << 3;
    QTest::newRow("foreign word beats nearer translation") << 0 << QByteArray("a") << 3;
    QTest::newRow("translation when no foreign word") << 0 << QByteArray("ish") << 2;
    QTest::newRow("wraps from the last line") << 4 << QByteArray("hund") << 0;
    QTest::newRow("second pass prefers foreign too") << 4 << QByteArray("o") << 1;
    QTest::newRow("second pass finds a translation") << 3 << QByteArray("dog") << 0;
    QTest::newRow("case matters") << -1 << QByteArray("Katt") << -1;
    QTest::newRow("nowhere after both passes") << 2 << QByteArray("zebra") << -1;
  }

  void findsTheNextWord() {
    QFETCH(int, current);
    QFETCH(QByteArray, text);
    QFETCH(int, found);
    const CWordList list = ListOf(
        {{"hund", "dog"}, {"bord", "table"}, {"fisk", "fish"}, {"katt", "cat"}, {"stol", "chair"}});
    QCOMPARE(FindNextWord(list, current, text.toStdString()), found);
  }

  // F3 searches from the selected line (from none, the first hit) and gives
  // the list box the focus; the dialog offers the last text searched, which
  // Escape leaves as it was; a text found nowhere is reported and moves nothing.
  void searchGoesOnFromTheSelectedLine() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {{"katt", "cat"}, {"hund", "dog"}, {"hundar", "dogs"}});
    QCOMPARE(Search(*dlg, u"hund"_s), QString());
    QCOMPARE(Selected(*dlg), std::vector<int>{1});
    QCOMPARE(dlg->focusWidget(), ControlOf(*dlg, IDC_WORDLIST));
    QCOMPARE(Search(*dlg, u"hund"_s), u"hund"_s);
    QCOMPARE(Selected(*dlg), std::vector<int>{2});
    Search(*dlg, u"h\u00fcnd"_s);
    QCOMPARE(platform.m_messages.back().text, LangQText(kTxtNotFound));
    QCOMPARE(Selected(*dlg), std::vector<int>{2});
    QCOMPARE(Search(*dlg, u"x"_s, Qt::Key_Escape), u"h\u00fcnd"_s);
    QCOMPARE(Search(*dlg, u"x"_s, Qt::Key_Escape), u"h\u00fcnd"_s);
  }

  void functionKeysTypeTheSpecialCharacters() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QLineEdit* foreign = EditOf(*dlg, IDC_FOREIGN);
    foreign->setFocus();
    for (Qt::Key key : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8})
      QTest::keyClick(foreign, key);
    QCOMPARE(foreign->text(), u"\u00fc\u00dc\u00df "_s);

    // The language names take them only while they are being edited; on
    // entering, the whole name is selected and a key replaces it. A name is
    // stored when the field is left, and only when it changed.
    QLineEdit* first = EditOf(*dlg, IDC_FIRST_LANGUAGE);
    first->setFocus();
    foreign->setFocus();
    QVERIFY(first->isReadOnly() && !ShowsModified(*dlg));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_F7);
    QCOMPARE(first->text(), u"\u00df"_s);
    QTest::mouseClick(EditOf(*dlg, IDC_SECOND_LANGUAGE), Qt::LeftButton);
    QVERIFY(first->isReadOnly());
    QCOMPARE(dlg->WordList().GetFirstLanguage(), std::string("\u00df"));
    QVERIFY(ShowsModified(*dlg));

    // In the options a button opens the dialog with its character marked;
    // every cell of every block is in sight; the character chosen (here from
    // the Cyrillic block, by keyboard) is typed at the next key press.
    dlg->OnCommand(ID_MODE_SETTINGS);
    OnModalDialog([](QDialog* dialog) {
      auto* grid = Child<CCharGrid>(dialog, 1096);
      QCOMPARE(grid->MarkedChar(), std::optional<QChar>(QChar(0xdf)));
      auto* blocks = Child<QComboBox>(dialog, 1189);
      QCOMPARE(blocks->count(), CCharGrid::BlockCount());
      for (int block = 0; block < blocks->count(); ++block) {
        blocks->setCurrentIndex(block);
        QCOMPARE(grid->VisibleCells(), grid->CellCount());
      }
      blocks->setCurrentIndex(0);
      blocks->setFocus();
      QTest::keyClicks(blocks, LangQText(737).left(3));
      QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(0x16).center());
      QCOMPARE(Child<QLineEdit>(dialog, 1119)->text(), u"\u0416"_s);
      Click(dialog, 1);
    });
    QTest::mouseClick(ControlOf(*dlg, IDC_SPECIAL3), Qt::LeftButton);
    QCOMPARE(TextOf(*dlg, IDC_SPECIAL3), u"F7: \u0416"_s);
    dlg->OnCommand(ID_MODE_EDIT);
    foreign->clear();
    Type(foreign, u"caf"_s);
    QTest::keyClick(foreign, Qt::Key_F7);
    QCOMPARE(foreign->text(), u"caf\u0416"_s);
  }

  // The import button reaches the import; the window shows the new words
  // and the report of the rest.
  void importAddsNewWordsAndReportsTheRest() {
    const QString path = Path(u"djur.vk2"_s);
    QVERIFY(SaveList(path, {{"katt", "cat", 1}, {"hund", "dog"}}));
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {{"vovve", "dog"}});
    platform.QueueFile(path);
    OnModalDialog(
        [](QDialog* dialog) {
          auto* words = Child<CWordListBox>(dialog, 1162);
          for (int row = 0; row < 2; ++row) ClickRow(words, row);
          Click(dialog, 1);
        },
        [](QDialog* dialog) {
          auto* words = Child<CWordListBox>(dialog, 1162);
          return words && words->count() == 2;
        });
    QTest::mouseClick(ControlOf(*dlg, IDC_IMPORT), Qt::LeftButton);
    QCOMPARE(Lines(*dlg)->LineText(1), std::string("katt\tcat"));
    QCOMPARE(TextOf(*dlg, IDC_WORD_COUNT), WordCount(2));
    QVERIFY(ShowsModified(*dlg) && platform.m_messages.back().text.contains(u"hund\tdog"_s));
  }

  // The properties change the list only when something was changed.
  void propertiesMarkTheListChanged() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    for (const QString& typed : {QString(), u"rad"_s}) {
      OnModalDialog([typed](QDialog* dialog) {
        Type(Child<QPlainTextEdit>(dialog, 1126), typed);
        Click(dialog, 1);
      });
      dlg->CommandAction(ID_LIST_PROPERTIES)->trigger();
      QCOMPARE(ShowsModified(*dlg), !typed.isEmpty());
    }
    QCOMPARE(dlg->WordList().GetDescription(), std::string("rad"));
  }
};

QTEST_MAIN(TestEditPanel)
#include "tst_EditPanel.moc"
