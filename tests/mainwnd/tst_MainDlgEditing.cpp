// The word editing panel of the main window, driven as the user drives it:
// typed words, clicks and keys, and the program's own search, import,
// properties and special character dialogs.
#include <QtTest>

#include <QAction>
#include <QPlainTextEdit>

#include "CharGrid.h"
#include "ClassComboBox.h"
#include "LangText.h"
#include "MainWindowTest.h"
#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "Settings.h"
#include "SettingsKeys.h"
#include "WidgetDriver.h"
#include "WordListBox.h"

using namespace Qt::StringLiterals;

namespace {

QString Duplicate(const QString& word) {
  return LangQText(252).replace(u"%s"_s, word);
}

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

// Answers the next search dialog with text; returns the text it offered.
QString SearchFor(const QString& text, QString* preset = nullptr) {
  OnModalDialog([=](QDialog* dialog) {
    auto* edit = Child<QLineEdit>(dialog, 1080);
    QVERIFY(edit);
    if (preset) *preset = edit->text();
    edit->selectAll();
    Type(edit, text);
    Click(dialog, 1);
  });
  return text;
}

// Searches through F3 in the focused control with the text typed into the dialog.
QString Search(CMainDlg& dlg, const QString& text) {
  QString preset;
  SearchFor(text, &preset);
  QWidget* focus = dlg.focusWidget();
  QTest::keyClick(focus ? focus : dlg.Control(IDC_FOREIGN), Qt::Key_F3);
  return preset;
}

}  // namespace

