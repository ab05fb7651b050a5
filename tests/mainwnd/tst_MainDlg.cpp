// The main window driven as the user drives it: its frame (start, file
// commands, printing, exit, modes, menus, keys, status line and the Alt
// letters of every language), the word editing panel with its search,
// import, properties and special character dialogs, and whole exercises in
// the practice panel with the real direction and results dialogs, the pause
// after a right answer set to 0.
#include <QtTest>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "FakePlatform.h"
#include "RecordingPrinter.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "app/ApplicationDialogs.h"
#include "app/LanguageDlg.h"
#include "app/TipDlg.h"
#include "controls/CharGrid.h"
#include "controls/ClassComboBox.h"
#include "controls/ColorEdit.h"
#include "controls/ColorLabel.h"
#include "controls/ColorRef.h"
#include "controls/HoverButton.h"
#include "controls/ModeBanner.h"
#include "controls/Pictures.h"
#include "controls/WordListBox.h"
#include "lang/DataDir.h"
#include "lang/LangText.h"
#include "lang/VkLang.h"
#include "mainwnd/EditPanel.h"
#include "mainwnd/MainDlg.h"
#include "mainwnd/MainWndIds.h"
#include "mainwnd/MainWndTexts.h"
#include "mainwnd/OptionsPanel.h"
#include "mainwnd/PracticePanel.h"
#include "mainwnd/RecentFiles.h"
#include "mainwnd/SearchLogic.h"
#include "practice/DirectionDlg.h"
#include "practice/PracticeDialogTexts.h"
#include "practice/PracticeTexts.h"
#include "practice/ResultsDlg.h"
#include "print/PrintFormatDlg.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "wordlist/WordListTexts.h"

using namespace Qt::StringLiterals;

