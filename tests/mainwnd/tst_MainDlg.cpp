// The main window's frame: start, file commands, printing, exit, modes, menus,
// keys and status line.
#include <QtTest>

#include <QCheckBox>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "MainWindowTest.h"
#include "RecordingPrinter.h"
#include "app/LanguageDlg.h"
#include "app/TipDlg.h"
#include "controls/ModeBanner.h"
#include "lang/DataDir.h"
#include "lang/VkLang.h"
#include "mainwnd/OptionsPanel.h"
#include "mainwnd/RecentFiles.h"
#include "practice/PracticeTexts.h"
#include "print/ListPrinter.h"
#include "print/PrintFormatDlg.h"

using namespace Qt::StringLiterals;

namespace {

QString Title(const QString& name, bool modified) {
  return name + u" - "_s + LangQText(103) + (modified ? u" *"_s : QString());
}

// Makes the open list modified the way an edit does.
void Modify(CMainDlg& dlg) {
  (void)dlg.WordList().AddWord("katt", "cat", 0);
  dlg.ShowTitle();
}

// Which panels show, each with whether its toolbar button is pressed, then
// whether the special character buttons and the answer list show, then
// whether the mode picture shows the mode.
QString Shown(CMainDlg& dlg) {
  const std::pair<QWidget*, int> modes[3] = {{&dlg.EditPanel(), IDC_TB_EDIT},
                                             {&dlg.PracticePanel(), IDC_TB_PRACTICE},
                                             {&dlg.OptionsPanel(), IDC_TB_SETTINGS}};
  QString shown;
  for (auto [panel, button] : modes)
    shown += QString::number(panel->isVisible()) +
             QString::number(ControlOf<CHoverButton>(dlg, button)->IsLatched());
  for (int id : {IDC_SPECIAL1, IDC_SPECIAL4, IDC_SUGGESTIONS})
    shown += QString::number(ControlOf(dlg, id)->isVisible());
  return shown + QString::number(ControlOf<CModeBanner>(dlg, IDC_MODE_PICTURE)->Mode() ==
                                 int(dlg.CurrentMode()));
}

// The Alt letter of a caption ("" when it has none), as Qt reads it.
QString Letter(const QString& text) {
  return QKeySequence::mnemonic(text).toString(QKeySequence::PortableText);
}

// "where Alt+X: first, second" for each letter that more than one caption uses.
QStringList Clashes(const QString& where, const QStringList& captions) {
  QMultiMap<QString, QString> byLetter;
  for (const QString& caption : captions)
    if (const QString letter = Letter(caption); !letter.isEmpty()) byLetter.insert(letter, caption);
  QStringList clashes;
  for (const QString& letter : byLetter.uniqueKeys())
    if (byLetter.count(letter) > 1)
      clashes << where + u' ' + letter + u": "_s + QStringList(byLetter.values(letter)).join(u", ");
  return clashes;
}

QStringList MenuClashes(const QMenu& menu) {
  QStringList captions;
  QStringList clashes;
  for (const QAction* action : menu.actions()) {
    if (action->isSeparator()) continue;
    captions << action->text();
    if (action->menu()) clashes << MenuClashes(*action->menu());
  }
  return Clashes(menu.title(), captions) + clashes;
}

// What the window shows now that Alt reaches: the menu bar, and every shown
// button, group and label with a field to jump to.
QStringList WindowClashes(const CMainDlg& dlg, const QString& mode) {
  const auto* bar = dlg.findChild<QMenuBar*>();
  QStringList captions;
  QStringList clashes;
  for (const QAction* top : bar->actions()) {
    captions << top->text();
    clashes << MenuClashes(*top->menu());
  }
  for (const QWidget* w : dlg.findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) captions << button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) captions << group->title();
    if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
      captions << label->text();
  }
  // Alt+L opens the answer list while practising; a caption with that
  // letter would take the key from it.
  if (dlg.CurrentMode() == CMainDlg::Practice) captions << u"&L (answer list)"_s;
  return Clashes(mode, captions) + clashes;
}

// Printing: a page of A4 at 300 dpi, and lists of numbered words.
constexpr QSize kA4At300(2480, 3508);