class TestMainDlgEditing : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString Path(const QString& name) const { return m_dir.filePath(name); }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    ApplyTestDefaults(m_dir.path() + u'/');
  }
  void cleanup() { StopModalScripts(); }

  void typedWordsAreAddedOnceOnly() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    QVERIFY(!ShowsModified(*dlg));

    TypeWord(*dlg, u"hus"_s, u"house"_s, 2);
    QCOMPARE(WordsOf(dlg->WordList()), QStringList{u"hus/house/2"_s});
    QCOMPARE(ClassBox(*dlg)->CurrentItemData(), 0);
    QVERIFY(ShowsModified(*dlg));
    QCOMPARE(Lines(*dlg)->LineText(0), std::string("hus\thouse"));
    QCOMPARE(Selected(*dlg), std::vector<int>{0});
    QCOMPARE(EditOf(*dlg, IDC_FOREIGN)->text() + EditOf(*dlg, IDC_TRANSLATION)->text(), QString());
    QCOMPARE(dlg->focusWidget(), dlg->Control(IDC_FOREIGN));
    QCOMPARE(TextOf(*dlg, IDC_WORD_COUNT), WordCount(1));
    QVERIFY(platform.m_messages.empty());

    // The same foreign word, or the same translation, is refused with the word
    // named; the fields keep what was typed.
    TypeWord(*dlg, u"hus"_s, u"home"_s);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages.back().text, Duplicate(u"hus"_s));
    QCOMPARE(platform.m_messages.back().icon, MessageIcon::Information);
    QCOMPARE(EditOf(*dlg, IDC_TRANSLATION)->text(), u"home"_s);
    dlg->OnCommand(ID_NEW_WORD);
    TypeWord(*dlg, u"hem"_s, u"house"_s);
    QCOMPARE(platform.m_messages.back().text, Duplicate(u"house"_s));
    QCOMPARE(dlg->WordList().GetCount(), 1);

    // Each side is compared with its own column only. The add button adds too.
    QTest::mouseClick(dlg->Control(IDC_NEW_WORD), Qt::LeftButton);
    QCOMPARE(EditOf(*dlg, IDC_TRANSLATION)->text(), QString());
    QVERIFY(!dlg->Control(IDC_ADD)->isEnabled());
    Type(EditOf(*dlg, IDC_FOREIGN), u"house"_s);
    Type(EditOf(*dlg, IDC_TRANSLATION), u"hus"_s);
    QTest::mouseClick(dlg->Control(IDC_ADD), Qt::LeftButton);
    QCOMPARE(dlg->WordList().GetCount(), 2);

    // A missing translation stores nothing and asks for it.
    Type(EditOf(*dlg, IDC_FOREIGN), u"tak"_s);
    QTest::keyClick(EditOf(*dlg, IDC_FOREIGN), Qt::Key_Return);
    QCOMPARE(dlg->WordList().GetCount(), 2);
    QCOMPARE(dlg->focusWidget(), dlg->Control(IDC_TRANSLATION));

    // A full list takes no more words and says so; the list stays as it
    // was and the typed word stays in the fields.
    dlg->OnCommand(ID_NEW_WORD);
    for (int i = 2; i < CWordList::kMaxWords; ++i)
      dlg->WordList().AddWord("f" + std::to_string(i), "t" + std::to_string(i));
    dlg->WordList().SetModified(0);
    dlg->SetListTitle(false);
    dlg->FillWordListBox();
    dlg->UpdateWordCount();
    TypeWord(*dlg, u"extra"_s, u"more"_s);
    QCOMPARE(dlg->WordList().GetCount(), CWordList::kMaxWords);
    QCOMPARE(dlg->WordList().FindForeign(0, "extra"), -1);
    QCOMPARE(Lines(*dlg)->count(), CWordList::kMaxWords);
    QCOMPARE(platform.m_messages.size(), size_t(3));
    QCOMPARE(platform.m_messages.back().text, LangQText(kTxtListFull));
    QVERIFY(!dlg->WordList().IsModified() && !ShowsModified(*dlg));
    QCOMPARE(EditOf(*dlg, IDC_FOREIGN)->text() + EditOf(*dlg, IDC_TRANSLATION)->text(),
             u"extramore"_s);
    QCOMPARE(TextOf(*dlg, IDC_WORD_COUNT), WordCount(300));
  }

  void aWordIsChangedInPlace() {
    CFakePlatform platform;
    auto dlg =
        OpenMainWindow(platform, {{"sol", "sun", 0}, {"springa", "run", 2}, {"hav", "sea", 1}});
    QVERIFY(dlg);

    // A single click only selects, and empties what was typed.
    Type(EditOf(*dlg, IDC_FOREIGN), u"halv"_s);
    ClickRow(Lines(*dlg), 0);
    QCOMPARE(EditOf(*dlg, IDC_FOREIGN)->text(), QString());
    QCOMPARE(TextOf(*dlg, IDC_ADD), LangQText(49));

    DoubleClickRow(Lines(*dlg), 1);
    QCOMPARE(EditOf(*dlg, IDC_FOREIGN)->text() + u'/' + EditOf(*dlg, IDC_TRANSLATION)->text(),
             u"springa/run"_s);
    QCOMPARE(ClassBox(*dlg)->CurrentItemData(), 2);
    QCOMPARE(TextOf(*dlg, IDC_ADD), LangQText(52));
    QVERIFY(dlg->Control(IDC_DELETE)->isEnabled());
    QCOMPARE(dlg->CommandAction(ID_ADD_WORD)->text(), LangQText(24));
    QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(166));

    // A click on the window's background gives up the change.
    QTest::mouseClick(dlg->Control(IDC_LINE_TOP)->parentWidget(), Qt::LeftButton, {},
                      QPoint(3, 200));
    QCOMPARE(EditOf(*dlg, IDC_FOREIGN)->text(), QString());
    QCOMPARE(TextOf(*dlg, IDC_ADD), LangQText(49));

    // Changing does not look for duplicates: "sol" may stand twice.
    DoubleClickRow(Lines(*dlg), 1);
    ClassBox(*dlg)->SelectItemData(1);
    Retype(*dlg, IDC_FOREIGN, u"sol"_s);
    QCOMPARE(WordsOf(dlg->WordList()),
             (QStringList{u"sol/sun/0"_s, u"sol/run/1"_s, u"hav/sea/1"_s}));
    QCOMPARE(ClassBox(*dlg)->CurrentItemData(), 0);
    QVERIFY(platform.m_messages.empty());
    QCOMPARE(Selected(*dlg), std::vector<int>{1});
    QCOMPARE(Lines(*dlg)->ItemData(1), 1);
    QVERIFY(ShowsModified(*dlg));
    QCOMPARE(TextOf(*dlg, IDC_ADD), LangQText(49));
    QCOMPARE(EditOf(*dlg, IDC_FOREIGN)->text(), QString());

    // Enter in the list box takes its word too.
    ClickRow(Lines(*dlg), 2);
    QTest::keyClick(Lines(*dlg), Qt::Key_Return);
    QCOMPARE(EditOf(*dlg, IDC_TRANSLATION)->text(), u"sea"_s);
    QCOMPARE(TextOf(*dlg, IDC_ADD), LangQText(52));
  }

  void deleteRemovesExactlyTheSelectedLines() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(
        platform, {{"a", "1"}, {"b", "2", 1}, {"c", "3"}, {"d", "4", 2}, {"e", "5"}, {"f", "6"}});
    QVERIFY(dlg);

    // Lines 2, 3 and 5 by Ctrl+click, then Ctrl+Delete.
    ClickRow(Lines(*dlg), 1);
    ClickRow(Lines(*dlg), 2, Qt::ControlModifier);
    ClickRow(Lines(*dlg), 4, Qt::ControlModifier);
    QCOMPARE(Selected(*dlg), (std::vector<int>{1, 2, 4}));
    QTest::keyClick(Lines(*dlg), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(WordsOf(dlg->WordList()), (QStringList{u"a/1/0"_s, u"d/4/2"_s, u"f/6/0"_s}));
    QCOMPARE(Lines(*dlg)->count(), 3);
    QCOMPARE(Lines(*dlg)->LineText(1), std::string("d\t4"));
    QCOMPARE(Lines(*dlg)->ItemData(1), 2);
    QVERIFY(ShowsModified(*dlg));
    QCOMPARE(TextOf(*dlg, IDC_WORD_COUNT), WordCount(3));
    QVERIFY(!dlg->Control(IDC_DELETE)->isEnabled());
    QVERIFY(!dlg->CommandAction(ID_DELETE_WORDS)->isEnabled());

    // The last line by the delete button; with nothing selected nothing goes.
    ClickRow(Lines(*dlg), 2);
    QTest::mouseClick(dlg->Control(IDC_DELETE), Qt::LeftButton);
    QCOMPARE(WordsOf(dlg->WordList()), (QStringList{u"a/1/0"_s, u"d/4/2"_s}));
    Lines(*dlg)->clearSelection();
    dlg->OnCommand(ID_DELETE_WORDS);
    QCOMPARE(dlg->WordList().GetCount(), 2);
    QVERIFY(platform.m_messages.empty());
  }

  void theSortSwitchKeepsWordsInOrder() {
    CFakePlatform platform;
    auto dlg =
        OpenMainWindow(platform, {{"zebra", "zebra"}, {"apa", "monkey"}, {"kanin", "rabbit", 1}});
    QVERIFY(dlg);

    QTest::mouseClick(dlg->Control(IDC_SORT), Qt::LeftButton);
    QCOMPARE(WordsOf(dlg->WordList()),
             (QStringList{u"apa/monkey/0"_s, u"kanin/rabbit/1"_s, u"zebra/zebra/0"_s}));
    QCOMPARE(Lines(*dlg)->LineText(1), std::string("kanin\trabbit"));
    QCOMPARE(Lines(*dlg)->ItemData(1), 1);
    QCOMPARE(dlg->focusWidget(), dlg->Control(IDC_FOREIGN));

    // An added word lands at its place, without regard to case, selected there.
    TypeWord(*dlg, u"Bison"_s, u"bison"_s);
    QCOMPARE(Lines(*dlg)->LineText(1), std::string("Bison\tbison"));
    QCOMPARE(dlg->WordList().GetForeign(1), std::string("Bison"));
    QCOMPARE(Selected(*dlg), std::vector<int>{1});

    // A changed word moves too, and the selection goes with it.
    DoubleClickRow(Lines(*dlg), 0);
    Retype(*dlg, IDC_FOREIGN, u"orm"_s);
    QCOMPARE(dlg->WordList().GetForeign(2), std::string("orm"));
    QCOMPARE(Selected(*dlg), std::vector<int>{2});

    // Switched off, the list stays in the order it has.
    QTest::mouseClick(dlg->Control(IDC_SORT), Qt::LeftButton);
    TypeWord(*dlg, u"al"_s, u"alder"_s);
    QCOMPARE(dlg->WordList().GetForeign(4), std::string("al"));
    QCOMPARE(Selected(*dlg), std::vector<int>{4});

    // The alphabet is the locale's: accented words stand beside their plain letter.
    const QLocale before;
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto french = OpenMainWindow(platform, {{"z\350bre", "zebra"},
                                            {"\xe9t\xe9", "summer"},
                                            {"arbre", "tree"},
                                            {"fleur", "flower"},
                                            {"Eau", "water"}});
    QVERIFY(french);
    QTest::mouseClick(french->Control(IDC_SORT), Qt::LeftButton);
    QCOMPARE(WordsOf(french->WordList()),
             (QStringList{u"arbre/tree/0"_s, u"Eau/water/0"_s, u"\u00e9t\u00e9/summer/0"_s,
                          u"fleur/flower/0"_s, u"z\u00e8bre/zebra/0"_s}));
  }

  void searchGoesForwardAndWraps() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(
        platform, {{"katt", "cat"}, {"hund", "dog"}, {"fisk", "hundfisk"}, {"hundar", "dogs"}});
    QVERIFY(dlg);

    // From no line the first hit is taken; the list box gets the focus.
    QCOMPARE(Search(*dlg, u"hund"_s), QString());
    QCOMPARE(Selected(*dlg), std::vector<int>{1});
    QCOMPARE(dlg->focusWidget(), dlg->Control(IDC_WORDLIST));

    // A foreign word further on wins over a nearer translation, and the dialog
    // offers the last text again; from the last line the search wraps.
    QCOMPARE(Search(*dlg, u"hund"_s), u"hund"_s);
    QCOMPARE(Selected(*dlg), std::vector<int>{3});
    Search(*dlg, u"hund"_s);
    QCOMPARE(Selected(*dlg), std::vector<int>{1});

    // Button 5 searches as F3 does; translations count when no foreign word matches.
    SearchFor(u"fisk"_s);
    QTest::mouseClick(dlg->Control(IDC_SEARCH), Qt::LeftButton);
    QCOMPARE(Selected(*dlg), std::vector<int>{2});
    Search(*dlg, u"dogs"_s);
    QCOMPARE(Selected(*dlg), std::vector<int>{3});
    QVERIFY(platform.m_messages.empty());

    // Case counts; a text found nowhere is reported and moves nothing.
    Search(*dlg, u"Hund"_s);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages.back().text, LangQText(304));
    QCOMPARE(platform.m_messages.back().icon, MessageIcon::Error);
    QCOMPARE(Selected(*dlg), std::vector<int>{3});

    // Cancel searches nothing and returns to the foreign word.
    OnModalDialog([](QDialog* dialog) { Click(dialog, 2); });
    QTest::keyClick(Lines(*dlg), Qt::Key_F3);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(dlg->focusWidget(), dlg->Control(IDC_FOREIGN));
  }

  void functionKeysTypeTheSpecialCharacters() {
    const QString defaults[4] = {u"\u00fc"_s, u"\u00dc"_s, u"\u00df"_s, u" "_s};
    const QLatin1String names[4] = {kValueSpecial1, kValueSpecial2, kValueSpecial3, kValueSpecial4};
    for (int i = 0; i < 4; ++i)
      WriteSetting(SettingsRoot::CurrentUser, kKeySetups, names[i], defaults[i]);
    const auto restore = qScopeGuard(
        [&] { WriteSetting(SettingsRoot::CurrentUser, kKeySetups, kValueSpecial3, defaults[2]); });

    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    for (int id : {IDC_FOREIGN, IDC_TRANSLATION}) {
      EditOf(*dlg, id)->setFocus();
      for (Qt::Key key : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8})
        QTest::keyClick(EditOf(*dlg, id), key);
      QCOMPARE(EditOf(*dlg, id)->text(), u"\u00fc\u00dc\u00df "_s);
    }

    // The language names take them only while they are being edited; on
    // entering, the whole name is selected and a key replaces it.
    for (int id : {IDC_FIRST_LANGUAGE, IDC_SECOND_LANGUAGE}) {
      QLineEdit* edit = EditOf(*dlg, id);
      const QString before = edit->text();
      QTest::keyClick(edit, Qt::Key_F7);
      QCOMPARE(edit->text(), before);
      edit->setFocus();
      QTest::keyClick(edit, Qt::Key_F7);
      QTest::keyClick(edit, Qt::Key_F5);
      QCOMPARE(edit->text(), u"\u00df\u00fc"_s);
    }

    // Outside the options mode the buttons only explain themselves.
    QTest::mouseClick(dlg->Control(IDC_SPECIAL3), Qt::LeftButton);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages.back().text, LangQText(181));

    // In the options mode a button opens the dialog with its character marked;
    // a character clicked in the grid is used at the next key press.
    dlg->OnCommand(ID_MODE_SETTINGS);
    OnModalDialog([](QDialog* dialog) {
      auto* edit = Child<QLineEdit>(dialog, 1119);
      auto* grid = Child<CCharGrid>(dialog, 1096);
      QVERIFY(edit && grid);
      QCOMPARE(edit->text(), u"\u00df"_s);
      QCOMPARE(grid->MarkedChar(), std::optional<QChar>(QChar(0xdf)));
      QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(0xe9).center());
      QCOMPARE(edit->text(), u"\u00e9"_s);
      Click(dialog, 1);
    });
    QTest::mouseClick(dlg->Control(IDC_SPECIAL3), Qt::LeftButton);
    QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueSpecial3), u"\u00e9"_s);
    QCOMPARE(TextOf(*dlg, IDC_SPECIAL3), u"F7: \u00e9"_s);
    QCOMPARE(platform.m_messages.size(), size_t(1));

    // Cancel keeps the character.
    OnModalDialog([](QDialog* dialog) {
      Type(Child<QLineEdit>(dialog, 1119), u"x"_s);
      Click(dialog, 2);
    });
    QTest::mouseClick(dlg->Control(IDC_SPECIAL3), Qt::LeftButton);
    QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueSpecial3), u"\u00e9"_s);

    dlg->OnCommand(ID_MODE_EDIT);
    QLineEdit* foreign = EditOf(*dlg, IDC_FOREIGN);
    foreign->setFocus();
    foreign->clear();
    Type(foreign, u"caf"_s);
    QTest::keyClick(foreign, Qt::Key_F7);
    QCOMPARE(foreign->text(), u"caf\u00e9"_s);
  }

  void languageNamesAreStoredWhenLeft() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    QLineEdit* first = EditOf(*dlg, IDC_FIRST_LANGUAGE);
    QLineEdit* second = EditOf(*dlg, IDC_SECOND_LANGUAGE);
    QCOMPARE(first->text() + u'/' + second->text(), LangQText(47) + u'/' + LangQText(48));
    QVERIFY(first->isReadOnly() && second->isReadOnly());

    // Passing through without a change changes nothing.
    first->setFocus();
    QVERIFY(!first->isReadOnly());
    QCOMPARE(first->selectedText(), LangQText(47));
    dlg->Control(IDC_FOREIGN)->setFocus();
    QVERIFY(first->isReadOnly());
    QVERIFY(!dlg->WordList().IsModified() && !ShowsModified(*dlg));

    first->setFocus();
    Type(first, u"Tyska"_s);
    QTest::mouseClick(second, Qt::LeftButton);
    QVERIFY(first->isReadOnly() && !second->isReadOnly());
    QCOMPARE(first->selectedText(), QString());
    QCOMPARE(dlg->WordList().GetFirstLanguage(), std::string("Tyska"));
    QCOMPARE(dlg->WordList().GetSecondLanguage(), LangText(48));
    QVERIFY(dlg->WordList().IsModified() && ShowsModified(*dlg));

    second->selectAll();
    Type(second, u"Svenska"_s);
    dlg->Control(IDC_FOREIGN)->setFocus();
    QCOMPARE(dlg->WordList().GetSecondLanguage(), std::string("Svenska"));
    QVERIFY(second->isReadOnly());

    // A word typed afterwards keeps the names.
    TypeWord(*dlg, u"Hund"_s, u"hund"_s);
    QCOMPARE(first->text(), u"Tyska"_s);
    QCOMPARE(dlg->WordList().GetFirstLanguage(), std::string("Tyska"));
  }

  void importAddsNewWordsAndReportsTheRest() {
    const QString path = Path(u"djur.vk2"_s);
    QVERIFY(SaveList(path, {{"katt", "cat", 1}, {"hund", "dog"}, {"h\xe4st", "horse", 2}}));
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {{"vovve", "dog"}});
    QVERIFY(dlg);
    const auto loaded = [](QDialog* dialog) {
      auto* words = Child<CWordListBox>(dialog, 1162);
      return words && words->count() == 3;
    };

    platform.QueueFile(path);
    OnModalDialog(
        [](QDialog* dialog) {
          auto* words = Child<CWordListBox>(dialog, 1162);
          QCOMPARE(words->LineText(2), std::string("h\xe4st\thorse"));
          for (int row = 0; row < 3; ++row) ClickRow(words, row);
          QCOMPARE(words->SelectedRows(), (std::vector<int>{0, 1, 2}));
          Click(dialog, 1);
        },
        loaded);
    QTest::mouseClick(dlg->Control(IDC_IMPORT), Qt::LeftButton);

    QCOMPARE(platform.m_dialogs.size(), size_t(1));
    QCOMPARE(WordsOf(dlg->WordList()),
             (QStringList{u"vovve/dog/0"_s, u"katt/cat/1"_s, u"h\u00e4st/horse/2"_s}));
    QCOMPARE(Lines(*dlg)->count(), 3);
    QCOMPARE(Lines(*dlg)->ItemData(2), 2);
    QCOMPARE(TextOf(*dlg, IDC_WORD_COUNT), WordCount(3));
    QVERIFY(ShowsModified(*dlg));
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages.back().text,
             u"2 "_s + LangQText(305) + u"\n\n"_s + LangQText(306) + u"\nhund\tdog\n"_s);
    QCOMPARE(platform.m_messages.back().icon, MessageIcon::Information);

    // Cancelled, the import changes nothing and says nothing.
    platform.QueueFile(path);
    OnModalDialog([](QDialog* dialog) { Click(dialog, 2); }, loaded);
    dlg->OnCommand(ID_IMPORT);
    QCOMPARE(dlg->WordList().GetCount(), 3);
    QCOMPARE(platform.m_messages.size(), size_t(1));
  }

  void propertiesKeepTheDescriptionOnOneLine() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);

    // OK without a change leaves the list as it was.
    OnModalDialog([](QDialog* dialog) { Click(dialog, 1); });
    dlg->OnCommand(ID_LIST_PROPERTIES);
    QVERIFY(!dlg->WordList().IsModified() && !ShowsModified(*dlg));

    OnModalDialog([](QDialog* dialog) {
      auto* description = Child<QPlainTextEdit>(dialog, 1126);
      QVERIFY(description);
      description->setFocus();
      Type(description, u"rad ett"_s);
      QTest::keyClick(description, Qt::Key_Return);
      Type(description, u"rad tva"_s);
      Click(dialog, 1);
    });
    dlg->CommandAction(ID_LIST_PROPERTIES)->trigger();
    QVERIFY(dlg->WordList().IsModified() && ShowsModified(*dlg));
    QCOMPARE(dlg->WordList().GetDescription(), std::string("rad ett\x1F\x1Erad tva"));

    const QString path = Path(u"beskrivning.vk2"_s);
    platform.QueueFile(path, 1);
    dlg->OnCommand(ID_FILE_SAVE_AS);
    QVERIFY(ReadAll(path).contains("\r\nDESCRIPTION=rad ett\x1F\x1Erad tva\r\n\r\n[MARKS]\r\n"));

    // Read back, the description shows its line break again.
    dlg->OnCommand(ID_FILE_NEW);
    platform.QueueFile(path);
    dlg->OnCommand(ID_FILE_OPEN);
    QCOMPARE(dlg->WordList().GetDescription(), std::string("rad ett\x1F\x1Erad tva"));
    QString shown;
    OnModalDialog([&](QDialog* dialog) {
      shown = Child<QPlainTextEdit>(dialog, 1126)->toPlainText();
      Click(dialog, 2);
    });
    dlg->OnCommand(ID_LIST_PROPERTIES);
    QVERIFY2(shown.startsWith(u"rad ett"_s) && shown.endsWith(u"rad tva"_s), qPrintable(shown));
    QCOMPARE(shown.count(u'\n'), 1);
    QVERIFY(!dlg->WordList().IsModified());
  }

  void aListMadeInTheWindowReadsBackTheSame() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    QLineEdit* first = EditOf(*dlg, IDC_FIRST_LANGUAGE);
    QLineEdit* second = EditOf(*dlg, IDC_SECOND_LANGUAGE);
    first->setFocus();
    Type(first, u"Franska"_s);
    second->setFocus();
    Type(second, u"Svenska"_s);
    TypeWord(*dlg, u"chat"_s, u"katt"_s, 1);
    TypeWord(*dlg, u"manger"_s, u"\u00e4ta"_s, 2);
    TypeWord(*dlg, u"rouge"_s, u"r\u00f6d"_s, 0);
    TypeWord(*dlg, u"chien"_s, u"hund"_s, 1);

    // The verb gets a second meaning, the adjective goes.
    DoubleClickRow(Lines(*dlg), 1);
    QLineEdit* translation = EditOf(*dlg, IDC_TRANSLATION);
    translation->end(false);
    Type(translation, u"; spisa"_s);
    QTest::keyClick(translation, Qt::Key_Return);
    ClickRow(Lines(*dlg), 2);
    QTest::keyClick(Lines(*dlg), Qt::Key_Delete, Qt::ControlModifier);
    const QStringList expected = {u"chat/katt/1"_s, u"manger/\u00e4ta; spisa/2"_s,
                                  u"chien/hund/1"_s};
    QCOMPARE(WordsOf(dlg->WordList()), expected);

    // Ctrl+S on a new list asks for the name; Ctrl+N and Ctrl+O bring it back.
    const QString path = Path(u"franska.vk2"_s);
    const QString title = u"franska.vk2 - "_s + LangQText(103);
    platform.QueueFile(path, 1);
    QTest::keyClick(EditOf(*dlg, IDC_FOREIGN), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dlg->windowTitle(), title);
    QTest::keyClick(EditOf(*dlg, IDC_FOREIGN), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(dlg->WordList().GetCount(), 0);
    QCOMPARE(first->text(), LangQText(47));
    platform.QueueFile(path);
    QTest::keyClick(EditOf(*dlg, IDC_FOREIGN), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(WordsOf(dlg->WordList()), expected);
    QCOMPARE(Lines(*dlg)->count(), 3);
    QCOMPARE(Lines(*dlg)->LineText(1), std::string("manger\t\xe4ta; spisa"));
    QCOMPARE(Lines(*dlg)->ItemData(0), 1);
    QCOMPARE(first->text() + u'/' + second->text(), u"Franska/Svenska"_s);
    QCOMPARE(dlg->WordList().GetFirstLanguage(), std::string("Franska"));
    QCOMPARE(TextOf(*dlg, IDC_WORD_COUNT), WordCount(3));
    QCOMPARE(dlg->windowTitle(), title);
    QVERIFY(platform.m_messages.empty());
  }
};

QTEST_MAIN(TestMainDlgEditing)
#include "tst_MainDlgEditing.moc"