namespace {

// The program's own language, tip and About dialogs.
CAppDialogs& AppDialogs() {
  static CApplicationDialogs dialogs;
  return dialogs;
}

// The window as the program shows it after start, active, with the given
// words in an unchanged list (or the start file's, when one is given). A
// window that does not come up ends the test program: no case means
// anything without it.
std::unique_ptr<CMainDlg> OpenMainWindow(CFakePlatform& platform,
                                         const std::vector<TestWord>& words = {},
                                         const QString& startFile = QString()) {
  auto dlg = std::make_unique<CMainDlg>(platform, AppDialogs());
  dlg->SetStartFile(startFile);
  if (!dlg->OnInitDialog()) qFatal("The main window did not start");
  for (const TestWord& w : words) (void)dlg->WordList().AddWord(w.foreign, w.translation, w.mark);
  if (!words.empty()) {
    dlg->WordList().SetModified(false);
    dlg->ShowTitle();
    dlg->EditPanel().ShowWords();
    dlg->EditPanel().ShowWordCount();
  }
  dlg->show();
  QApplication::setActiveWindow(dlg.get());
  if (!QTest::qWaitForWindowActive(dlg.get())) qFatal("The main window did not become active");
  return dlg;
}

// Answers the next direction dialog with the button of that id.
void ChooseDirection(int button) {
  OnModalDialog([button](QDialog* d) { static_cast<CDirectionDlg*>(d)->Button(button)->click(); });
}

// The control of the window with a control id.
template <class T = QWidget>
T* ControlOf(const CMainDlg& dlg, int id) {
  return Child<T>(&dlg, id);
}

QLineEdit* EditOf(const CMainDlg& dlg, int id) {
  return ControlOf<QLineEdit>(dlg, id);
}

// The caption of a label, group or button.
QString TextOf(const CMainDlg& dlg, int id) {
  if (auto* label = ControlOf<QLabel>(dlg, id)) return label->text();
  if (auto* group = ControlOf<QGroupBox>(dlg, id)) return group->title();
  return ControlOf<QAbstractButton>(dlg, id)->text();
}

bool ShowsModified(const CMainDlg& dlg) {
  return dlg.windowTitle().endsWith(QStringLiteral(" *"));
}

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

// "where Alt+X: first, second" for each Alt letter (as Qt reads it) that more
// than one caption uses.
QStringList Clashes(const QString& where, const QStringList& captions) {
  QMultiMap<QString, QString> byLetter;
  for (const QString& caption : captions)
    if (const QKeySequence letter = QKeySequence::mnemonic(caption); !letter.isEmpty())
      byLetter.insert(letter.toString(QKeySequence::PortableText), caption);
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

// Printing: a page of A4 at 300 dpi.
constexpr QSize kA4At300(2480, 3508);

// The editing panel.

QString WordCount(int n) {
  return LangQText(100) + u" %1"_s.arg(n) + LangQText(101);
}

CWordListBox* Lines(const CMainDlg& dlg) {
  return ControlOf<CWordListBox>(dlg, IDC_WORDLIST);
}
CClassComboBox* ClassBox(const CMainDlg& dlg) {
  return ControlOf<CClassComboBox>(dlg, IDC_CLASS);
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

// The practice panel.

const QString kWrongSound = u"/sounds/wrong.wav"_s;
const QString kRightSound = u"/sounds/right.wav"_s;

void SetOption(QLatin1String name, const QString& value) {
  WriteSetting(SettingsRoot::CurrentUser, kKeySetups, name, value);
}

// Notes what the results dialog shows, "questions/right first time/wrong
// answers/right second time|the lines of the wrong words|whether practising
// and saving them are offered", then leaves it with button (IDOK or
// IDC_PRACTISE_AGAIN), after before() when given.
void OnResults(QString& out, int button, std::function<void(CResultsDlg*)> before = {}) {
  OnModalDialog([&out, button, before](QDialog* dialog) {
    auto* d = static_cast<CResultsDlg*>(dialog);
    QStringList counts;
    for (int id : {CResultsDlg::IDC_TOTAL, CResultsDlg::IDC_RIGHT_FIRST, CResultsDlg::IDC_WRONG,
                   CResultsDlg::IDC_RIGHT_SECOND})
      counts << d->CountValue(id)->text();
    QStringList lines;
    for (int i = 0; i < d->WrongList()->count(); ++i) lines << d->WrongList()->item(i)->text();
    const bool offered = d->Button(CResultsDlg::IDC_PRACTISE_AGAIN)->isEnabled();
    QCOMPARE(d->Button(CResultsDlg::IDC_SAVE_WRONG)->isEnabled(), offered);
    out = counts.join(u'/') + u'|' + lines.join(u',') + u'|' + QString::number(offered);
    if (before) before(d);
    d->Button(button)->click();
  });
}

CColorEdit* AnswerField(CMainDlg& dlg) {
  return ControlOf<CColorEdit>(dlg, IDC_ANSWER);
}

// What the practice panel shows, in one line: the question, the counters
// (questions/current/right/wrong), the answer and its background.
QString PanelLine(CMainDlg& dlg) {
  CColorEdit* edit = AnswerField(dlg);
  const ColorRef back = edit->BackColour();
  const QString colour = back == ToColorRef(dlg.palette().color(QPalette::Base)) ? u"window"_s
                         : back == 0x0000FF                                      ? u"red"_s
                         : back == 0x00FF00                                      ? u"green"_s
                                            : QString::number(back, 16);
  QString shown = TextOf(dlg, IDC_QUESTION);
  for (int id : {IDC_COUNT_TOTAL, IDC_COUNT_CURRENT, IDC_COUNT_RIGHT, IDC_COUNT_WRONG})
    shown += u' ' + TextOf(dlg, id);
  return shown + u" '"_s + edit->text() + u"' "_s + colour;
}

// The answer group's caption and the status line, and whether the status
// shows in red.
QString Captions(CMainDlg& dlg) {
  return TextOf(dlg, IDC_ANSWER_GROUP) + u'|' + TextOf(dlg, IDC_STATUS_LEFT) +
         (ControlOf<CColorLabel>(dlg, IDC_STATUS_LEFT)->TextColour() == 0x0000FF ? u" (red)"_s
                                                                                 : QString());
}
QString Captions(unsigned group, unsigned status, bool red = false) {
  return LangQText(group) + u'|' + LangQText(status) + (red ? u" (red)"_s : QString());
}

// Opens the window on words and starts an exercise in the given direction.
std::unique_ptr<CMainDlg> StartPractice(CFakePlatform& platform, const std::vector<TestWord>& words,
                                        int direction = CDirectionDlg::IDC_FOREIGN) {
  auto dlg = OpenMainWindow(platform, words);
  ChooseDirection(direction);
  dlg->OnCommand(ID_START_PRACTICE);
  return dlg;
}

// Types text into the emptied answer field and presses Enter on it.
void Answer(CMainDlg& dlg, const QString& text) {
  CColorEdit* edit = AnswerField(dlg);
  edit->clear();
  Type(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

CExercise& Run(CMainDlg& dlg) {
  return dlg.PracticePanel().Exercise();
}

// Answers the current question right and waits for the next one (or the
// results, after the last).
bool AnswerRight(CMainDlg& dlg) {
  const int current = Run(dlg).Current();
  Answer(dlg, QString::fromStdString(Run(dlg).AnswerText()));
  return QTest::qWaitFor(
      [&] { return Run(dlg).Current() != current || dlg.CurrentMode() != CMainDlg::Practice; });
}

}  // namespace

class TestMainDlg : public QObject {
  Q_OBJECT

  // A private folder, new at every run, for the settings with the program's
  // defaults and for the test's own files.
  QTemporaryDir m_dir;
  QString Path(const QString& name) const { return m_dir.filePath(name); }
  bool PrepareFolder() {
    if (!m_dir.isValid()) return false;
    qputenv("VOKABIT_CONFIG_DIR", QFile::encodeName(m_dir.path()));
    ApplyTestDefaults(m_dir.path() + u'/');
    return true;
  }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(PrepareFolder());
    CWordList list = ListOf({{"hund", "dog"}, {"häst", "horse"}});
    list.SetFirstLanguage("Svenska");
    list.SetSecondLanguage("Engelska");
    QCOMPARE(list.SaveTo(Path(u"djur.vk2"_s), u"VK2"_s), FileResult::Done);
    std::vector<TestWord> sixty;  // two pages
    for (int i = 1; i <= 60; ++i) sixty.push_back({"f" + std::to_string(i), "t"});
    QVERIFY(SaveList(Path(u"sextio.vk2"_s), sixty));
    QVERIFY(WriteFile(Path(u"broken.vk2"_s), "[INFO]\nVERSION=9\n"));
  }
  void cleanup() { StopModalScripts(); }

  // Every test starts from the same options; each changes what it is about.
  void init() {
    for (auto [name, value] : {std::pair{kValuePause, u"0"_s},
                               {kValueBlandaCheck, u"FALSE"_s},
                               {kValueOvaAllaRadio, u"TRUE"_s},
                               {kValueShowRightDirect, u"FALSE"_s},
                               {kValueSkiljCheck, u"TRUE"_s},
                               {kValueLjudFelCheck, u"TRUE"_s},
                               {kValueLjudRattCheck, u"TRUE"_s},
                               {kValueLjudFel, kWrongSound},
                               {kValueLjudRatt, kRightSound}})
      SetOption(name, value);
  }

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
    QCOMPARE(dlg->windowTitle(), Title(LangQText(104), false));

    platform.QueueFile(Path(u"djur.vk2"_s));
    dlg->CommandAction(ID_FILE_OPEN)->trigger();
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
  // after the loader's own message; a start without a file shows the tip
  // once the window is up.
  void startWithoutAList() {
    CFakePlatform platform;
    CMainDlg missing(platform, AppDialogs());
    missing.SetStartFile(Path(u"missing.vk2"_s));
    QVERIFY(!missing.OnInitDialog());
    QCOMPARE(missing.ExitCode(), 1);
    QCOMPARE(platform.m_messages.size(), size_t(1));

    bool tip = false;
    OnModalDialog([&tip](QDialog* d) { tip = qobject_cast<CTipDlg*>(d) != nullptr; });
    CMainDlg dlg(platform, AppDialogs());
    dlg.SetShowTip(true);
    QVERIFY(dlg.OnInitDialog());
    dlg.show();
    QTRY_VERIFY(tip);
  }

  // A recent file that is gone: one message saying so, and the entry leaves
  // the menu and the store, the later ones moving up. Settings that cannot be written at exit are
  // reported once, before the window goes.
  void failuresAreReportedOnce() {
    const QString gone = Path(u"borta.vk2"_s);
    const QString kept = Path(u"djur.vk2"_s);
    CRecentFiles::Write({kept, gone, Path(u"sextio.vk2"_s), QString()});
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    dlg->CommandAction(ID_RECENT_FIRST + 1)->trigger();
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages[0].text, WithPath(kTxtRecentMissing, gone));
    QCOMPARE(CRecentFiles::Read(),
             (CRecentFiles::Entries{kept, Path(u"sextio.vk2"_s), QString(), QString()}));
    QVERIFY(!dlg->CommandAction(ID_RECENT_FIRST + 2)->isEnabled());

    ControlOf<QAbstractButton>(*dlg, IDC_SHUFFLE)->click();
    {
      const CFileSizeLimit limit(10);
      dlg->OnCommand(ID_APP_EXIT);
    }
    QVERIFY(!dlg->isVisible());
    QCOMPARE(platform.m_messages.size(), size_t(2));
    QCOMPARE(platform.m_messages[1].text,
             WithPath(kTxtSettingsNotSaved, SettingsFilePath(SettingsRoot::CurrentUser)));
  }

  // Hovering fills the status line's middle pane.
  void keysAndModesReachTheirCommands() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform);
    const auto hover = [&dlg](int id) {
      QEvent enter(QEvent::Enter);
      QCoreApplication::sendEvent(ControlOf(*dlg, id), &enter);
      return TextOf(*dlg, IDC_STATUS_MIDDLE);
    };
    QCOMPARE(hover(IDC_FOREIGN), LangQText(169));

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

    QWidget* focus = ControlOf(*dlg, IDC_FOREIGN);
    focus->setFocus();
    // Ctrl+O opens the file dialog, Ctrl+S the save dialog of an untitled list.
    QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(platform.m_dialogs.size() == 2 && !platform.m_dialogs[0].save &&
            platform.m_dialogs[1].save);

    // F1 opens the topic of the current mode; Ctrl+I and Ctrl+R switch modes.
    QTest::keyClick(focus, Qt::Key_F1);
    QCOMPARE(platform.m_help.back().second, 131202u);
    QTest::keyClick(focus, Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Settings);
    QTest::keyClick(ControlOf(*dlg, IDC_PAUSE), Qt::Key_F1);
    QCOMPARE(platform.m_help.back().second, 131203u);
    QTest::keyClick(ControlOf(*dlg, IDC_PAUSE), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);

    // Ctrl+F on an empty list says so.
    QTest::keyClick(focus, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(platform.m_messages.back().text, LangQText(251));

    // Ctrl+Alt+N empties the fields; Ctrl+N a new list, after asking.
    QTest::keyClicks(focus, u"x"_s);
    QTest::keyClick(focus, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(EditOf(*dlg, IDC_FOREIGN)->text(), QString());
    Modify(*dlg);
    platform.m_answers = {kIdNo};
    QTest::keyClick(focus, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(dlg->WordList().GetCount(), 0);

    // Each mode shows exactly its panel. The sound file dialog of the options
    // opens in the folder of the sound, or else in the program's sounds
    // folder; never in the working folder.
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
      OnModalDialog([row](QDialog* d) {
        ClickRow(static_cast<CLanguageDlg*>(d)->List(), row);
        Click(d, CLanguageDlg::IDOK);
      });
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
    QTest::mouseClick(ControlOf(*dlg, IDC_NEW_WORD), Qt::LeftButton);  // empties the fields
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
    EditOf(*dlg, IDC_FOREIGN)->selectAll();
    Type(EditOf(*dlg, IDC_FOREIGN), u"sol"_s);
    QTest::keyClick(EditOf(*dlg, IDC_FOREIGN), Qt::Key_Return);
    QCOMPARE(WordsOf(dlg->WordList()),
             (QStringList{u"sol/sun/0"_s, u"sol/run/1"_s, u"hav/sea/1"_s}));
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{1});
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
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{3});
    DoubleClickRow(Lines(*dlg), 0);
    EditOf(*dlg, IDC_FOREIGN)->selectAll();
    Type(EditOf(*dlg, IDC_FOREIGN), u"orm"_s);
    QTest::keyClick(EditOf(*dlg, IDC_FOREIGN), Qt::Key_Return);
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{3});
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
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{1});
    QCOMPARE(dlg->focusWidget(), ControlOf(*dlg, IDC_WORDLIST));
    QCOMPARE(Search(*dlg, u"katt"_s, Qt::Key_Escape), u"hund"_s);
    QCOMPARE(Search(*dlg, u"hund"_s), u"hund"_s);
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{2});
    Search(*dlg, u"h\u00fcnd"_s);
    QCOMPARE(platform.m_messages.back().text, LangQText(kTxtNotFound));
    QCOMPARE(Lines(*dlg)->SelectedRows(), std::vector<int>{2});
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

    // In the options a button opens the dialog with its character marked, as
    // is a character typed; every cell of every block is in sight; the character chosen (here from
    // the Cyrillic block, by keyboard) is typed at the next key press.
    dlg->OnCommand(ID_MODE_SETTINGS);
    OnModalDialog([](QDialog* dialog) {
      auto* grid = Child<CCharGrid>(dialog, 1096);
      auto* edit = Child<QLineEdit>(dialog, 1119);
      QCOMPARE(grid->MarkedChar(), std::optional<QChar>(QChar(0xdf)));
      edit->clear();
      Type(edit, u"\u00e9"_s);
      QCOMPARE(grid->MarkedChar(), std::optional<QChar>(QChar(0xe9)));
      Type(edit, u"e"_s);  // two characters mark no cell
      QCOMPARE(grid->MarkedChar(), std::nullopt);
      auto* blocks = Child<QComboBox>(dialog, 1189);
      for (int block = 0; block < blocks->count(); ++block) {
        blocks->setCurrentIndex(block);
        QCOMPARE(grid->VisibleCells(), grid->CellCount());
      }
      blocks->setFocus();
      QTest::keyClicks(blocks, LangQText(737).left(3));
      QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(0x16).center());
      QCOMPARE(edit->text(), u"\u0416"_s);
      edit->end(false);
      Type(edit, u"x"_s);  // any length is taken
      Click(dialog, 1);
    });
    QTest::mouseClick(ControlOf(*dlg, IDC_SPECIAL3), Qt::LeftButton);
    QCOMPARE(TextOf(*dlg, IDC_SPECIAL3), u"F7: \u0416x"_s);
    dlg->OnCommand(ID_MODE_EDIT);
    foreign->clear();
    Type(foreign, u"caf"_s);
    QTest::keyClick(foreign, Qt::Key_F7);
    QCOMPARE(foreign->text(), u"caf\u0416x"_s);
  }

  // The import button reaches the import; the window shows the new words
  // and the report of the rest.
  void importAddsNewWordsAndReportsTheRest() {
    const QString path = Path(u"import.vk2"_s);
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

  void threeQuestionsAreCountedAndTheMissedWordsAskedAgain() {
    CFakePlatform platform;
    // Missed in the order sebra, apa; the results list shows them sorted.
    auto dlg = StartPractice(platform, {{"sebra", "zebra", 1}, {"apa", "ape"}, {"katt", "cat"}});
    QCOMPARE(dlg->focusWidget(), AnswerField(*dlg));
    // The status names the side shown as the question.
    QCOMPARE(PanelLine(*dlg), u"zebra 3 1 0 0 '' window"_s);
    QCOMPARE(Captions(*dlg), Captions(kTxtAnswerGroup, kTxtStatusTranslation));

    // Question 1: wrong, then right; the next question starts neutral, and a
    // right second attempt is no right answer in the count.
    Answer(*dlg, u"zebra"_s);
    QCOMPARE(PanelLine(*dlg), u"zebra 3 1 0 1 'zebra' red"_s);
    QCOMPARE(Captions(*dlg), Captions(kTxtWrongOnceGroup, kTxtStatusWrongOnce, true));
    Answer(*dlg, u"sebra"_s);
    QCOMPARE(PanelLine(*dlg), u"zebra 3 1 0 1 'sebra' green"_s);
    QTRY_COMPARE(Run(*dlg).Current(), 2);
    QCOMPARE(PanelLine(*dlg), u"ape 3 2 0 1 '' window"_s);

    // Question 2: wrong twice, then the answer shown is copied, typed without
    // being judged, and Enter confirms the copy at once, without a pause.
    Answer(*dlg, u"ape"_s);
    Answer(*dlg, u"monkey"_s);
    QCOMPARE(PanelLine(*dlg), u"ape 3 2 0 3 'apa' green"_s);
    QCOMPARE(Captions(*dlg), Captions(kTxtCopyGroup, kTxtStatusWrongTwice, true));
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_BUTTON), LangQText(kTxtCopyButton));
    AnswerField(*dlg)->clear();
    QTest::keyClicks(AnswerField(*dlg), u"apa"_s);
    QCOMPARE(Run(*dlg).Current(), 2);
    QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
    QCOMPARE(PanelLine(*dlg), u"cat 3 3 0 3 '' window"_s);
    QCOMPARE(Captions(*dlg), Captions(kTxtAnswerGroup, kTxtStatusTranslation));

    // Question 3: right; then the results. The missed words are saved as a
    // list of their own, in the order they were missed and without their
    // classes, and practising them asks them in that order.
    const QString missed = Path(u"missed.vk2"_s);
    QString first;
    OnResults(first, CResultsDlg::IDC_PRACTISE_AGAIN, [&](CResultsDlg* d) {
      platform.QueueFile(missed, 1);
      d->Button(CResultsDlg::IDC_SAVE_WRONG)->click();
    });
    Answer(*dlg, u"katt"_s);
    QTRY_COMPARE(first, u"3/1/3/1|apa\tape,sebra\tzebra|1"_s);
    CWordList saved(&platform);
    QCOMPARE(saved.OpenFile(missed), FileResult::Done);
    QCOMPARE(WordsOf(saved), (QStringList{u"sebra/zebra/0"_s, u"apa/ape/0"_s}));
    // Each sound with the path of its field; the copy is silent.
    QCOMPARE(platform.m_sounds,
             (QStringList{kWrongSound, kRightSound, kWrongSound, kWrongSound, kRightSound}));
    QCOMPARE(PanelLine(*dlg), u"zebra 2 1 0 0 '' window"_s);
    QVERIFY(AnswerRight(*dlg));

    QString second;
    OnResults(second, CResultsDlg::IDOK);
    QVERIFY(AnswerRight(*dlg));
    QTRY_VERIFY(second.startsWith(u"2/2/0/0|"_s) && second.endsWith(u"|0"_s));
    // Back to editing, the list as it was: no shuffle, nothing changed.
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);
    QCOMPARE(dlg->WordList().GetForeign(0), std::string("sebra"));
    QVERIFY(!ShowsModified(*dlg) && dlg->WordList().IsUntitled());
  }

  // Letters typed while the right answer still shows are the start of the
  // next answer, not lost when the next question clears the field; checked
  // while typing, the whole answer is taken without Enter; after the last
  // question the results follow the pause as always.
  void typingDuringThePauseBeginsTheNextAnswer() {
    SetOption(kValuePause, u"1"_s);
    SetOption(kValueShowRightDirect, u"TRUE"_s);
    CFakePlatform platform;
    auto dlg = StartPractice(platform, {{"hund", "dog"}, {"katt", "cat"}});
    CColorEdit* edit = AnswerField(*dlg);
    Answer(*dlg, u"hund"_s);
    QTest::keyClicks(edit, u"ka"_s);
    QCOMPARE(PanelLine(*dlg), u"cat 2 2 1 0 'ka' window"_s);
    QTest::keyClicks(edit, u"tt"_s);
    QCOMPARE(Run(*dlg).RightFirstTry(), 2);
    QString results;
    OnResults(results, CResultsDlg::IDOK);
    QTest::keyClicks(edit, u"x"_s);
    QVERIFY(dlg->PracticePanel().IsPauseRunning());
    QTRY_VERIFY(!results.isEmpty());
  }

  // With "only the first 0 words" nothing is asked: no direction, no
  // results praising answers never given, and the status says why. The
  // options as the user leaves them are what the next start shows.
  void theOptionsPanelStartsAndKeepsTheRun() {
    CFakePlatform platform;
    const int boxes[] = {IDC_SHUFFLE, IDC_MATCH_CASE, IDC_WRONG_SOUND_CHECK, IDC_ONLY_WORDS};
    {
      auto dlg = OpenMainWindow(platform, {{"hund", "dog"}});
      dlg->OnCommand(ID_MODE_SETTINGS);
      for (int id : boxes) ControlOf<QAbstractButton>(*dlg, id)->click();
      EditOf(*dlg, IDC_ONLY_COUNT)->setText(u"0"_s);
      dlg->OnCommand(ID_START_PRACTICE);
      QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(kTxtNothingToPractise));
      QVERIFY(platform.m_messages.empty() && !QApplication::activeModalWidget());
      EditOf(*dlg, IDC_ONLY_COUNT)->setText(u"7"_s);
      EditOf(*dlg, IDC_RIGHT_SOUND_PATH)->setText(u"/sounds/other.wav"_s);
      dlg->OnCommand(ID_APP_EXIT);
    }
    auto dlg = OpenMainWindow(platform);
    QString checked;
    for (int id : boxes)
      checked += QString::number(ControlOf<QAbstractButton>(*dlg, id)->isChecked());
    QCOMPARE(checked, u"1001"_s);
    QCOMPARE(EditOf(*dlg, IDC_ONLY_COUNT)->text() + EditOf(*dlg, IDC_RIGHT_SOUND_PATH)->text(),
             u"7/sounds/other.wav"_s);
  }

  // The picture beside the question is the class of the word asked, for
  // every question of the run; without "show word class" it stays plain. A
  // right-to-left question runs from the right, a left-to-right one from the
  // left, whatever the one before.
  void theClassPictureIsTheAskedWords() {
    const std::vector<TestWord> words = {
        {"sol", "sun", 1}, {"bok", "كتاب", 2}, {"hav", "日本語", 0}, {"gul", "yellow", 1}};
    for (const bool show : {true, false}) {
      SetOption(kValueClassCheck, show ? u"TRUE"_s : u"FALSE"_s);
      CFakePlatform platform;
      auto dlg = StartPractice(platform, words);
      auto* picture = ControlOf<QLabel>(*dlg, IDC_CLASS_PICTURE);
      auto* question = ControlOf<QLabel>(*dlg, IDC_QUESTION);
      QString results;
      OnResults(results, CResultsDlg::IDOK);
      for (const TestWord& w : words) {
        QCOMPARE(question->text(), QString::fromStdString(w.translation));
        QCOMPARE(question->layoutDirection(),
                 w.foreign == "bok" ? Qt::RightToLeft : Qt::LeftToRight);
        QCOMPARE(picture->pixmap().toImage(), CPictures::ClassPicture(show ? w.mark : 0).toImage());
        QVERIFY(AnswerRight(*dlg));
      }
      QTRY_VERIFY(!results.isEmpty());
    }
  }

  void suggestionsAreTakenIntoTheAnswerField() {
    CFakePlatform platform;
    auto dlg = StartPractice(
        platform, {{"hund", "dog"}, {"hast", "Horse"}, {"hus", "house"}, {"katt", "cat"}},
        CDirectionDlg::IDC_TRANSLATION);
    CColorEdit* edit = AnswerField(*dlg);
    auto* list = ControlOf<QListWidget>(*dlg, IDC_SUGGESTIONS);
    auto* drop = ControlOf<CHoverButton>(*dlg, IDC_SUGGEST_BUTTON);
    // Alphabetical whatever the case of the first letter.
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    QCOMPARE(entries, (QStringList{u"cat"_s, u"dog"_s, u"Horse"_s, u"house"_s}));

    // Alt+L opened on "HO" selects the first entry beginning with it in any
    // case; Enter takes the chosen entry instead of judging the answer, and
    // the next Enter judges it.
    QTest::keyClicks(edit, u"HO"_s);
    QTest::keyClick(edit, Qt::Key_L, Qt::AltModifier);
    QVERIFY(list->isVisible() && drop->IsLatched());
    QCOMPARE(list->currentItem()->text(), u"Horse"_s);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!list->isVisible() && !drop->IsLatched());
    QCOMPARE(PanelLine(*dlg), u"hund 4 1 0 0 'house' window"_s);
    QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(kTxtStatusForeign));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(Run(*dlg).WrongAnswers(), 1);
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
