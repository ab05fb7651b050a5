// The word editing panel of the main window, driven as the user drives it:
// typed words, clicks and keys, and the program's own search, import,
// properties and special character dialogs.
#include <QtTest>

#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "CharGrid.h"
#include "ClassComboBox.h"
#include "Cp1252.h"
#include "FakePlatform.h"
#include "LangText.h"
#include "MainDlg.h"
#include "MainWndIds.h"
#include "Settings.h"
#include "SettingsDefaults.h"
#include "SettingsKeys.h"
#include "WordListBox.h"

using namespace Qt::StringLiterals;

namespace {

// Acts on the program's next modal dialog once ready() says it is set up.
// Whatever act leaves open is cancelled, and a dialog that never gets ready is
// cancelled after a few seconds, so that a fault fails the test instead of
// hanging it.
void OnModalDialog(const std::function<bool(QWidget*)>& ready,
                   const std::function<void(QWidget*)>& act) {
  auto* timer = new QTimer(qApp);
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QObject::connect(timer, &QTimer::timeout, timer, [=] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    const bool late = clock->elapsed() > 5000;
    if (!dialog || !ready(dialog)) {
      if (late) {
        if (dialog) dialog->reject();
        timer->deleteLater();
      }
      return;
    }
    timer->stop();
    timer->deleteLater();
    act(dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  timer->start(5);
}

void OnModalDialog(const std::function<void(QWidget*)>& act) {
  OnModalDialog([](QWidget*) { return true; }, act);
}

template <typename T = QWidget>
T* Child(QWidget* dialog, int id) {
  return dialog->findChild<T*>(u"c%1"_s.arg(id));
}

void Click(QWidget* dialog, int id) {
  auto* button = Child<QAbstractButton>(dialog, id);
  QVERIFY2(button, qPrintable(u"no button c%1"_s.arg(id)));
  QTest::mouseClick(button, Qt::LeftButton);
}

QStringList Words(const CWordList& list) {
  QStringList words;
  for (int i = 0; i < list.GetCount(); ++i) {
    words << FromCp1252(list.GetForeign(i)) + u'/' + FromCp1252(list.GetTranslation(i)) + u'/' +
                 QString::number(list.GetMark(i));
  }
  return words;
}

QString Duplicate(const QString& word) {
  return LangQText(252).replace(u"%s"_s, word);
}

QString WordCountText(int n) {
  return LangQText(100) + u" %1"_s.arg(n) + LangQText(101);
}

// Types text key by key; letters beyond ASCII come as the keys of a keyboard
// that has them.
void Type(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    if (ch.unicode() < 0x80) {
      QTest::keyClick(widget, char(ch.unicode()));
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(ch.toUpper().unicode()), QString(ch),
                          Qt::NoModifier);
    }
  }
}

}  // namespace

