// Whole exercises played in the practice panel of the real main window, with
// the real direction and results dialogs, and the pause after a right
// answer set to 0.
#include <QtTest>

#include <QLabel>
#include <QListWidget>

#include "MainWindowTest.h"
#include "controls/ColorEdit.h"
#include "controls/ColorLabel.h"
#include "controls/ColorRef.h"
#include "controls/HoverButton.h"
#include "controls/WordListBox.h"
#include "lang/LangText.h"
#include "mainwnd/MainWndIds.h"
#include "mainwnd/MainWndTexts.h"
#include "practice/DirectionDlg.h"
#include "practice/PracticeDialogTexts.h"
#include "practice/PracticeTexts.h"
#include "practice/ResultsDlg.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;

namespace {

const QString kWrongSound = u"/sounds/wrong.wav"_s;
const QString kRightSound = u"/sounds/right.wav"_s;

void SetOption(QLatin1String name, const QString& value) {
  WriteSetting(SettingsRoot::CurrentUser, kKeySetups, name, value);
}

// What the results dialog showed: "questions/right first time/wrong
// answers/right second time", the lines of the wrong words, and whether
// practising and saving them were offered.
struct Results {
  bool seen = false;
  QString counts;
  QStringList lines;
  bool offered = false;
};

// Word pairs "f01"/"t01" and so on.
std::vector<TestWord> NumberedWords(int count) {
  std::vector<TestWord> words;
  for (int i = 1; i <= count; ++i) {
    const std::string n = (i < 10 ? "0" : "") + std::to_string(i);
    words.push_back({"f" + n, "t" + n});
  }
  return words;
}

void ChooseDirection(int button) {
  OnModalDialog([button](QDialog* d) { static_cast<CDirectionDlg*>(d)->Button(button)->click(); });
}

// Notes what the results dialog shows, then leaves it with button (IDOK or
// IDC_PRACTISE_AGAIN), after before() when given.
void OnResults(Results& out, int button, std::function<void(CResultsDlg*)> before = {}) {
  OnModalDialog([&out, button, before](QDialog* dialog) {
    auto* d = static_cast<CResultsDlg*>(dialog);
    out.seen = true;
    for (int id : {CResultsDlg::IDC_TOTAL, CResultsDlg::IDC_RIGHT_FIRST, CResultsDlg::IDC_WRONG,
                   CResultsDlg::IDC_RIGHT_SECOND})
      out.counts += (out.counts.isEmpty() ? u""_s : u"/"_s) + d->CountValue(id)->text();
    for (int i = 0; i < d->WrongList()->count(); ++i) out.lines << d->WrongList()->item(i)->text();
    out.offered = d->Button(CResultsDlg::IDC_PRACTISE_AGAIN)->isEnabled();
    QCOMPARE(d->Button(CResultsDlg::IDC_SAVE_WRONG)->isEnabled(), out.offered);
    if (before) before(d);
    d->Button(button)->click();
  });
}

CColorEdit* AnswerField(CMainDlg& dlg) {
  return ControlOf<CColorEdit>(dlg, IDC_ANSWER);
}

QString ColourName(CMainDlg& dlg, ColorRef colour) {
  if (colour == ToColorRef(dlg.palette().color(QPalette::Base))) return u"window"_s;
  switch (colour) {
    case 0x000000:
      return u"black"_s;
    case 0x0000FF:
      return u"red"_s;
    case 0x00FF00:
      return u"green"_s;
  }
  return QString::number(colour, 16);
}

// What the panel shows, in one line: the question, the counters
// (questions/current/right/wrong), the answer group's caption, the answer
// with its text and background colours, and the status line's text and
// colour.
QString Shown(CMainDlg& dlg) {
  const auto caption = [&dlg] {
    const QString group = TextOf(dlg, IDC_ANSWER_GROUP);
    for (auto [text, name] : {std::pair{kTxtAnswerGroup, "answer"},
                              {kTxtWrongOnceGroup, "wrong"},
                              {kTxtRightGroup, "right"},
                              {kTxtCopyGroup, "copy"}})
      if (group == LangQText(text)) return QString::fromLatin1(name);
    return group;
  };
  const auto status = [&dlg] {
    const QString text = TextOf(dlg, IDC_STATUS_LEFT);
    for (auto [n, name] : {std::pair{kTxtStatusForeign, "foreign"},
                           {kTxtStatusTranslation, "translation"},
                           {kTxtStatusWrongOnce, "wrong-once"},
                           {kTxtStatusWrongTwice, "wrong-twice"}})
      if (text == LangQText(n)) return QString::fromLatin1(name);
    return text;
  };
  CColorEdit* edit = AnswerField(dlg);
  const auto* pane = ControlOf<CColorLabel>(dlg, IDC_STATUS_LEFT);
  return TextOf(dlg, IDC_QUESTION) + u' ' + TextOf(dlg, IDC_COUNT_TOTAL) + u'/' +
         TextOf(dlg, IDC_COUNT_CURRENT) + u'/' + TextOf(dlg, IDC_COUNT_RIGHT) + u'/' +
         TextOf(dlg, IDC_COUNT_WRONG) + u' ' + caption() + u" '"_s + edit->text() + u"' "_s +
         ColourName(dlg, edit->TextColour()) + u'/' + ColourName(dlg, edit->BackColour()) + u' ' +
         status() + (pane->TextColour() == 0x0000FF ? u" (red)"_s : QString());
}

// Opens the window on words and starts an exercise in the given direction.
std::unique_ptr<CMainDlg> StartPractice(CFakePlatform& platform, const std::vector<TestWord>& words,
                                        int direction) {
  auto dlg = OpenMainWindow(platform, words);
  if (!dlg) return nullptr;
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
  return QTest::qWaitFor([&] {
    return Run(dlg).Current() != current || !dlg.isVisible() ||
           dlg.CurrentMode() != CMainDlg::Practice;
  });
}

}  // namespace