std::vector<TestWord> Words(int count) {
  std::vector<TestWord> words;
  for (int i = 1; i <= count; ++i) words.push_back({"f" + std::to_string(i), "t"});
  return words;
}

}  // namespace

class TestMainDlg : public CMainWindowTest {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(PrepareFolder());
    CWordList list = ListOf({{"hund", "dog"}, {"häst", "horse"}});
    list.SetFirstLanguage("Svenska");
    list.SetSecondLanguage("Engelska");
    QCOMPARE(list.SaveTo(Path(u"djur.vk2"_s), u"VK2"_s), FileResult::Done);
    QVERIFY(SaveList(Path(u"sextio.vk2"_s), Words(60)));
    QVERIFY(WriteFile(Path(u"broken.vk2"_s), "[INFO]\nVERSION=9\n"));
  }
  void cleanup() { StopModalScripts(); }

  // The command line's file fills the window, and the title follows each file
  // command: the name and " *" while the words differ from the file's. (What
  // each command does to the list and its files is the word list's and tested
  // there.) A CSV file shows its preview first; its words come in as an
  // unchanged untitled list. At exit, Cancel keeps the window open, from the
  // toolbar, the menu and the close box; Escape does nothing at all; Yes
  // saves before the window goes.
  void fileCommandsKeepTheTitle() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {}, Path(u"djur.vk2"_s));
    QCOMPARE(dlg->windowTitle(), Title(u"djur.vk2"_s, false));
    QCOMPARE(ControlOf<CWordListBox>(*dlg, IDC_WORDLIST)->LineText(1), std::string("häst\thorse"));
    QCOMPARE(EditOf(*dlg, IDC_SECOND_LANGUAGE)->text(), u"Engelska"_s);
    Modify(*dlg);
    platform.m_answers = {kIdNo};
    dlg->CommandAction(ID_FILE_NEW)->trigger();
    QCOMPARE(dlg->windowTitle(), Title(LangQText(104), false));

    Modify(*dlg);
    platform.QueueFile(Path(u"forsta"_s), 1);
    dlg->CommandAction(ID_FILE_SAVE)->trigger();
    QCOMPARE(dlg->windowTitle(), Title(u"forsta.vk2"_s, false));

    // A failed save keeps its target for the next Save, and the title names
    // it; an export keeps the list's own name; both leave the list modified.
    Modify(*dlg);
    platform.QueueFile(Path(u"saknas/mapp/lista"_s), 1);
    dlg->CommandAction(ID_FILE_SAVE_AS)->trigger();
    QCOMPARE(platform.m_messages.back().text, LangQText(300));
    QCOMPARE(dlg->windowTitle(), Title(u"lista.vk2"_s, true));
    platform.QueueFile(Path(u"andra.html"_s), 3);
    dlg->CommandAction(ID_FILE_SAVE_AS)->trigger();
    QVERIFY(QFile::exists(Path(u"andra.html"_s)));
    QCOMPARE(dlg->windowTitle(), Title(u"lista.vk2"_s, true));

    const QString sheet = Path(u"blad.csv"_s);
    QVERIFY(WriteFile(sheet, "Svenska;Engelska\r\nhund;dog\r\nkatt;cat\r\n"));
    platform.m_answers = {kIdNo};
    platform.QueueFile(sheet);
    OnModalDialog([](QDialog* preview) {
      preview->findChild<QCheckBox*>()->setChecked(true);
      preview->accept();
    });
    dlg->CommandAction(ID_FILE_OPEN)->trigger();
    QCOMPARE(WordsOf(dlg->WordList()), (QStringList{u"hund/dog/0"_s, u"katt/cat/0"_s}));
    QCOMPARE(EditOf(*dlg, IDC_FIRST_LANGUAGE)->text(), u"Svenska"_s);
    QCOMPARE(dlg->windowTitle(), Title(LangQText(104), false));

    platform.QueueFile(Path(u"djur.vk2"_s));
    dlg->CommandAction(ID_FILE_OPEN)->trigger();
    QCOMPARE(dlg->windowTitle(), Title(u"djur.vk2"_s, false));
    Modify(*dlg);
    const size_t messages = platform.m_messages.size();
    platform.m_answers = {kIdCancel, kIdCancel, kIdCancel, kIdYes};
    ControlOf<QAbstractButton>(*dlg, IDC_TB_EXIT)->click();
    dlg->CommandAction(ID_APP_EXIT)->trigger();
    QVERIFY(!dlg->close());
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    QVERIFY(dlg->isVisible());
    QCOMPARE(platform.m_messages.size(), messages + 3);
    dlg->OnCommand(ID_APP_EXIT);
    QVERIFY(!dlg->isVisible());
    QVERIFY(ReadAll(Path(u"djur.vk2"_s)).contains("3=katt\r\n3B=cat"));
  }

  // A command line file that cannot be read ends the program with an error,
  // after the loader's own message.
  void anUnreadableStartFileEndsTheProgram() {
    CFakePlatform platform;
    CMainDlg missing(platform, AppDialogs());
    missing.SetStartFile(Path(u"missing.vk2"_s));
    QVERIFY(!missing.OnInitDialog());
    QCOMPARE(missing.ExitCode(), 1);
    QCOMPARE(platform.m_messages.size(), size_t(1));
  }

  // Settings that cannot be written at exit are reported once, before the
  // window goes.
  void settingsThatCannotBeSavedAreReported() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    ControlOf<QAbstractButton>(*dlg, IDC_SHUFFLE)->click();
    {
      const CFileSizeLimit limit(10);
      dlg->OnCommand(ID_APP_EXIT);
    }
    QVERIFY(!dlg->isVisible());
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages[0].text,
             WithPath(kTxtSettingsNotSaved, SettingsFilePath(SettingsRoot::CurrentUser)));
  }

  // A recent file that is gone: one message saying so, and the entry leaves
  // the menu and the store.
  void aRecentFileThatIsGoneLeavesTheList() {
    const QString gone = Path(u"borta.vk2"_s);
    const QString kept = Path(u"djur.vk2"_s);
    CRecentFiles::Write({kept, gone, QString(), QString()});
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    dlg->CommandAction(ID_RECENT_FIRST + 1)->trigger();
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages[0].text, WithPath(kTxtRecentMissing, gone));
    QCOMPARE(CRecentFiles::Read(), (CRecentFiles::Entries{kept, QString(), QString(), QString()}));
    QVERIFY(!dlg->CommandAction(ID_RECENT_FIRST + 1)->isEnabled());
  }

  // The sound file dialog of the options opens in the folder of the sound,
  // or else in the program's sounds folder; never in the working folder.
  void eachModeShowsExactlyItsPanel() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QCOMPARE(Shown(*dlg), u"1100001101"_s);
    ControlOf<QAbstractButton>(*dlg, IDC_TB_SETTINGS)->click();
    QCOMPARE(Shown(*dlg), u"0000111101"_s);
    auto* check = ControlOf<QAbstractButton>(*dlg, IDC_WRONG_SOUND_CHECK);
    if (!check->isChecked()) check->click();
    const QString sounds = QDir(DataDirectory()).filePath(u"sounds"_s);
    for (const auto& [sound, start] : {std::pair{u"sounds/ding.wav"_s, sounds + u"/ding.wav"_s},
                                       {u"/no/such/folder/x.wav"_s, sounds}}) {
      EditOf(*dlg, IDC_WRONG_SOUND_PATH)->setText(sound);
      ControlOf<QAbstractButton>(*dlg, IDC_CHOOSE_WRONG_SOUND)->click();
      QCOMPARE(platform.m_dialogs.back().request.initialPath, start);
    }
    dlg->SetMode(CMainDlg::Practice);
    QCOMPARE(Shown(*dlg), u"0011001101"_s);
    ControlOf<QAbstractButton>(*dlg, IDC_TB_EDIT)->click();
    QCOMPARE(Shown(*dlg), u"1100001101"_s);

    // The options panel widens a narrow window while it shows; the other
    // modes give the width back, unless the user sized the window meanwhile.
    dlg->resize(420, dlg->height());
    QTRY_COMPARE(dlg->width(), 420);
    dlg->OnCommand(ID_MODE_SETTINGS);
    QTRY_VERIFY(dlg->width() > 420);
    dlg->OnCommand(ID_MODE_EDIT);
    QTRY_COMPARE(dlg->width(), 420);
    dlg->OnCommand(ID_MODE_SETTINGS);
    const int sized = dlg->width() + 30;
    dlg->resize(sized, dlg->height());
    QTRY_COMPARE(dlg->width(), sized);
    dlg->SetMode(CMainDlg::Practice);
    QCOMPARE(dlg->width(), sized);
  }

  void acceleratorsReachTheirCommands() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QWidget* focus = ControlOf(*dlg, IDC_FOREIGN);
    focus->setFocus();
    // Ctrl+O opens the file dialog, Ctrl+S the save dialog of an untitled list.
    QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(platform.m_dialogs.size(), size_t(2));
    QVERIFY(!platform.m_dialogs[0].save && platform.m_dialogs[1].save);

    // F1 opens the topic of the current mode; Ctrl+I and Ctrl+R switch modes.
    QTest::keyClick(focus, Qt::Key_F1);
    QCOMPARE(platform.m_help.back().second, 131202u);
    QTest::keyClick(focus, Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Settings);
    QTest::keyClick(ControlOf(*dlg, IDC_PAUSE), Qt::Key_F1);
    QCOMPARE(platform.m_help.back().second, 131203u);
    QTest::keyClick(ControlOf(*dlg, IDC_PAUSE), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);

    // Ctrl+F on an empty list says so and stays in the editing panel.
    QTest::keyClick(focus, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(platform.m_messages.back().text, LangQText(251));
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);

    // Ctrl+Alt+N empties the fields; Ctrl+N a new list, after asking.
    QTest::keyClicks(focus, u"x"_s);
    QTest::keyClick(focus, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(EditOf(*dlg, IDC_FOREIGN)->text(), QString());
    Modify(*dlg);
    platform.m_answers = {kIdNo};
    QTest::keyClick(focus, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(dlg->WordList().GetCount(), 0);
  }

  // A new language reaches every mode's captions, a run in progress
  // included, from the view menu and from the options panel's button.
  void languageChoiceReachesEveryMode() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {{"hund", "dog"}});
    ChooseDirection(CDirectionDlg::IDC_FOREIGN);
    dlg->OnCommand(ID_START_PRACTICE);
    Type(ControlOf(*dlg, IDC_ANSWER), u"katt"_s);
    QTest::keyClick(ControlOf(*dlg, IDC_ANSWER), Qt::Key_Return);

    const auto choose = [](int row) {
      OnModalDialog(
          [row](QDialog* d) {
            auto* language = static_cast<CLanguageDlg*>(d);
            ClickRow(language->List(), row);
            Click(language, CLanguageDlg::IDOK);
          },
          [](QDialog* d) { return qobject_cast<CLanguageDlg*>(d) != nullptr; });
    };
    choose(2);
    dlg->CommandAction(IDM_LANGUAGE)->trigger();
    QCOMPARE(LangQText(kTxtToolbarNew), u"Neu"_s);
    QCOMPARE(TextOf(*dlg, IDC_DIRECTION), LangQText(kTxtWriteForeign));
    QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(kTxtStatusWrongOnce));
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtWrongOnceGroup));
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Practice);

    dlg->SetMode(CMainDlg::Settings);
    choose(1);
    Click(dlg.get(), IDC_LANGUAGE);
    QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), u"Settings"_s);
    QCOMPARE(TextOf(*dlg, IDC_TB_NEW), u"New"_s);
    QVERIFY(platform.m_messages.empty());
  }

  // A start without a file shows the tip once the window is up.
  void theTipShowsAtStart() {
    CFakePlatform platform;
    StoreSetting(kKeyTip, kValueStartUp, QString());
    bool tip = false;
    OnModalDialog([&tip](QDialog* d) { tip = qobject_cast<CTipDlg*>(d) != nullptr; });
    auto dlg = std::make_unique<CMainDlg>(platform, AppDialogs());
    dlg->SetShowTip(true);
    QVERIFY(dlg->OnInitDialog());
    dlg->show();
    QTRY_VERIFY(tip);
  }

  void hoverFillsTheStatusLine() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    const auto hover = [&dlg](int id) {
      QEvent enter(QEvent::Enter);
      QCoreApplication::sendEvent(ControlOf(*dlg, id), &enter);
      return TextOf(*dlg, IDC_STATUS_MIDDLE);
    };
    QCOMPARE(hover(IDC_FOREIGN), LangQText(169));
    QCOMPARE(hover(IDC_LINE_TOP), QString());

    // A text too wide for the pane ends in "…" and is whole in the pane's
    // tooltip, which the mouse on the pane keeps to be read; a wider window
    // shows it whole again.
    auto* middle = ControlOf<QLabel>(*dlg, IDC_STATUS_MIDDLE);
    QWidget* client = middle->parentWidget();
    const QString whole = LangQText(185);
    client->resize(420, client->height());
    const QString shown = hover(IDC_WORDLIST);
    QVERIFY2(shown.endsWith(u'…') && whole.startsWith(shown.chopped(1)), qPrintable(shown));
    QVERIFY(middle->fontMetrics().horizontalAdvance(shown) < middle->contentsRect().width());
    QCOMPARE(middle->toolTip(), whole);
    QCOMPARE(hover(IDC_STATUS_MIDDLE), shown);
    client->resize(900, client->height());
    QCOMPARE(TextOf(*dlg, IDC_STATUS_MIDDLE), whole);
    QCOMPARE(middle->toolTip(), QString());
  }

  // Menu, toolbar and Ctrl+P print the whole list through the print dialog,
  // then hand the focus back as the mode wants it.
  void printCommandsPrintTheWholeList() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {}, Path(u"sextio.vk2"_s));
    const auto printed = [&platform](const std::function<void()>& command) {
      CRecordingPrinter printer(kA4At300, 300);
      platform.m_printers.push_back(printer.Lend());
      command();
      const QStringList texts = printer.AllTexts();
      return printer.m_pages.size() == 2 && texts.contains(u"f1"_s) && texts.contains(u"f60"_s);
    };
    QVERIFY(printed([&] { dlg->CommandAction(ID_PRINT)->trigger(); }));
    QCOMPARE(QApplication::focusWidget(), ControlOf(*dlg, IDC_FOREIGN));
    QVERIFY(printed([&] { QTest::mouseClick(ControlOf(*dlg, IDC_TB_PRINT), Qt::LeftButton); }));
    dlg->OnCommand(ID_MODE_SETTINGS);
    QVERIFY(printed(
        [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier); }));
    QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(36));
    QCOMPARE(platform.m_printDocuments, QStringList(3, u"Vokabit - sextio.vk2"_s));
    QVERIFY(platform.m_messages.empty());

    // The print format from the menu and from the options panel's button: the
    // title comes back into the list, which then has a change to save; Cancel
    // changes nothing.
    const std::string title = dlg->WordList().GetTitle();
    for (const int button : {2, 1}) {
      OnModalDialog([button](QDialog* format) {
        auto* edit = Child<QLineEdit>(format, CPrintFormatDlg::IDC_TITLE);
        edit->selectAll();
        Type(edit, u"Husdjur"_s);
        Click(format, button);
      });
      if (button == 2) {
        dlg->CommandAction(ID_PRINT_FORMAT)->trigger();
      } else {
        dlg->OnCommand(ID_MODE_SETTINGS);
        QTest::mouseClick(ControlOf(*dlg, IDC_PRINT_FORMAT), Qt::LeftButton);
      }
      QCOMPARE(dlg->WordList().GetTitle(), button == 1 ? std::string("Husdjur") : title);
      QCOMPARE(ShowsModified(*dlg), button == 1);
    }
  }

  // The preview shows as many pages as printing gives, under its own title.
  void previewShowsThePrintedPages() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, Words(100));
    int shown = -1;
    int printed = 0;
    QString caption;
    OnModalDialog(
        [&](QDialog* preview) {
          caption = preview->windowTitle();
          shown = preview->findChild<QPrintPreviewWidget*>()->pageCount();
          CListPrinter layout(dlg->WordList());
          layout.PreparePrint(*static_cast<QPrintPreviewDialog*>(preview)->printer());
          printed = layout.PageCount();
        },
        [](QDialog* d) { return qobject_cast<QPrintPreviewDialog*>(d) != nullptr; });
    dlg->CommandAction(ID_FILE_PRINT_PREVIEW)->trigger();
    QCOMPARE(caption, LangQText(622));
    QVERIFY(printed >= 3);
    QCOMPARE(shown, printed);
  }

  // "vokabit /p FILE": the file is printed through the print dialog and the
  // window ends without being shown; the exit status tells whether it worked.
  void printFromTheCommandLine_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<int>("refusePage");  // -1: the printer does not start
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("exitCode");  // 1 comes with one message
    QTest::newRow("printed") << u"sextio.vk2"_s << true << 0 << 2 << 0;
    QTest::newRow("print dialog cancelled") << u"sextio.vk2"_s << false << 0 << 0 << 0;
    QTest::newRow("page refused") << u"sextio.vk2"_s << true << 2 << 1 << 1;
    QTest::newRow("printer does not start") << u"sextio.vk2"_s << true << -1 << 0 << 1;
    QTest::newRow("unreadable file") << u"broken.vk2"_s << true << 0 << 0 << 1;
  }

  void printFromTheCommandLine() {
    QFETCH(QString, file);
    QFETCH(bool, chosen);
    QFETCH(int, refusePage);
    QFETCH(int, pages);
    QFETCH(int, exitCode);
    CFakePlatform platform;
    CRecordingPrinter printer(kA4At300, 300);
    printer.m_refusePage = refusePage;
    printer.m_refuseStart = refusePage < 0;
    if (chosen) platform.m_printers.push_back(printer.Lend());
    CMainDlg dlg(platform, AppDialogs());
    dlg.SetStartFile(Path(file), true);
    dlg.exec();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(int(printer.m_pages.size()), pages);
    QCOMPARE(int(platform.m_messages.size()), exitCode);
    if (exitCode && file == u"sextio.vk2"_s) QCOMPARE(platform.m_messages[0].text, LangQText(623));
    QCOMPARE(printer.m_aborted, refusePage > 0);
    QCOMPARE(platform.m_printDocuments.size(), file == u"sextio.vk2"_s ? 1 : 0);
    QCOMPARE(dlg.ExitCode(), exitCode);
  }

  // Alt letters, in every language: no letter opens two entries of one menu,
  // and none is shared by two things Alt reaches at the same time (the menu
  // bar and the buttons, labels and groups of the mode's panel). Last, as it
  // leaves the window in German. On the way: each mode has its menus, the
  // edit menu and its import only while editing, Restart only while
  // practising, the recent files in every mode.
  void noLetterServesTwoEntries_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("sv") << 0;
    QTest::newRow("en") << 1;
    QTest::newRow("de") << 2;
  }

  void noLetterServesTwoEntries() {
    QFETCH(int, language);
    QCOMPARE(VKLangSetLanguage(language), 0);
    QVERIFY(PrepareFolder());
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {{"hund", "dog"}, {"katt", "cat"}});
    QString menus;
    const auto noteMenus = [&menus, &dlg] {
      menus += QString::number(dlg->findChild<QMenuBar*>()->actions().size());
      for (int command : {ID_IMPORT, ID_RESTART, ID_RECENT_FIRST})
        menus += QString::number(dlg->CommandAction(command) != nullptr);
    };

    noteMenus();
    QStringList clashes = WindowClashes(*dlg, u"edit"_s);
    // While changing a word the add button and its item read "Change".
    DoubleClickRow(ControlOf<CWordListBox>(*dlg, IDC_WORDLIST), 0);
    QCOMPARE(dlg->CommandAction(ID_ADD_WORD)->text(), LangQText(kTxtMenuChange));
    clashes << WindowClashes(*dlg, u"edit, changing"_s);

    ChooseDirection(CDirectionDlg::IDC_FOREIGN);
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Practice);
    clashes << WindowClashes(*dlg, u"practice"_s);
    noteMenus();

    dlg->SetMode(CMainDlg::Settings);
    clashes << WindowClashes(*dlg, u"options"_s);
    noteMenus();
    QCOMPARE(menus, u"510140114001"_s);
    clashes.removeDuplicates();
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u"; "_s)));
  }
};

QTEST_MAIN(TestMainDlg)
#include "tst_MainDlg.moc"
