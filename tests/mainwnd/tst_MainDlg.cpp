// The main window's frame: start, file commands, exit, modes, menus, keys,
// status line and layout.
#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include "MainWindowTest.h"
#include "WidgetDriver.h"
#include "app/AboutDlg.h"
#include "app/LanguageDlg.h"
#include "app/TipDlg.h"
#include "controls/HoverButton.h"
#include "controls/ModeBanner.h"
#include "controls/Pictures.h"
#include "controls/WordListBox.h"
#include "lang/DataDir.h"
#include "lang/LangText.h"
#include "mainwnd/MainWndIds.h"
#include "mainwnd/MainWndTexts.h"
#include "mainwnd/OptionsPanel.h"
#include "mainwnd/RecentFiles.h"
#include "practice/DirectionDlg.h"
#include "practice/PracticeTexts.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

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

// Only the panel of the mode shows, with the special character buttons,
// and the toolbar button of the mode is pressed.
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
  return shown;
}

// The mode picture shows the banner of the current mode, drawn at its size.
bool ShowsModePicture(const CMainDlg& dlg) {
  auto* banner = ControlOf<CModeBanner>(dlg, IDC_MODE_PICTURE);
  const QImage shown = banner->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  QImage expected(banner->size(), QImage::Format_ARGB32);
  expected.fill(banner->palette().color(QPalette::Window));
  QPainter(&expected).drawPixmap(0, 0,
                                 CPictures::ModePicture(int(dlg.CurrentMode()), banner->size()));
  return banner->Mode() == int(dlg.CurrentMode()) && shown == expected;
}

}  // namespace