class TestPracticePanel : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    ApplyTestDefaults(m_dir.path() + u'/');
  }

  // Every test starts from the same options; each changes what it is about.
  void init() {
    for (auto [name, value] : {std::pair{kValuePause, u"0"_s},
                               {kValueBlandaCheck, u"FALSE"_s},
                               {kValueOvaAllaRadio, u"TRUE"_s},
                               {kValueOvaBara, u"10"_s},
                               {kValueShowRightDirect, u"FALSE"_s},
                               {kValueSkiljCheck, u"TRUE"_s},
                               {kValueLjudFelCheck, u"FALSE"_s},
                               {kValueLjudRattCheck, u"FALSE"_s},
                               {kValueLjudFel, kWrongSound},
                               {kValueLjudRatt, kRightSound}})
      SetOption(name, value);
    WriteSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF, u"TRUE"_s);
  }

  void cleanup() { StopModalScripts(); }

  void threeQuestionsAreCountedAndTheMissedWordsAskedAgain() {
    CFakePlatform platform;
    // Missed in the order sebra, apa; the results list shows them sorted.
    auto dlg = StartPractice(platform, {{"sebra", "zebra"}, {"apa", "ape"}, {"katt", "cat"}},
                             CDirectionDlg::IDC_FOREIGN);
    QVERIFY(dlg);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Practice);
    QCOMPARE(dlg->focusWidget(), AnswerField(*dlg));
    // The status names the side shown as the question.
    QCOMPARE(Shown(*dlg), u"zebra 3/1/0/0 answer '' black/window translation"_s);

    // Question 1: wrong, then right; the next question starts neutral, and a
    // right second attempt is no right answer in the count.
    Answer(*dlg, u"zebra"_s);
    QCOMPARE(Shown(*dlg), u"zebra 3/1/0/1 wrong 'zebra' black/red wrong-once (red)"_s);
    Answer(*dlg, u"sebra"_s);
    QVERIFY(Shown(*dlg).startsWith(u"zebra 3/1/0/1 right 'sebra' black/green"_s));
    QTRY_COMPARE(Run(*dlg).Current(), 2);
    QCOMPARE(Shown(*dlg), u"ape 3/2/0/1 answer '' black/window translation"_s);

    // Question 2: wrong twice, then the answer shown is copied; something
    // else than the answer puts the answer back, and Enter confirms the copy
    // at once, without a pause.
    Answer(*dlg, u"ape"_s);
    Answer(*dlg, u"monkey"_s);
    QCOMPARE(Shown(*dlg), u"ape 3/2/0/3 copy 'apa' black/green wrong-twice (red)"_s);
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_BUTTON), LangQText(kTxtCopyButton));
    Answer(*dlg, u"ap"_s);
    QCOMPARE(AnswerField(*dlg)->text(), u"apa"_s);
    AnswerField(*dlg)->clear();
    QCOMPARE(ColourName(*dlg, AnswerField(*dlg)->BackColour()), u"window"_s);
    QTest::keyClicks(AnswerField(*dlg), u"apa"_s);
    QCOMPARE(ColourName(*dlg, AnswerField(*dlg)->BackColour()), u"green"_s);
    QCOMPARE(Run(*dlg).Current(), 2);
    QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
    QCOMPARE(Shown(*dlg), u"cat 3/3/0/3 answer '' black/window translation"_s);
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_BUTTON), LangQText(kTxtAnswerButton));

    // Question 3: right; then the results, and practising the missed words
    // asks them in the order they were missed.
    Results first;
    OnResults(first, CResultsDlg::IDC_PRACTISE_AGAIN);
    Answer(*dlg, u"katt"_s);
    QTRY_VERIFY(first.seen);
    QCOMPARE(first.counts, u"3/1/3/1"_s);
    QCOMPARE(first.lines, (QStringList{u"apa\tape"_s, u"sebra\tzebra"_s}));
    QVERIFY(first.offered);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Practice);
    QCOMPARE(Shown(*dlg), u"zebra 2/1/0/0 answer '' black/window translation"_s);
    QCOMPARE(TextOf(*dlg, IDC_DIRECTION), LangQText(kTxtWriteForeign));
    QVERIFY(AnswerRight(*dlg));

    Results second;
    OnResults(second, CResultsDlg::IDOK);
    QVERIFY(AnswerRight(*dlg));
    QTRY_VERIFY(second.seen);
    QCOMPARE(second.counts, u"2/2/0/0"_s);
    QCOMPARE(second.lines, QStringList{LangQText(kTxtResultsNoWrong)});
    QVERIFY(!second.offered);
    // Back to editing, the list as it was: no shuffle, nothing changed.
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);
    QCOMPARE(dlg->WordList().GetForeign(0), std::string("sebra"));
    QVERIFY(!ShowsModified(*dlg));
  }

  // The red of a warning goes with the next status text, and a run started
  // after one left in copy mode starts neutral. (What is right, and what a
  // copy shows, is the answer judge's and tested there.)
  void copyModeAndANewRunLookRight() {
    CFakePlatform platform;
    auto dlg = StartPractice(platform, {{"Hus, hem", "house"}, {"äpple", "apple"}},
                             CDirectionDlg::IDC_FOREIGN);
    QVERIFY(dlg);
    for (const QString& wrong : {u"stuga"_s, u"villa"_s, u"hus"_s}) Answer(*dlg, wrong);
    QCOMPARE(Shown(*dlg), u"house (2) 2/1/0/2 copy 'Hus, hem' black/green wrong-twice (red)"_s);
    dlg->OnCommand(ID_MODE_SETTINGS);
    QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(kTxtStatusSettings));
    QVERIFY(ControlOf<CColorLabel>(*dlg, IDC_STATUS_LEFT)->TextColour() != 0x0000FF);

    ChooseDirection(CDirectionDlg::IDC_FOREIGN);
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(Shown(*dlg), u"house (2) 2/1/0/0 answer '' black/window translation"_s);
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_BUTTON), LangQText(kTxtAnswerButton));
  }

  // Letters typed while the right answer still shows are the start of the
  // next answer, not lost when the next question clears the field; after the
  // last question the results follow the pause as always.
  void typingDuringThePauseBeginsTheNextAnswer() {
    SetOption(kValuePause, u"1"_s);
    CFakePlatform platform;
    auto dlg =
        StartPractice(platform, {{"hund", "dog"}, {"katt", "cat"}}, CDirectionDlg::IDC_FOREIGN);
    QVERIFY(dlg);
    CColorEdit* edit = AnswerField(*dlg);
    Answer(*dlg, u"hund"_s);
    QVERIFY(dlg->PracticePanel().IsPauseRunning());
    QTest::keyClicks(edit, u"ka"_s);
    QCOMPARE(Shown(*dlg), u"cat 2/2/1/0 answer 'ka' black/window translation"_s);
    QTest::keyClicks(edit, u"tt"_s);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(Run(*dlg).RightFirstTry(), 2);
    Results results;
    OnResults(results, CResultsDlg::IDOK);
    QTest::keyClicks(edit, u"x"_s);
    QVERIFY(dlg->PracticePanel().IsPauseRunning());
    QTRY_VERIFY(results.seen);
  }

  // "Only the first N words" asks N words, or with N = 0 nothing at all: no
  // direction, no results praising answers never given, and the status says
  // why. The suggestion list still offers every word of the list.
  void onlyTheFirstNWordsAreAsked() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, NumberedWords(25));
    QVERIFY(dlg);
    dlg->OnCommand(ID_MODE_SETTINGS);
    ControlOf<QAbstractButton>(*dlg, IDC_ONLY_WORDS)->click();
    QVERIFY(!ControlOf<QAbstractButton>(*dlg, IDC_ALL_WORDS)->isChecked());
    QLineEdit* count = EditOf(*dlg, IDC_ONLY_COUNT);
    QCOMPARE(count->text(), u"10"_s);
    count->setText(u"0"_s);
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Settings);
    QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(kTxtNothingToPractise));
    QCOMPARE(ControlOf<CColorLabel>(*dlg, IDC_STATUS_LEFT)->TextColour(), ColorRef(0x0000FF));
    QVERIFY(platform.m_messages.empty() && !QApplication::activeModalWidget());

    count->setText(u"10"_s);
    ChooseDirection(CDirectionDlg::IDC_TRANSLATION);
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(ControlOf<QListWidget>(*dlg, IDC_SUGGESTIONS)->count(), 25);
    Results results;
    OnResults(results, CResultsDlg::IDOK);
    for (int i = 1; i <= 10; ++i) {
      QCOMPARE(TextOf(*dlg, IDC_QUESTION), QString::fromStdString(NumberedWords(i).back().foreign));
      QVERIFY(AnswerRight(*dlg));
    }
    QTRY_VERIFY(results.seen);
    QCOMPARE(results.counts, u"10/10/0/0"_s);
  }

  void shuffleReordersTheListItself() {
    SetOption(kValueBlandaCheck, u"TRUE"_s);
    CFakePlatform platform;
    const auto words = NumberedWords(25);
    auto dlg = StartPractice(platform, words, CDirectionDlg::IDC_FOREIGN);
    QVERIFY(dlg);
    QCOMPARE(Run(*dlg).Total(), 25);
    std::vector<std::string> asked, listed, original;
    for (int i = 0; i < 25; ++i) {
      asked.push_back(Run(*dlg).Questions()[i].m_foreign);
      listed.push_back(dlg->WordList().GetForeign(i));
      original.push_back(words[i].foreign);
    }
    // The questions come in the list's new order, and every word once.
    QCOMPARE(TextOf(*dlg, IDC_QUESTION), QString::fromStdString(dlg->WordList().GetTranslation(0)));
    QVERIFY(asked == listed && asked != original);
    std::sort(asked.begin(), asked.end());
    QVERIFY(asked == original);
    QVERIFY(dlg->WordList().IsModified() && ShowsModified(*dlg));
  }

  // The options as the user leaves them are what the next start shows.
  void optionsAreKeptForTheNextStart() {
    CFakePlatform platform;
    {
      auto dlg = OpenMainWindow(platform);
      QVERIFY(dlg);
      dlg->OnCommand(ID_MODE_SETTINGS);
      for (int id : {IDC_SHUFFLE, IDC_MATCH_CASE, IDC_WRONG_SOUND_CHECK, IDC_ONLY_WORDS})
        ControlOf<QAbstractButton>(*dlg, id)->click();
      EditOf(*dlg, IDC_ONLY_COUNT)->setText(u"7"_s);
      EditOf(*dlg, IDC_RIGHT_SOUND_PATH)->setText(u"/sounds/other.wav"_s);
      dlg->OnCommand(ID_APP_EXIT);
      QVERIFY(!dlg->isVisible());
    }
    auto dlg = OpenMainWindow(platform);
    QVERIFY(dlg);
    const std::pair<int, bool> checks[] = {{IDC_SHUFFLE, true},           {IDC_MATCH_CASE, false},
                                           {IDC_WRONG_SOUND_CHECK, true}, {IDC_ONLY_WORDS, true},
                                           {IDC_ALL_WORDS, false},        {IDC_SHOW_CLASS, true}};
    for (const auto& [id, checked] : checks)
      QCOMPARE(ControlOf<QAbstractButton>(*dlg, id)->isChecked(), checked);
    QCOMPARE(EditOf(*dlg, IDC_ONLY_COUNT)->text(), u"7"_s);
    QCOMPARE(EditOf(*dlg, IDC_RIGHT_SOUND_PATH)->text(), u"/sounds/other.wav"_s);
    QCOMPARE(EditOf(*dlg, IDC_WRONG_SOUND_PATH)->text(), kWrongSound);
  }

  // The dialog opens on the last choice, so that Enter repeats it; Cancel
  // goes back to editing and keeps it.
  void theDirectionIsRememberedForEnter() {
    WriteSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF, QString());
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {{"hund", "dog"}});
    QVERIFY(dlg);
    for (const int focus : {CDirectionDlg::IDC_FOREIGN, CDirectionDlg::IDC_TRANSLATION}) {
      bool focused = false;
      OnModalDialog([&focused, focus](QDialog* dialog) {
        auto* d = static_cast<CDirectionDlg*>(dialog);
        focused = QTest::qWaitFor([d, focus] { return d->focusWidget() == d->Button(focus); });
        if (focus == CDirectionDlg::IDC_FOREIGN)
          d->Button(CDirectionDlg::IDC_TRANSLATION)->click();
        else
          QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_Return);
      });
      dlg->OnCommand(ID_START_PRACTICE);
      QVERIFY(focused);
      QCOMPARE(Shown(*dlg), u"hund 1/1/0/0 answer '' black/window foreign"_s);
      QCOMPARE(TextOf(*dlg, IDC_DIRECTION), LangQText(kTxtWriteTranslation));
      QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF), u"FALSE"_s);
      dlg->OnCommand(ID_MODE_EDIT);
    }
    OnModalDialog([](QDialog* d) {
      static_cast<CDirectionDlg*>(d)->Button(CDirectionDlg::IDCANCEL)->click();
    });
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);
    QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF), u"FALSE"_s);
  }

  // Words of any script: a right-to-left question runs from the right, and
  // answers in Cyrillic or Japanese are judged, their case folded.
  void wordsOfAnyScript() {
    SetOption(kValueSkiljCheck, u"FALSE"_s);
    CFakePlatform platform;
    auto dlg = StartPractice(platform, {{"كتاب (kitāb)", "книга"}, {"日本語", "Дом"}},
                             CDirectionDlg::IDC_TRANSLATION);
    QVERIFY(dlg);
    QLabel* question = ControlOf<QLabel>(*dlg, IDC_QUESTION);
    QCOMPARE(question->text(), u"كتاب (kitāb)"_s);
    QCOMPARE(question->layoutDirection(), Qt::RightToLeft);
    QVERIFY(AnswerRight(*dlg));
    QCOMPARE(question->text(), u"日本語"_s);
    QCOMPARE(question->layoutDirection(), Qt::LeftToRight);
    Answer(*dlg, u"дОМ"_s);
    QCOMPARE(Run(*dlg).RightFirstTry(), 2);

    Results results;
    OnResults(results, CResultsDlg::IDOK);
    QTRY_VERIFY(results.seen);
    ChooseDirection(CDirectionDlg::IDC_FOREIGN);
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(question->text(), u"книга"_s);
    Answer(*dlg, u"كتاب (KITĀB)"_s);
    QCOMPARE(Run(*dlg).RightFirstTry(), 1);
    dlg->OnCommand(ID_MODE_EDIT);
  }

  void checkWhileTypingColoursAndSubmits() {
    SetOption(kValueShowRightDirect, u"TRUE"_s);
    CFakePlatform platform;
    auto dlg = StartPractice(platform, {{"hus, byggnad", "house"}, {"katt", "cat"}},
                             CDirectionDlg::IDC_FOREIGN);
    QVERIFY(dlg);
    QCOMPARE(TextOf(*dlg, IDC_QUESTION), u"house (2)"_s);
    CColorEdit* edit = AnswerField(*dlg);
    // The text turns red off the track and black on it again; a whole
    // alternative on track is not yet the whole answer.
    QString colours;
    for (const auto& key : {u"by"_s, u"x"_s, u"\b"_s, u"ggnad, h"_s}) {
      if (key == u"\b"_s)
        QTest::keyClick(edit, Qt::Key_Backspace);
      else
        QTest::keyClicks(edit, key);
      colours += ColourName(*dlg, edit->TextColour()) + u' ';
    }
    QCOMPARE(colours, u"black red black black "_s);
    QCOMPARE(Run(*dlg).Current(), 1);

    // The exact stored answer is taken without Enter.
    edit->clear();
    QTest::keyClicks(edit, u"hus, byggnad"_s);
    QCOMPARE(Run(*dlg).RightFirstTry(), 1);
    QTRY_COMPARE(Run(*dlg).Current(), 2);
    QCOMPARE(Shown(*dlg), u"cat 2/2/1/0 answer '' black/window translation"_s);

    // A suggestion taken is typed: the exact answer goes in at once.
    Results results;
    OnResults(results, CResultsDlg::IDOK);
    QTest::keyClicks(edit, u"k"_s);
    QTest::keyClick(edit, Qt::Key_L, Qt::AltModifier);
    auto* list = ControlOf<QListWidget>(*dlg, IDC_SUGGESTIONS);
    QCOMPARE(list->currentItem()->text(), u"katt"_s);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(results.seen);
    QCOMPARE(results.counts, u"2/2/0/0"_s);
  }

  void soundsFollowTheirCheckBoxes_data() {
    QTest::addColumn<bool>("wrongOn");
    QTest::addColumn<bool>("rightOn");
    QTest::newRow("none") << false << false;
    QTest::newRow("wrong") << true << false;
    QTest::newRow("right") << false << true;
    QTest::newRow("both") << true << true;
  }

  void soundsFollowTheirCheckBoxes() {
    QFETCH(bool, wrongOn);
    QFETCH(bool, rightOn);
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {{"hund", "dog"}, {"katt", "cat"}});
    QVERIFY(dlg);
    dlg->OnCommand(ID_MODE_SETTINGS);
    if (wrongOn) ControlOf<QAbstractButton>(*dlg, IDC_WRONG_SOUND_CHECK)->click();
    if (rightOn) ControlOf<QAbstractButton>(*dlg, IDC_RIGHT_SOUND_CHECK)->click();
    // The sounds are the ones in the fields when the run starts.
    const QString wrongSound = kWrongSound + u'2';
    EditOf(*dlg, IDC_WRONG_SOUND_PATH)->setText(wrongSound);
    ChooseDirection(CDirectionDlg::IDC_FOREIGN);
    dlg->OnCommand(ID_START_PRACTICE);

    // Wrong, then right; then wrong twice, and the copy, which is silent.
    QStringList expected;
    Answer(*dlg, u"hun"_s);
    if (wrongOn) expected << wrongSound;
    QVERIFY(AnswerRight(*dlg));
    if (rightOn) expected << kRightSound;
    QCOMPARE(platform.m_sounds, expected);
    Results results;
    OnResults(results, CResultsDlg::IDOK);
    Answer(*dlg, u"kat"_s);
    Answer(*dlg, u"kat"_s);
    if (wrongOn) expected << wrongSound << wrongSound;
    QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
    QTRY_VERIFY(results.seen);
    QCOMPARE(platform.m_sounds, expected);
  }

  // The missed words are saved as a list of their own, in the order they were
  // missed and without their classes; the run and the open list stay.
  void wrongWordsAreSavedAsANewList() {
    CFakePlatform platform;
    auto dlg = StartPractice(platform, {{"hund", "dog", 1}, {"katt", "cat"}, {"mus", "mouse", 2}},
                             CDirectionDlg::IDC_TRANSLATION);
    QVERIFY(dlg);
    Answer(*dlg, u"cow"_s);
    QVERIFY(AnswerRight(*dlg));
    QVERIFY(AnswerRight(*dlg));
    Answer(*dlg, u"rat"_s);
    const QString path = m_dir.filePath(u"missed.vk2"_s);
    bool stayedOpen = false;
    Results results;
    OnResults(results, CResultsDlg::IDC_PRACTISE_AGAIN, [&](CResultsDlg* d) {
      platform.QueueFile(path, 1);
      d->Button(CResultsDlg::IDC_SAVE_WRONG)->click();
      stayedOpen = d->isVisible() && QFileInfo::exists(path);
    });
    QVERIFY(AnswerRight(*dlg));
    QTRY_VERIFY(results.seen);
    QVERIFY(stayedOpen && platform.m_messages.empty());
    QCOMPARE(Run(*dlg).Total(), 2);
    QCOMPARE(Run(*dlg).GetEntryMark(ExerciseTable::Questions, 1), 2);
    CWordList saved(&platform);
    QCOMPARE(saved.OpenFile(path), FileResult::Done);
    QCOMPARE(WordsOf(saved), (QStringList{u"hund/dog/0"_s, u"mus/mouse/0"_s}));
    QCOMPARE(WordsOf(dlg->WordList()),
             (QStringList{u"hund/dog/1"_s, u"katt/cat/0"_s, u"mus/mouse/2"_s}));
    QVERIFY(dlg->WordList().IsUntitled());
  }

  void emptyAnswersAreIgnoredAndRestartBeginsAgain() {
    CFakePlatform platform;
    auto dlg = StartPractice(platform, {{"hund", "dog"}, {"katt", "cat"}, {"mus", "mouse"}},
                             CDirectionDlg::IDC_FOREIGN);
    QVERIFY(dlg);
    // Enter on an empty field, or on commas and spaces only, judges nothing.
    Answer(*dlg, QString());
    Answer(*dlg, u" , "_s);
    QCOMPARE(Shown(*dlg), u"dog 3/1/0/0 answer ' , ' black/window translation"_s);
    QVERIFY(!dlg->PracticePanel().IsPauseRunning());
    QVERIFY(AnswerRight(*dlg));
    Answer(*dlg, u"hund"_s);

    // Alt+Enter starts the same questions again with the counts at 0.
    QTest::keyClick(AnswerField(*dlg), Qt::Key_Return, Qt::AltModifier);
    QVERIFY(!Run(*dlg).IsRetryPending());
    QCOMPARE(Shown(*dlg), u"dog 3/1/0/0 answer '' black/window translation"_s);

    // A restart during the pause stops it, and the pause option is taken at
    // the start only; Enter during the pause does not count the answer again.
    SetOption(kValuePause, u"30"_s);
    dlg->OnCommand(ID_RESTART);
    QCOMPARE(Run(*dlg).PauseMs(), 0);
    Run(*dlg).SetPause("30");
    Answer(*dlg, u"hund"_s);
    QVERIFY(dlg->PracticePanel().IsPauseRunning());
    QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
    QCOMPARE(Run(*dlg).RightFirstTry(), 1);
    dlg->OnCommand(ID_RESTART);
    QVERIFY(!dlg->PracticePanel().IsPauseRunning());
    QCOMPARE(Run(*dlg).Current(), 1);
    QCOMPARE(Run(*dlg).RightFirstTry(), 0);
    Run(*dlg).SetPause("0");

    // Words missed before the restart are still listed when something is
    // missed after it; the counts are those after the restart.
    Answer(*dlg, u"dog"_s);
    QVERIFY(AnswerRight(*dlg));
    QVERIFY(AnswerRight(*dlg));
    Results results;
    OnResults(results, CResultsDlg::IDOK);
    QVERIFY(AnswerRight(*dlg));
    QTRY_VERIFY(results.seen);
    QCOMPARE(results.counts, u"3/2/1/1"_s);
    QCOMPARE(results.lines, (QStringList{u"hund\tdog"_s, u"katt\tcat"_s}));
  }

  void suggestionsAreTakenIntoTheAnswerField() {
    CFakePlatform platform;
    auto dlg = StartPractice(
        platform, {{"hund", "dog"}, {"hast", "Horse"}, {"hus", "house"}, {"katt", "cat"}},
        CDirectionDlg::IDC_TRANSLATION);
    QVERIFY(dlg);
    CColorEdit* edit = AnswerField(*dlg);
    auto* list = ControlOf<QListWidget>(*dlg, IDC_SUGGESTIONS);
    auto* drop = ControlOf<CHoverButton>(*dlg, IDC_SUGGEST_BUTTON);
    const auto open = [&] { return list->isVisible() && drop->IsLatched(); };
    QVERIFY(!list->isVisible());
    // Alphabetical whatever the case of the first letter.
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    QCOMPARE(entries, (QStringList{u"cat"_s, u"dog"_s, u"Horse"_s, u"house"_s}));

    // Alt+L opens it on the first entry when nothing is typed, and closes it.
    QTest::keyClick(edit, Qt::Key_L, Qt::AltModifier);
    QVERIFY(open());
    QCOMPARE(list->currentItem()->text(), u"cat"_s);
    QTest::keyClick(list, Qt::Key_L, Qt::AltModifier);
    QVERIFY(!list->isVisible() && !drop->IsLatched());

    // Opened on "HO" it selects the first entry beginning with it in any
    // case; Enter takes the chosen entry instead of judging the answer, and
    // the next Enter judges it.
    edit->setFocus();
    QTest::keyClicks(edit, u"HO"_s);
    QTest::keyClick(edit, Qt::Key_L, Qt::AltModifier);
    QCOMPARE(list->currentItem()->text(), u"Horse"_s);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!list->isVisible() && !drop->IsLatched());
    QCOMPARE(Shown(*dlg), u"hund 4/1/0/0 answer 'house' black/window foreign"_s);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(Run(*dlg).WrongAnswers(), 1);

    // A click on the window closes the list too.
    QTest::keyClick(edit, Qt::Key_L, Qt::AltModifier);
    QVERIFY(open());
    QTest::mouseClick(ControlOf(*dlg, IDC_COUNTERS_GROUP)->parentWidget(), Qt::LeftButton,
                      Qt::NoModifier, QPoint(5, 80));
    QVERIFY(!list->isVisible());
  }
};

QTEST_MAIN(TestPracticePanel)
#include "tst_PracticePanel.moc"