class TestMainDlgEditing : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString Path(const QString& name) const { return m_dir.filePath(name); }

  // The window as the program shows it after start, active, with an empty list.
  static std::unique_ptr<CMainDlg> OpenWindow(CFakePlatform& platform) {
    auto dlg = std::make_unique<CMainDlg>(platform);
    if (!dlg->OnInitDialog()) return nullptr;
    dlg->show();
    QApplication::setActiveWindow(dlg.get());
    if (!QTest::qWaitForWindowActive(dlg.get())) return nullptr;
    return dlg;
  }

  static QLineEdit* Edit(CMainDlg& dlg, int id) { return static_cast<QLineEdit*>(dlg.Control(id)); }
  static CWordListBox* Lines(CMainDlg& dlg) {
    return static_cast<CWordListBox*>(dlg.Control(IDC_WORDLIST));
  }
  static CClassComboBox* ClassBox(CMainDlg& dlg) {
    return static_cast<CClassComboBox*>(dlg.Control(IDC_CLASS));
  }
  static QString AddCaption(CMainDlg& dlg) {
    return static_cast<QAbstractButton*>(dlg.Control(IDC_ADD))->text();
  }
  static bool Modified(CMainDlg& dlg) { return dlg.windowTitle().endsWith(u" *"_s); }

  // Types a word pair into the two fields, picks its class and presses Enter.
  static void TypeWord(CMainDlg& dlg, const QString& foreign, const QString& translation,
                       int mark = 0) {
    QLineEdit* f = Edit(dlg, IDC_FOREIGN);
    f->setFocus();
    Type(f, foreign);
    Type(Edit(dlg, IDC_TRANSLATION), translation);
    ClassBox(dlg)->SelectItemData(mark);
    QTest::keyClick(Edit(dlg, IDC_TRANSLATION), Qt::Key_Return);
  }

  static void ClickLine(CMainDlg& dlg, int row, Qt::KeyboardModifiers mods = {}) {
    CWordListBox* box = Lines(dlg);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, mods,
                      box->visualItemRect(box->item(row)).center());
  }
  static void DoubleClickLine(CMainDlg& dlg, int row) {
    CWordListBox* box = Lines(dlg);
    const QPoint at = box->visualItemRect(box->item(row)).center();
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
  }

  static void Fill(CMainDlg& dlg, const std::vector<std::pair<const char*, const char*>>& words) {
    for (const auto& [f, t] : words) dlg.WordList().AddWord(f, t, 0);
    dlg.FillWordListBox();
    dlg.UpdateWordCount();
  }

  // Search through F3 in the focused control with the text typed into the dialog.
  static QString Search(CMainDlg& dlg, const QString& text) {
    QString preset;
    OnModalDialog([&](QWidget* dialog) {
      auto* edit = Child<QLineEdit>(dialog, 1080);
      QVERIFY(edit);
      preset = edit->text();
      edit->selectAll();
      Type(edit, text);
      Click(dialog, 1);
    });
    QWidget* focus = dlg.focusWidget();
    QTest::keyClick(focus ? focus : dlg.Control(IDC_FOREIGN), Qt::Key_F3);
    return preset;
  }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    ApplySettingsDefaults(m_dir.path() + u'/', [](unsigned n) { return LangQText(n); });
  }

  void typedWordsAreAddedOnceOnly() {
    CFakePlatform platform;
    auto dlg = OpenWindow(platform);
    QVERIFY(dlg);
    QVERIFY(!Modified(*dlg));

    TypeWord(*dlg, u"hus"_s, u"house"_s, 2);
    QCOMPARE(Words(dlg->WordList()), QStringList{u"hus/house/2"_s});
    QCOMPARE(ClassBox(*dlg)->CurrentItemData(), 0);
    QVERIFY(Modified(*dlg));
    QCOMPARE(Lines(*dlg)->LineText(0), std::string("hus\thouse"));
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{0});
    QCOMPARE(Edit(*dlg, IDC_FOREIGN)->text(), QString());
    QCOMPARE(Edit(*dlg, IDC_TRANSLATION)->text(), QString());
    QCOMPARE(dlg->focusWidget(), dlg->Control(IDC_FOREIGN));
    QCOMPARE(static_cast<QLabel*>(dlg->Control(IDC_WORD_COUNT))->text(), WordCountText(1));
    QVERIFY(platform.m_messages.empty());

    // The same foreign word, or the same translation, is refused with the word
    // named; the fields keep what was typed.
    TypeWord(*dlg, u"hus"_s, u"home"_s);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages.back().text, Duplicate(u"hus"_s));
    QCOMPARE(platform.m_messages.back().icon, MessageIcon::Information);
    QCOMPARE(Edit(*dlg, IDC_TRANSLATION)->text(), u"home"_s);
    dlg->OnCommand(ID_NEW_WORD);
    TypeWord(*dlg, u"hem"_s, u"house"_s);
    QCOMPARE(platform.m_messages.size(), size_t(2));
    QCOMPARE(platform.m_messages.back().text, Duplicate(u"house"_s));
    QCOMPARE(dlg->WordList().GetCount(), 1);

    // Each side is compared with its own column only. The add button adds too.
    QTest::mouseClick(dlg->Control(IDC_NEW_WORD), Qt::LeftButton);
    QCOMPARE(Edit(*dlg, IDC_TRANSLATION)->text(), QString());
    QVERIFY(!dlg->Control(IDC_ADD)->isEnabled());
    Type(Edit(*dlg, IDC_FOREIGN), u"house"_s);
    Type(Edit(*dlg, IDC_TRANSLATION), u"hus"_s);
    QVERIFY(dlg->Control(IDC_ADD)->isEnabled());
    QTest::mouseClick(dlg->Control(IDC_ADD), Qt::LeftButton);
    QCOMPARE(dlg->WordList().GetCount(), 2);

    // A missing translation stores nothing and asks for it.
    Type(Edit(*dlg, IDC_FOREIGN), u"tak"_s);
    QTest::keyClick(Edit(*dlg, IDC_FOREIGN), Qt::Key_Return);
    QCOMPARE(dlg->WordList().GetCount(), 2);
    QCOMPARE(dlg->focusWidget(), dlg->Control(IDC_TRANSLATION));
    QCOMPARE(platform.m_messages.size(), size_t(2));

    // A full list takes no more words and says nothing.
    dlg->OnCommand(ID_NEW_WORD);
    for (int i = 2; i < CWordList::kMaxWords; ++i) {
      dlg->WordList().AddWord("f" + std::to_string(i), "t" + std::to_string(i));
    }
    dlg->FillWordListBox();
    TypeWord(*dlg, u"extra"_s, u"more"_s);
    QCOMPARE(dlg->WordList().GetCount(), CWordList::kMaxWords);
    QCOMPARE(dlg->WordList().FindForeign(0, "extra"), -1);
    QCOMPARE(Lines(*dlg)->count(), CWordList::kMaxWords);
    QCOMPARE(platform.m_messages.size(), size_t(2));
    QCOMPARE(static_cast<QLabel*>(dlg->Control(IDC_WORD_COUNT))->text(), WordCountText(300));
  }

  void aWordIsChangedInPlace() {
    CFakePlatform platform;
    auto dlg = OpenWindow(platform);
    QVERIFY(dlg);
    TypeWord(*dlg, u"sol"_s, u"sun"_s, 0);
    TypeWord(*dlg, u"springa"_s, u"run"_s, 2);
    TypeWord(*dlg, u"hav"_s, u"sea"_s, 1);

    // A single click only selects, and empties what was typed.
    Type(Edit(*dlg, IDC_FOREIGN), u"halv"_s);
    ClickLine(*dlg, 0);
    QCOMPARE(Edit(*dlg, IDC_FOREIGN)->text(), QString());
    QCOMPARE(AddCaption(*dlg), LangQText(49));

    DoubleClickLine(*dlg, 1);
    QCOMPARE(Edit(*dlg, IDC_FOREIGN)->text(), u"springa"_s);
    QCOMPARE(Edit(*dlg, IDC_TRANSLATION)->text(), u"run"_s);
    QCOMPARE(ClassBox(*dlg)->CurrentItemData(), 2);
    QCOMPARE(AddCaption(*dlg), LangQText(52));
    QVERIFY(dlg->Control(IDC_DELETE)->isEnabled());
    QCOMPARE(dlg->CommandAction(ID_ADD_WORD)->text(), LangQText(24));
    QCOMPARE(static_cast<QLabel*>(dlg->Control(IDC_STATUS_LEFT))->text(), LangQText(166));

    // A click on the window's background gives up the change.
    QWidget* client = dlg->Control(IDC_LINE_TOP)->parentWidget();
    QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(3, 200));
    QCOMPARE(Edit(*dlg, IDC_FOREIGN)->text(), QString());
    QCOMPARE(AddCaption(*dlg), LangQText(49));
    DoubleClickLine(*dlg, 1);
    QCOMPARE(AddCaption(*dlg), LangQText(52));

    // Changing does not look for duplicates: "sol" may stand twice.
    dlg->WordList().SetModified(0);
    dlg->SetListTitle(false);
    QLineEdit* foreign = Edit(*dlg, IDC_FOREIGN);
    foreign->selectAll();
    Type(foreign, u"sol"_s);
    ClassBox(*dlg)->SelectItemData(1);
    QTest::keyClick(foreign, Qt::Key_Return);
    QCOMPARE(Words(dlg->WordList()), (QStringList{u"sol/sun/0"_s, u"sol/run/1"_s, u"hav/sea/1"_s}));
    QCOMPARE(ClassBox(*dlg)->CurrentItemData(), 0);
    QVERIFY(platform.m_messages.empty());
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{1});
    QCOMPARE(Lines(*dlg)->ItemData(1), 1);
    QVERIFY(Modified(*dlg));
    QCOMPARE(AddCaption(*dlg), LangQText(49));
    QCOMPARE(Edit(*dlg, IDC_FOREIGN)->text(), QString());

    // Enter in the list box takes its word too.
    ClickLine(*dlg, 2);
    QTest::keyClick(Lines(*dlg), Qt::Key_Return);
    QCOMPARE(Edit(*dlg, IDC_TRANSLATION)->text(), u"sea"_s);
    QCOMPARE(AddCaption(*dlg), LangQText(52));
  }

  void deleteRemovesExactlyTheSelectedLines() {
    CFakePlatform platform;
    auto dlg = OpenWindow(platform);
    QVERIFY(dlg);
    Fill(*dlg, {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}, {"f", "6"}});

    // Lines 2, 3 and 5 by Ctrl+click, then Ctrl+Delete.
    ClickLine(*dlg, 1);
    ClickLine(*dlg, 2, Qt::ControlModifier);
    ClickLine(*dlg, 4, Qt::ControlModifier);
    QCOMPARE(Lines(*dlg)->SelectedRows(), (std::vector<int>{1, 2, 4}));
    QTest::keyClick(Lines(*dlg), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Words(dlg->WordList()), (QStringList{u"a/1/0"_s, u"d/4/0"_s, u"f/6/0"_s}));
    QCOMPARE(Lines(*dlg)->count(), 3);
    QCOMPARE(Lines(*dlg)->LineText(1), std::string("d\t4"));
    QVERIFY(Modified(*dlg));
    QCOMPARE(static_cast<QLabel*>(dlg->Control(IDC_WORD_COUNT))->text(), WordCountText(3));
    QVERIFY(!dlg->Control(IDC_DELETE)->isEnabled());
    QVERIFY(!dlg->CommandAction(ID_DELETE_WORDS)->isEnabled());

    // The last line by the delete button.
    ClickLine(*dlg, 2);
    QTest::mouseClick(dlg->Control(IDC_DELETE), Qt::LeftButton);
    QCOMPARE(Words(dlg->WordList()), (QStringList{u"a/1/0"_s, u"d/4/0"_s}));

    // Nothing selected: nothing goes.
    Lines(*dlg)->clearSelection();
    dlg->OnCommand(ID_DELETE_WORDS);
    QCOMPARE(dlg->WordList().GetCount(), 2);
    QVERIFY(platform.m_messages.empty());
  }

  void theSortSwitchKeepsWordsInOrder() {
    CFakePlatform platform;
    auto dlg = OpenWindow(platform);
    QVERIFY(dlg);
    TypeWord(*dlg, u"zebra"_s, u"zebra"_s);
    TypeWord(*dlg, u"apa"_s, u"monkey"_s);
    TypeWord(*dlg, u"kanin"_s, u"rabbit"_s, 1);
    QCOMPARE(dlg->WordList().GetForeign(0), std::string("zebra"));

    QTest::mouseClick(dlg->Control(IDC_SORT), Qt::LeftButton);
    QCOMPARE(Words(dlg->WordList()),
             (QStringList{u"apa/monkey/0"_s, u"kanin/rabbit/1"_s, u"zebra/zebra/0"_s}));
    QCOMPARE(Lines(*dlg)->LineText(1), std::string("kanin\trabbit"));
    QCOMPARE(Lines(*dlg)->ItemData(1), 1);
    QCOMPARE(dlg->focusWidget(), dlg->Control(IDC_FOREIGN));

    // An added word lands at its place, without regard to case, selected there.
    TypeWord(*dlg, u"Bison"_s, u"bison"_s);
    QCOMPARE(dlg->WordList().GetForeign(1), std::string("Bison"));
    QCOMPARE(Lines(*dlg)->LineText(1), std::string("Bison\tbison"));
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{1});

    // A changed word moves too, and the selection goes with it.
    DoubleClickLine(*dlg, 0);
    QLineEdit* foreign = Edit(*dlg, IDC_FOREIGN);
    foreign->selectAll();
    Type(foreign, u"orm"_s);
    QTest::keyClick(foreign, Qt::Key_Return);
    QCOMPARE(dlg->WordList().GetForeign(2), std::string("orm"));
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{2});

    // Switched off, the list stays in the order it has.
    QTest::mouseClick(dlg->Control(IDC_SORT), Qt::LeftButton);
    TypeWord(*dlg, u"al"_s, u"alder"_s);
    QCOMPARE(dlg->WordList().GetForeign(4), std::string("al"));
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{4});
  }

  void sortingFollowsTheAlphabetOfTheLocale() {
    const QLocale before;
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    CFakePlatform platform;
    auto dlg = OpenWindow(platform);
    QVERIFY(dlg);
    Fill(*dlg, {{"z\xe8"
                 "bre",
                 "zebra"},
                {"\xe9t\xe9", "summer"},
                {"arbre", "tree"},
                {"fleur", "flower"},
                {"Eau", "water"}});
    QTest::mouseClick(dlg->Control(IDC_SORT), Qt::LeftButton);
    QCOMPARE(Words(dlg->WordList()),
             (QStringList{u"arbre/tree/0"_s, u"Eau/water/0"_s, u"\u00e9t\u00e9/summer/0"_s,
                          u"fleur/flower/0"_s, u"z\u00e8bre/zebra/0"_s}));
  }

  void searchGoesForwardAndWraps() {
    CFakePlatform platform;
    auto dlg = OpenWindow(platform);
    QVERIFY(dlg);
    Fill(*dlg, {{"katt", "cat"}, {"hund", "dog"}, {"fisk", "hundfisk"}, {"hundar", "dogs"}});

    // From no line the first hit is taken; the list box gets the focus.
    QCOMPARE(Search(*dlg, u"hund"_s), QString());
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{1});
    QCOMPARE(dlg->focusWidget(), dlg->Control(IDC_WORDLIST));

    // A foreign word further on wins over a nearer translation, and the dialog
    // offers the last text again.
    QCOMPARE(Search(*dlg, u"hund"_s), u"hund"_s);
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{3});

    // From the last line the search starts again at the top.
    Search(*dlg, u"hund"_s);
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{1});

    // Button 5 searches as F3 does; translations count when no foreign word
    // matches.
    OnModalDialog([](QWidget* dialog) {
      QLineEdit* edit = Child<QLineEdit>(dialog, 1080);
      edit->selectAll();
      Type(edit, u"fisk"_s);
      Click(dialog, 1);
    });
    QTest::mouseClick(dlg->Control(IDC_SEARCH), Qt::LeftButton);
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{2});
    Search(*dlg, u"dogs"_s);
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{3});
    QVERIFY(platform.m_messages.empty());

    // Case counts; a text found nowhere is reported and moves nothing.
    Search(*dlg, u"Hund"_s);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages.back().text, LangQText(304));
    QCOMPARE(platform.m_messages.back().icon, MessageIcon::Error);
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{3});

    // Cancel searches nothing and returns to the foreign word.
    OnModalDialog([](QWidget* dialog) { Click(dialog, 2); });
    QTest::keyClick(Lines(*dlg), Qt::Key_F3);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(dlg->focusWidget(), dlg->Control(IDC_FOREIGN));
  }

  void functionKeysTypeTheSpecialCharacters() {
    const QString defaults[4] = {u"\u00fc"_s, u"\u00dc"_s, u"\u00df"_s, u" "_s};
    const QLatin1String names[4] = {kValueSpecial1, kValueSpecial2, kValueSpecial3, kValueSpecial4};
    for (int i = 0; i < 4; ++i)
      WriteSetting(SettingsRoot::CurrentUser, kKeySetups, names[i], defaults[i]);
    const QString all = u"\u00fc\u00dc\u00df "_s;

    CFakePlatform platform;
    auto dlg = OpenWindow(platform);
    QVERIFY(dlg);
    const int keys[4] = {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8};
    for (int id : {IDC_FOREIGN, IDC_TRANSLATION}) {
      QLineEdit* edit = Edit(*dlg, id);
      edit->setFocus();
      for (int key : keys) QTest::keyClick(edit, Qt::Key(key));
      QCOMPARE(edit->text(), all);
    }

    // The language names take them only while they are being edited; on
    // entering, the whole name is selected and a key replaces it.
    for (int id : {IDC_FIRST_LANGUAGE, IDC_SECOND_LANGUAGE}) {
      QLineEdit* edit = Edit(*dlg, id);
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
    OnModalDialog([](QWidget* dialog) {
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
    QCOMPARE(static_cast<QAbstractButton*>(dlg->Control(IDC_SPECIAL3))->text(), u"F7: \u00e9"_s);
    QCOMPARE(platform.m_messages.size(), size_t(1));

    // Cancel keeps the character.
    OnModalDialog([](QWidget* dialog) {
      Type(Child<QLineEdit>(dialog, 1119), u"x"_s);
      Click(dialog, 2);
    });
    QTest::mouseClick(dlg->Control(IDC_SPECIAL3), Qt::LeftButton);
    QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueSpecial3), u"\u00e9"_s);

    dlg->OnCommand(ID_MODE_EDIT);
    QLineEdit* foreign = Edit(*dlg, IDC_FOREIGN);
    foreign->setFocus();
    foreign->clear();
    Type(foreign, u"caf"_s);
    QTest::keyClick(foreign, Qt::Key_F7);
    QCOMPARE(foreign->text(), u"caf\u00e9"_s);

    WriteSetting(SettingsRoot::CurrentUser, kKeySetups, kValueSpecial3, defaults[2]);
  }

  void languageNamesAreStoredWhenLeft() {
    CFakePlatform platform;
    auto dlg = OpenWindow(platform);
    QVERIFY(dlg);
    QLineEdit* first = Edit(*dlg, IDC_FIRST_LANGUAGE);
    QLineEdit* second = Edit(*dlg, IDC_SECOND_LANGUAGE);
    QCOMPARE(first->text(), LangQText(47));
    QCOMPARE(second->text(), LangQText(48));
    QVERIFY(first->isReadOnly() && second->isReadOnly());

    // Passing through without a change changes nothing.
    first->setFocus();
    QVERIFY(!first->isReadOnly());
    QCOMPARE(first->selectedText(), LangQText(47));
    dlg->Control(IDC_FOREIGN)->setFocus();
    QVERIFY(first->isReadOnly());
    QVERIFY(!dlg->WordList().IsModified());
    QVERIFY(!Modified(*dlg));

    first->setFocus();
    Type(first, u"Tyska"_s);
    QTest::mouseClick(second, Qt::LeftButton);
    QVERIFY(first->isReadOnly());
    QVERIFY(!second->isReadOnly());
    QCOMPARE(first->selectedText(), QString());
    QCOMPARE(dlg->WordList().GetFirstLanguage(), std::string("Tyska"));
    QCOMPARE(dlg->WordList().GetSecondLanguage(), LangText(48));
    QVERIFY(dlg->WordList().IsModified());
    QVERIFY(Modified(*dlg));

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
    CWordList source;
    source.AddWord("katt", "cat", 1);
    source.AddWord("hund", "dog", 0);
    source.AddWord("h\xe4st", "horse", 2);
    const QString path = Path(u"djur.vk2"_s);
    QCOMPARE(source.SaveTo(path, u"VK2"_s), 0);

    CFakePlatform platform;
    auto dlg = OpenWindow(platform);
    QVERIFY(dlg);
    TypeWord(*dlg, u"vovve"_s, u"dog"_s);
    dlg->WordList().SetModified(0);
    dlg->SetListTitle(false);

    platform.QueueFile(path);
    OnModalDialog(
        [](QWidget* dialog) {
          auto* words = Child<CWordListBox>(dialog, 1162);
          return words && words->count() == 3;
        },
        [&](QWidget* dialog) {
          auto* words = Child<CWordListBox>(dialog, 1162);
          QCOMPARE(words->LineText(2), std::string("h\xe4st\thorse"));
          for (int row = 0; row < 3; ++row) {
            QTest::mouseClick(words->viewport(), Qt::LeftButton, {},
                              words->visualItemRect(words->item(row)).center());
          }
          QCOMPARE(words->SelectedRows(), (std::vector<int>{0, 1, 2}));
          Click(dialog, 1);
        });
    QTest::mouseClick(dlg->Control(IDC_IMPORT), Qt::LeftButton);

    QCOMPARE(platform.m_dialogs.size(), size_t(1));
    QCOMPARE(Words(dlg->WordList()),
             (QStringList{u"vovve/dog/0"_s, u"katt/cat/1"_s, u"h\u00e4st/horse/2"_s}));
    QCOMPARE(Lines(*dlg)->count(), 3);
    QCOMPARE(Lines(*dlg)->ItemData(2), 2);
    QCOMPARE(static_cast<QLabel*>(dlg->Control(IDC_WORD_COUNT))->text(), WordCountText(3));
    QVERIFY(Modified(*dlg));
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages.back().text,
             u"2 "_s + LangQText(305) + u"\n\n"_s + LangQText(306) + u"\nhund\tdog\n"_s);
    QCOMPARE(platform.m_messages.back().icon, MessageIcon::Information);

    // Cancelled, the import changes nothing and says nothing.
    platform.QueueFile(path);
    OnModalDialog(
        [](QWidget* dialog) {
          auto* words = Child<CWordListBox>(dialog, 1162);
          return words && words->count() == 3;
        },
        [](QWidget* dialog) { Click(dialog, 2); });
    dlg->OnCommand(ID_IMPORT);
    QCOMPARE(dlg->WordList().GetCount(), 3);
    QCOMPARE(platform.m_messages.size(), size_t(1));
  }

  void propertiesKeepTheDescriptionOnOneLine() {
    CFakePlatform platform;
    auto dlg = OpenWindow(platform);
    QVERIFY(dlg);

    // OK without a change leaves the list as it was.
    OnModalDialog([](QWidget* dialog) { Click(dialog, 1); });
    dlg->OnCommand(ID_LIST_PROPERTIES);
    QVERIFY(!dlg->WordList().IsModified());
    QVERIFY(!Modified(*dlg));

    OnModalDialog([](QWidget* dialog) {
      auto* description = Child<QPlainTextEdit>(dialog, 1126);
      QVERIFY(description);
      description->setFocus();
      Type(description, u"rad ett"_s);
      QTest::keyClick(description, Qt::Key_Return);
      Type(description, u"rad tva"_s);
      Click(dialog, 1);
    });
    dlg->CommandAction(ID_LIST_PROPERTIES)->trigger();
    QVERIFY(dlg->WordList().IsModified());
    QVERIFY(Modified(*dlg));
    const std::string stored = dlg->WordList().GetDescription();
    QCOMPARE(stored, std::string("rad ett\x1F\x1Erad tva"));

    const QString path = Path(u"beskrivning"_s);
    platform.QueueFile(path, 1);
    dlg->OnCommand(ID_FILE_SAVE_AS);
    QFile file(path + u".vk2"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\r\nDESCRIPTION=rad ett\x1F\x1Erad tva\r\n\r\n[MARKS]\r\n"));

    // Read back, the description shows its line break again.
    dlg->OnCommand(ID_FILE_NEW);
    platform.QueueFile(path + u".vk2"_s);
    dlg->OnCommand(ID_FILE_OPEN);
    QCOMPARE(dlg->WordList().GetDescription(), stored);
    QString shown;
    OnModalDialog([&](QWidget* dialog) {
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
    auto dlg = OpenWindow(platform);
    QVERIFY(dlg);
    QCOMPARE(dlg->WordList().GetCount(), 0);

    QLineEdit* first = Edit(*dlg, IDC_FIRST_LANGUAGE);
    first->setFocus();
    Type(first, u"Franska"_s);
    QLineEdit* second = Edit(*dlg, IDC_SECOND_LANGUAGE);
    second->setFocus();
    Type(second, u"Svenska"_s);

    TypeWord(*dlg, u"chat"_s, u"katt"_s, 1);
    TypeWord(*dlg, u"manger"_s, u"äta"_s, 2);
    TypeWord(*dlg, u"rouge"_s, u"röd"_s, 0);
    TypeWord(*dlg, u"chien"_s, u"hund"_s, 1);

    // The verb gets a second meaning, the adjective goes.
    DoubleClickLine(*dlg, 1);
    QLineEdit* translation = Edit(*dlg, IDC_TRANSLATION);
    translation->end(false);
    Type(translation, u"; spisa"_s);
    QTest::keyClick(translation, Qt::Key_Return);
    ClickLine(*dlg, 2);
    QTest::keyClick(Lines(*dlg), Qt::Key_Delete, Qt::ControlModifier);
    const QStringList expected = {u"chat/katt/1"_s, u"manger/\u00e4ta; spisa/2"_s,
                                  u"chien/hund/1"_s};
    QCOMPARE(Words(dlg->WordList()), expected);
    QVERIFY(Modified(*dlg));

    // Ctrl+S on a new list asks for the name.
    const QString path = Path(u"franska.vk2"_s);
    platform.QueueFile(path, 1);
    QTest::keyClick(Edit(*dlg, IDC_FOREIGN), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(path));
    QCOMPARE(dlg->windowTitle(), u"franska.vk2 - "_s + LangQText(103));

    QTest::keyClick(Edit(*dlg, IDC_FOREIGN), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(dlg->WordList().GetCount(), 0);
    QCOMPARE(first->text(), LangQText(47));

    platform.QueueFile(path);
    QTest::keyClick(Edit(*dlg, IDC_FOREIGN), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(Words(dlg->WordList()), expected);
    QCOMPARE(Lines(*dlg)->count(), 3);
    QCOMPARE(Lines(*dlg)->LineText(1), std::string("manger\t\xe4ta; spisa"));
    QCOMPARE(Lines(*dlg)->ItemData(0), 1);
    QCOMPARE(first->text(), u"Franska"_s);
    QCOMPARE(second->text(), u"Svenska"_s);
    QCOMPARE(dlg->WordList().GetFirstLanguage(), std::string("Franska"));
    QCOMPARE(static_cast<QLabel*>(dlg->Control(IDC_WORD_COUNT))->text(), WordCountText(3));
    QCOMPARE(dlg->windowTitle(), u"franska.vk2 - "_s + LangQText(103));
    QVERIFY(platform.m_messages.empty());
  }
};

QTEST_MAIN(TestMainDlgEditing)
#include "tst_MainDlgEditing.moc"