class TestMainDlg : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString Path(const QString& name) const { return m_dir.filePath(name); }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    ApplyTestDefaults(m_dir.path() + u'/');
    CWordList list = ListOf({{"hund", "dog"}, {"häst", "horse"}});
    list.SetFirstLanguage("Svenska");
    list.SetSecondLanguage("Engelska");
    QCOMPARE(list.SaveTo(Path(u"djur.vk2"_s), u"VK2"_s), FileResult::Done);
  }

  void startsWithTheCommandLineFileOrAnUntitledList() {
    CFakePlatform platform;
    auto untitled = OpenMainWindow(platform);
    QVERIFY(untitled);
    QCOMPARE(untitled->windowTitle(), Title(LangQText(104), false));
    // The middle pane waits for the mouse; it shows no placeholder.
    QCOMPARE(TextOf(*untitled, IDC_STATUS_MIDDLE), QString());

    auto dlg = OpenMainWindow(platform, {}, Path(u"djur.vk2"_s));
    QVERIFY(dlg);
    QCOMPARE(dlg->windowTitle(), Title(u"djur.vk2"_s, false));
    QCOMPARE(ControlOf<CWordListBox>(*dlg, IDC_WORDLIST)->LineText(1), std::string("häst\thorse"));
    // The language names stand above the two columns.
    QCOMPARE(EditOf(*dlg, IDC_FIRST_LANGUAGE)->text() + EditOf(*dlg, IDC_SECOND_LANGUAGE)->text(),
             u"SvenskaEngelska"_s);
    QVERIFY(platform.m_messages.empty());

    // An unreadable file ends the window, and the program with an error,
    // after the loader's own message.
    CMainDlg missing(platform, AppDialogs());
    missing.SetStartFile(Path(u"missing.vk2"_s));
    QVERIFY(!missing.OnInitDialog());
    QCOMPARE(missing.ExitCode(), 1);
    QCOMPARE(platform.m_messages.size(), size_t(1));
  }

  void fileCommandsKeepTheTitle() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {}, Path(u"djur.vk2"_s));
    QVERIFY(dlg);

    // New: Cancel keeps everything, No drops the changes.
    Modify(*dlg);
    platform.m_answers = {kIdCancel};
    dlg->CommandAction(ID_FILE_NEW)->trigger();
    QCOMPARE(dlg->WordList().GetCount(), 3);
    QCOMPARE(dlg->windowTitle(), Title(u"djur.vk2"_s, true));
    platform.m_answers = {kIdNo};
    dlg->CommandAction(ID_FILE_NEW)->trigger();
    QCOMPARE(dlg->WordList().GetCount(), 0);
    QCOMPARE(dlg->windowTitle(), Title(LangQText(104), false));
    QCOMPARE(platform.m_messages.size(), size_t(2));

    // Save on an untitled list asks for a name, on a titled one it does not.
    Modify(*dlg);
    platform.QueueFile(Path(u"forsta"_s), 1);
    dlg->CommandAction(ID_FILE_SAVE)->trigger();
    QCOMPARE(platform.m_dialogs.size(), size_t(1));
    QVERIFY(platform.m_dialogs[0].save && QFile::exists(Path(u"forsta.vk2"_s)));
    QCOMPARE(dlg->windowTitle(), Title(u"forsta.vk2"_s, false));
    Modify(*dlg);
    dlg->CommandAction(ID_FILE_SAVE)->trigger();
    QCOMPARE(platform.m_dialogs.size(), size_t(1));
    platform.QueueFile(Path(u"andra.vk1"_s), 2);
    dlg->CommandAction(ID_FILE_SAVE_AS)->trigger();
    QVERIFY(QFile::exists(Path(u"andra.vk1"_s)));
    QCOMPARE(dlg->windowTitle(), Title(u"andra.vk1"_s, false));

    // A failed save keeps the modified title and says so.
    Modify(*dlg);
    platform.QueueFile(Path(u"saknas/mapp/lista"_s), 1);
    dlg->CommandAction(ID_FILE_SAVE_AS)->trigger();
    QCOMPARE(platform.m_messages.back().text, LangQText(300));
    QVERIFY(ShowsModified(*dlg));

    // An export leaves the list modified: the title keeps " *", and Exit
    // still asks before the words are lost. So does Save of an untitled
    // list that the user sends to an export type.
    platform.QueueFile(Path(u"andra.html"_s), 3);
    dlg->CommandAction(ID_FILE_SAVE_AS)->trigger();
    QVERIFY(QFile::exists(Path(u"andra.html"_s)));
    QVERIFY(dlg->WordList().IsModified() && ShowsModified(*dlg));
    platform.m_answers = {kIdCancel};
    dlg->OnCommand(ID_APP_EXIT);
    QVERIFY(dlg->isVisible());
    QCOMPARE(platform.m_messages.back().buttons, MessageButtons::YesNoCancel);
    platform.m_answers = {kIdNo};
    dlg->OnCommand(ID_FILE_NEW);
    Modify(*dlg);
    platform.QueueFile(Path(u"tredje"_s), 5);
    dlg->CommandAction(ID_FILE_SAVE)->trigger();
    QVERIFY(QFile::exists(Path(u"tredje.txt"_s)));
    QCOMPARE(dlg->windowTitle(), Title(LangQText(104), true));

    // Open shows the words, reports a broken file, and a cancelled dialog does nothing.
    platform.m_answers = {kIdNo};
    platform.QueueFile(Path(u"djur.vk2"_s));
    dlg->CommandAction(ID_FILE_OPEN)->trigger();
    QCOMPARE(dlg->WordList().GetCount(), 2);
    QCOMPARE(dlg->windowTitle(), Title(u"djur.vk2"_s, false));
    QVERIFY(WriteFile(Path(u"trasig.vk2"_s), "inte en lista\r\n"));
    platform.QueueFile(Path(u"trasig.vk2"_s));
    dlg->CommandAction(ID_FILE_OPEN)->trigger();
    QCOMPARE(platform.m_messages.back().text, LangQText(301));
    const size_t before = platform.m_messages.size();
    platform.QueueCancelFile();
    dlg->CommandAction(ID_FILE_OPEN)->trigger();
    QCOMPARE(platform.m_messages.size(), before);
  }

  // A CSV file, from Open or the command line, shows its preview first; the
  // words come in as an untitled list (after Open the window counts it
  // unchanged, as any opened list), and Cancel leaves the open list.
  void csvFilesArePreviewedFirst() {
    const QString sheet = Path(u"blad.csv"_s);
    QVERIFY(WriteFile(sheet, "Svenska;Engelska\r\nhund;dog\r\nkatt;cat\r\n"));
    const auto answer = [](bool header, bool ok) {
      OnModalDialog([=](QDialog* preview) {
        QCOMPARE(preview->windowTitle(), LangQText(700));
        preview->findChild<QCheckBox*>()->setChecked(header);
        ok ? preview->accept() : preview->reject();
      });
    };
    CFakePlatform platform;
    answer(false, true);
    auto dlg = OpenMainWindow(platform, {}, sheet);
    QVERIFY(dlg);
    QCOMPARE(dlg->WordList().GetCount(), 3);
    QCOMPARE(dlg->windowTitle(), Title(LangQText(104), false));

    platform.QueueFile(sheet);
    answer(true, false);
    dlg->CommandAction(ID_FILE_OPEN)->trigger();
    QCOMPARE(dlg->WordList().GetCount(), 3);
    QVERIFY(platform.m_files.empty());

    platform.QueueFile(sheet);
    answer(true, true);
    dlg->CommandAction(ID_FILE_OPEN)->trigger();
    QCOMPARE(WordsOf(dlg->WordList()), (QStringList{u"hund/dog/0"_s, u"katt/cat/0"_s}));
    QCOMPARE(EditOf(*dlg, IDC_FIRST_LANGUAGE)->text(), u"Svenska"_s);
    QCOMPARE(dlg->windowTitle(), Title(LangQText(104), false));
    QVERIFY(platform.m_messages.empty());
  }

  // A disk that fills up during Ctrl+S: the message, the list still
  // modified, the file as it was.
  void aFullDiskKeepsTheListModified() {
    const QString path = Path(u"full.vk2"_s);
    QVERIFY(SaveList(path, {{"ett", "one"}}));
    const QByteArray old = ReadAll(path);
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {}, path);
    QVERIFY(dlg);
    for (int i = 0; i < 300; ++i)
      (void)dlg->WordList().SetWord(i, "ord " + std::to_string(i), "word", 1);
    dlg->ShowTitle();
    {
      const CFileSizeLimit limit(1024);
      QTest::keyClick(ControlOf(*dlg, IDC_FOREIGN), Qt::Key_S, Qt::ControlModifier);
    }
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages.back().text, LangQText(300));
    QVERIFY(dlg->WordList().IsModified() && ShowsModified(*dlg));
    QCOMPARE(ReadAll(path), old);
  }

  // Settings that cannot be written at exit are reported once, before the
  // window goes.
  void settingsThatCannotBeSavedAreReported() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    ControlOf<QAbstractButton>(*dlg, IDC_SHUFFLE)->click();
    ControlOf<QAbstractButton>(*dlg, IDC_MATCH_CASE)->click();
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
    QVERIFY(dlg);
    QCOMPARE(dlg->CommandAction(ID_RECENT_FIRST + 1)->text(), CRecentFiles::MenuText(1, gone));
    dlg->CommandAction(ID_RECENT_FIRST + 1)->trigger();
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages[0].text, WithPath(kTxtRecentMissing, gone));
    QCOMPARE(CRecentFiles::Read(), (CRecentFiles::Entries{kept, QString(), QString(), QString()}));
    QCOMPARE(dlg->CommandAction(ID_RECENT_FIRST + 1)->text(), CRecentFiles::MenuText(1, QString()));
    QVERIFY(!dlg->CommandAction(ID_RECENT_FIRST + 1)->isEnabled());
  }

  void exitFollowsTheSaveQuestion() {
    QVERIFY(SaveList(Path(u"spara.vk2"_s), {{"ett", "one"}}));
    CFakePlatform platform;
    {
      // Cancel keeps the window open, from the toolbar, the menu and the
      // close box; Escape does nothing at all.
      auto dlg = OpenMainWindow(platform);
      QVERIFY(dlg);
      Modify(*dlg);
      platform.m_answers = {kIdCancel, kIdCancel, kIdCancel};
      ControlOf<QAbstractButton>(*dlg, IDC_TB_EXIT)->click();
      dlg->CommandAction(ID_APP_EXIT)->trigger();
      QVERIFY(!dlg->close());
      QTest::keyClick(dlg.get(), Qt::Key_Escape);
      QVERIFY(dlg->isVisible());
      QCOMPARE(platform.m_messages.size(), size_t(3));
    }
    for (const int answer : {kIdNo, kIdYes}) {
      auto dlg = OpenMainWindow(platform, {}, Path(u"spara.vk2"_s));
      QVERIFY(dlg);
      Modify(*dlg);
      platform.m_answers = {answer};
      dlg->OnCommand(ID_APP_EXIT);
      QVERIFY(!dlg->isVisible());
      QCOMPARE(ReadAll(Path(u"spara.vk2"_s)).contains("2=katt\r\n2B=cat"), answer == kIdYes);
    }
    // Without changes there is no question.
    platform.m_messages.clear();
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    dlg->CommandAction(ID_APP_EXIT)->trigger();
    QVERIFY(!dlg->isVisible());
    QVERIFY(platform.m_messages.empty());
  }

  void eachModeShowsExactlyItsPanel() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);
    QCOMPARE(Shown(*dlg), u"110000110"_s);
    QVERIFY(ShowsModePicture(*dlg));
    // The window icon comes once the window has shown its contents.
    QTRY_VERIFY(!dlg->windowIcon().isNull());
    const int w = ControlOf(*dlg, IDC_LINE_TOOLBAR)->width();
    QCOMPARE(ControlOf(*dlg, IDC_SPECIAL2)->geometry(), QRect(w - 90, 205, 66, 18));
    ControlOf<QAbstractButton>(*dlg, IDC_TB_SETTINGS)->click();
    QCOMPARE(Shown(*dlg), u"000011110"_s);
    QCOMPARE(ControlOf(*dlg, IDC_SPECIAL1)->geometry(), QRect(39, 200, 40, 40));
    QTRY_VERIFY(ShowsModePicture(*dlg));
    dlg->SetMode(CMainDlg::Practice);
    QCOMPARE(Shown(*dlg), u"001100110"_s);
    QCOMPARE(ControlOf(*dlg, IDC_SPECIAL4)->geometry(), QRect(135, 250, 40, 20));
    QTRY_VERIFY(ShowsModePicture(*dlg));
    ControlOf<QAbstractButton>(*dlg, IDC_TB_EDIT)->click();
    QCOMPARE(Shown(*dlg), u"110000110"_s);
    QTRY_VERIFY(ShowsModePicture(*dlg));

    // The options panel widens a narrow window while it shows; the other
    // modes give the width back, unless the user sized the window meanwhile.
    dlg->resize(420, dlg->height());
    QTRY_COMPARE(dlg->width(), 420);
    dlg->OnCommand(ID_MODE_SETTINGS);
    QTRY_VERIFY(dlg->width() > 420);
    dlg->OnCommand(ID_MODE_EDIT);
    QTRY_COMPARE(dlg->width(), 420);
    dlg->OnCommand(ID_MODE_SETTINGS);
    QTRY_VERIFY(dlg->width() > 420);
    const int sized = dlg->width() + 30;
    dlg->resize(sized, dlg->height());
    QTRY_COMPARE(dlg->width(), sized);
    dlg->SetMode(CMainDlg::Practice);
    QCOMPARE(dlg->width(), sized);
  }

  // The sound file dialog opens in the folder of the sound, or else in the
  // program's sounds folder; never in the working folder.
  void soundBrowseStartsAtTheSound() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    dlg->OnCommand(ID_MODE_SETTINGS);
    auto* check = ControlOf<QAbstractButton>(*dlg, IDC_WRONG_SOUND_CHECK);
    if (!check->isChecked()) check->click();
    const QString sounds = QDir(DataDirectory()).filePath(u"sounds"_s);
    const QString own = Path(u"own.wav"_s);
    const QList<std::pair<QString, QString>> cases = {
        {u"sounds/ding.wav"_s, sounds + u"/ding.wav"_s},
        {own, own},
        {QString(), sounds},
        {u"/no/such/folder/x.wav"_s, sounds}};
    for (const auto& [sound, start] : cases) {
      EditOf(*dlg, IDC_WRONG_SOUND_PATH)->setText(sound);
      platform.QueueCancelFile();
      ControlOf<QAbstractButton>(*dlg, IDC_CHOOSE_WRONG_SOUND)->click();
      QCOMPARE(platform.m_dialogs.back().request.initialPath, start);
      QCOMPARE(EditOf(*dlg, IDC_WRONG_SOUND_PATH)->text(), sound);
    }
    check->click();
  }

  void acceleratorsReachTheirCommands() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    QWidget* focus = ControlOf(*dlg, IDC_FOREIGN);
    focus->setFocus();

    QTest::keyClick(focus, Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Settings);
    QTest::keyClick(ControlOf(*dlg, IDC_PAUSE), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);

    // Ctrl+O opens the file dialog, Ctrl+S the save dialog of an untitled list.
    QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(platform.m_dialogs.size(), size_t(2));
    QVERIFY(!platform.m_dialogs[0].save && platform.m_dialogs[1].save);

    // F1 opens the topic of the current mode.
    QTest::keyClick(focus, Qt::Key_F1);
    QCOMPARE(platform.m_help.back().second, 131202u);
    QTest::keyClick(focus, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(ControlOf(*dlg, IDC_PAUSE), Qt::Key_F1);
    QCOMPARE(platform.m_help.back().second, 131203u);
    QTest::keyClick(ControlOf(*dlg, IDC_PAUSE), Qt::Key_R, Qt::ControlModifier);

    // Ctrl+F on an empty list says so and stays in the editing panel.
    QTest::keyClick(focus, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(platform.m_messages.back().text, LangQText(251));
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);

    // Ctrl+Alt+N empties the fields.
    QTest::keyClicks(focus, u"x"_s);
    QTest::keyClick(focus, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(EditOf(*dlg, IDC_FOREIGN)->text(), QString());

    // Ctrl+N on a modified list brings the save question.
    Modify(*dlg);
    const size_t messages = platform.m_messages.size();
    QTest::keyClick(focus, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(platform.m_messages.size(), messages + 1);
    QCOMPARE(platform.m_messages.back().buttons, MessageButtons::YesNoCancel);
    platform.m_answers = {kIdNo};
  }

  void menusFollowTheModeAndTheLanguage() {
    CRecentFiles::Write({u"/tmp/a.vk2"_s, u"/tmp/b.vk2"_s, QString(), QString()});
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    auto* bar = dlg->findChild<QMenuBar*>();
    QVERIFY(bar);
    QCOMPARE(bar->actions().size(), 5);  // file, edit, practice, view, help
    QCOMPARE(bar->actions()[0]->text(), LangQText(1));
    QCOMPARE(bar->actions()[1]->text(), LangQText(21));
    QStringList texts;
    for (QAction* top : bar->actions())
      for (QAction* a : top->menu()->actions()) texts << a->text();
    QVERIFY(texts.contains(LangQText(137)));
    QVERIFY(!dlg->CommandAction(ID_RESTART));
    QCOMPARE(dlg->CommandAction(ID_RECENT_FIRST)->text(), u"1. /tmp/a.vk2"_s);
    QCOMPARE(dlg->CommandAction(ID_RECENT_FIRST + 1)->text(), u"2. /tmp/b.vk2"_s);
    QCOMPARE(dlg->CommandAction(ID_RECENT_FIRST + 2)->text(), u"3. "_s);
    QVERIFY(!dlg->CommandAction(ID_RECENT_FIRST + 2)->isEnabled());

    dlg->SetMode(CMainDlg::Settings);
    QCOMPARE(bar->actions().size(), 4);  // file, practice, view, help
    QVERIFY(!dlg->CommandAction(ID_IMPORT) && !dlg->CommandAction(ID_RESTART));
    QCOMPARE(dlg->CommandAction(ID_RECENT_FIRST)->text(), u"1. /tmp/a.vk2"_s);

    dlg->SetMode(CMainDlg::Practice);
    QCOMPARE(dlg->CommandAction(ID_RESTART)->text(), LangQText(138));

    // Toolbar captions follow the view menu's check mark.
    dlg->SetMode(CMainDlg::Edit);
    QVERIFY(dlg->CommandAction(ID_TOOLBAR_TEXT)->isChecked());
    dlg->CommandAction(ID_TOOLBAR_TEXT)->trigger();
    QVERIFY(!dlg->ToolbarText());
    dlg->SetMode(CMainDlg::Settings);
    QVERIFY(!dlg->CommandAction(ID_TOOLBAR_TEXT)->isChecked());
  }

  void addAndDeleteItemsFollowTheirButtons() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    // The button and its menu item, each "1" when enabled.
    const auto state = [&dlg](int button, int command) {
      return QString::number(ControlOf(*dlg, button)->isEnabled()) +
             QString::number(dlg->CommandAction(command)->isEnabled());
    };
    QCOMPARE(state(IDC_ADD, ID_ADD_WORD) + state(IDC_DELETE, ID_DELETE_WORDS), u"0000"_s);
    QTest::keyClicks(ControlOf(*dlg, IDC_FOREIGN), u"a"_s);
    QCOMPARE(state(IDC_ADD, ID_ADD_WORD), u"11"_s);
    QTest::keyClicks(ControlOf(*dlg, IDC_TRANSLATION), u"b"_s);
    dlg->OnCommand(ID_ADD_WORD);
    QCOMPARE(state(IDC_ADD, ID_ADD_WORD), u"00"_s);
    ControlOf<CWordListBox>(*dlg, IDC_WORDLIST)->SelectOnly(0);
    QCOMPARE(state(IDC_DELETE, ID_DELETE_WORDS), u"11"_s);
    platform.m_answers = {kIdNo};
  }

  void resizePlacesThePracticePanel_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("panel");
    QTest::newRow("narrow") << 600 << 390;
    QTest::newRow("medium") << 640 << 430;
    QTest::newRow("wide") << 800 << 433;
  }

  void resizePlacesThePracticePanel() {
    QFETCH(int, width);
    QFETCH(int, panel);
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    dlg->SetMode(CMainDlg::Practice);
    QVERIFY(ShowsModePicture(*dlg));
    ControlOf(*dlg, IDC_LINE_TOP)->parentWidget()->resize(width, 420);
    // The question and answer take the room that is left, up to their own
    // width; the status line splits the bottom edge.
    const auto at = [&dlg](int id) { return ControlOf(*dlg, id)->geometry(); };
    QCOMPARE(at(IDC_ANSWER_GROUP), QRect(200, 160, panel, at(IDC_ANSWER_GROUP).height()));
    QCOMPARE(at(IDC_ANSWER_BUTTON).topLeft(), QPoint(panel + 150, 183));
    // The question ends 10 pixels inside the group box, as it begins.
    QCOMPARE(at(IDC_QUESTION).width(), panel - 40);
    QCOMPARE(at(IDC_STATUS_LEFT), QRect(0, 402, width / 2, 18));
    QCOMPARE(at(IDC_MODE_PICTURE), QRect(580, 5, width - 590, 52));
    QCOMPARE(ControlOf(*dlg, IDC_MODE_PICTURE)->isHidden(), width - 590 < 40);
    if (width - 590 >= 40) QVERIFY(ShowsModePicture(*dlg));
  }

  void languageChoiceReachesEveryMode() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {{"hund", "dog"}});
    QVERIFY(dlg);
    // A run in progress, its second attempt pending.
    OnModalDialog([](QDialog* d) {
      static_cast<CDirectionDlg*>(d)->Button(CDirectionDlg::IDC_FOREIGN)->click();
    });
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Practice);
    Type(ControlOf(*dlg, IDC_ANSWER), u"katt"_s);
    QTest::keyClick(ControlOf(*dlg, IDC_ANSWER), Qt::Key_Return);
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtWrongOnceGroup));

    // The view menu's item, named in English too, opens the choice.
    QCOMPARE(dlg->CommandAction(IDM_LANGUAGE)->text(), StringTableQText(102));
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
    auto* bar = dlg->findChild<QMenuBar*>();
    QCOMPARE(bar->actions()[0]->text(), LangQText(1));
    QCOMPARE(ControlOf<QAbstractButton>(*dlg, IDC_TB_NEW)->text(), LangQText(kTxtToolbarNew));
    QCOMPARE(TextOf(*dlg, IDC_DIRECTION), LangQText(kTxtWriteForeign));
    QCOMPARE(TextOf(*dlg, IDC_LANGUAGE), LangQText(kTxtLanguageButton));
    QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(kTxtStatusWrongOnce));
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtWrongOnceGroup));
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Practice);

    // Back to English through the options panel's button.
    dlg->SetMode(CMainDlg::Settings);
    choose(1);
    Click(dlg.get(), IDC_LANGUAGE);
    QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), u"Settings"_s);
    QCOMPARE(TextOf(*dlg, IDC_TB_NEW), u"New"_s);
    QVERIFY(platform.m_messages.empty());
  }

  void tipAndAboutOpenFromTheWindow() {
    CFakePlatform platform;
    CreateSettingsKey(SettingsRoot::CurrentUser, kKeyTip);
    WriteSetting(SettingsRoot::CurrentUser, kKeyTip, kValueStartUp, QString());
    // A start without a file shows the tip once the window is up.
    bool tipShown = false;
    OnModalDialog([&](QDialog*) { tipShown = true; },
                  [](QDialog* d) { return qobject_cast<CTipDlg*>(d) != nullptr; });
    auto dlg = std::make_unique<CMainDlg>(platform, AppDialogs());
    dlg->SetShowTip(true);
    QVERIFY(dlg->OnInitDialog());
    dlg->show();
    QTRY_VERIFY(tipShown);

    bool about = false;
    OnModalDialog([&](QDialog*) { about = true; },
                  [](QDialog* d) { return qobject_cast<CAboutDlg*>(d) != nullptr; });
    dlg->OnCommand(ID_ABOUT);
    QVERIFY(about);
    tipShown = false;
    OnModalDialog([&](QDialog*) { tipShown = true; },
                  [](QDialog* d) { return qobject_cast<CTipDlg*>(d) != nullptr; });
    dlg->OnCommand(ID_TIP);
    QVERIFY(tipShown);
  }

  void hoverFillsTheStatusLine() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    const auto hover = [&dlg](int id) {
      QEvent enter(QEvent::Enter);
      QCoreApplication::sendEvent(ControlOf(*dlg, id), &enter);
      return TextOf(*dlg, IDC_STATUS_MIDDLE);
    };
    QCOMPARE(hover(IDC_FOREIGN), LangQText(169));
    QCOMPARE(hover(IDC_SPECIAL1), LangQText(200));
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

    dlg->SetMode(CMainDlg::Settings);
    QCOMPARE(hover(IDC_SPECIAL1), LangQText(199));
    QCOMPARE(hover(IDC_PAUSE), LangQText(202));
    QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(36));
  }
};

QTEST_MAIN(TestMainDlg)
#include "tst_MainDlg.moc"
