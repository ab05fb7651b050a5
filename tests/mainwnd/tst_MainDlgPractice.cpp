// Whole exercises played on the real main window, with the real direction and
// results dialogs, and the pause after a right answer set to 0.
#include <QtTest>

#include <QLabel>

#include <QListWidget>

#include "ColorEdit.h"
#include "ColorLabel.h"
#include "ColorRef.h"
#include "DirectionDlg.h"
#include "HoverButton.h"
#include "LangText.h"
#include "MainWindowTest.h"
#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "PracticeDialogTexts.h"
#include "PracticeTexts.h"
#include "ResultsDlg.h"
#include "Settings.h"
#include "SettingsKeys.h"
#include "WidgetDriver.h"
#include "WordListBox.h"

using namespace Qt::StringLiterals;

namespace {

constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kGreen = 0x00FF00;

const QString kWrongSound = u"/sounds/wrong.wav"_s;
const QString kRightSound = u"/sounds/right.wav"_s;

void SetOption(QLatin1String name, const QString& value) {
  WriteSetting(SettingsRoot::CurrentUser, kKeySetups, name, value);
}

// What the results dialog showed when it came up: the counts as
// "questions/right first time/wrong answers/right second time", the lines of
// the wrong words, and whether practising and saving them were offered.
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
ColorRef Window(CMainDlg& dlg) {
  return ToColorRef(dlg.palette().color(QPalette::Base));
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

// Answers the current question right and waits for the next one (or the
// results, after the last).
bool AnswerRight(CMainDlg& dlg) {
  const int current = dlg.Exercise().Current();
  Answer(dlg, QString::fromStdString(dlg.Exercise().AnswerText()));
  return QTest::qWaitFor([&] {
    return dlg.Exercise().Current() != current || !dlg.isVisible() ||
           dlg.CurrentMode() != CMainDlg::Practice;
  });
}

}  // namespace

class TestMainDlgPractice : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    ApplyTestDefaults(m_dir.path() + u'/');
  }

  // Every test starts from the same options; each changes what it is about.
  void init() {
    SetOption(kValuePause, u"0"_s);
    SetOption(kValueBlandaCheck, u"FALSE"_s);
    SetOption(kValueOvaAllaRadio, u"TRUE"_s);
    SetOption(kValueOvaBara, u"10"_s);
    SetOption(kValueShowRightDirect, u"FALSE"_s);
    SetOption(kValueSkiljCheck, u"TRUE"_s);
    SetOption(kValueLjudFelCheck, u"FALSE"_s);
    SetOption(kValueLjudRattCheck, u"FALSE"_s);
    SetOption(kValueLjudFel, kWrongSound);
    SetOption(kValueLjudRatt, kRightSound);
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
    const auto counters = [&dlg] {
      return TextOf(*dlg, IDC_COUNT_TOTAL) + u'/' + TextOf(*dlg, IDC_COUNT_CURRENT) + u'/' +
             TextOf(*dlg, IDC_COUNT_RIGHT) + u'/' + TextOf(*dlg, IDC_COUNT_WRONG);
    };
    QCOMPARE(TextOf(*dlg, IDC_QUESTION), u"zebra"_s);
    QCOMPARE(counters(), u"3/1/0/0"_s);
    CColorEdit* edit = AnswerField(*dlg);
    QCOMPARE(dlg->focusWidget(), edit);
    // The status names the side shown as the question.
    auto* status = ControlOf<CColorLabel>(*dlg, IDC_STATUS_LEFT);
    QCOMPARE(status->text(), LangQText(kTxtStatusTranslation));

    // Question 1: wrong, then right.
    Answer(*dlg, u"zebra"_s);
    QCOMPARE(edit->BackColour(), kRed);
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtWrongOnceGroup));
    QCOMPARE(counters(), u"3/1/0/1"_s);
    QCOMPARE(status->text(), LangQText(kTxtStatusWrongOnce));
    QCOMPARE(status->TextColour(), kRed);
    Answer(*dlg, u"sebra"_s);
    QCOMPARE(edit->BackColour(), kGreen);
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtRightGroup));
    QTRY_COMPARE(dlg->Exercise().Current(), 2);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(edit->BackColour(), Window(*dlg));
    QCOMPARE(TextOf(*dlg, IDC_QUESTION), u"ape"_s);
    // A new question has the neutral caption again.
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtAnswerGroup));
    QCOMPARE(status->text(), LangQText(kTxtStatusTranslation));
    QVERIFY(status->TextColour() != kRed);
    // A right second attempt is not a right answer in the panel's count.
    QCOMPARE(counters(), u"3/2/0/1"_s);

    // Question 2: wrong twice, then the answer shown is copied.
    Answer(*dlg, u"ape"_s);
    Answer(*dlg, u"monkey"_s);
    QCOMPARE(edit->text(), u"apa"_s);
    QCOMPARE(edit->BackColour(), kGreen);
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtCopyGroup));
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_BUTTON), LangQText(kTxtCopyButton));
    QCOMPARE(counters(), u"3/2/0/3"_s);
    QCOMPARE(status->text(), LangQText(kTxtStatusWrongTwice));
    // Something else than the answer puts the answer back.
    Answer(*dlg, u"ap"_s);
    QCOMPARE(edit->text(), u"apa"_s);
    edit->clear();
    QCOMPARE(edit->BackColour(), Window(*dlg));
    QTest::keyClicks(edit, u"apa"_s);
    QCOMPARE(edit->BackColour(), kGreen);
    QCOMPARE(dlg->Exercise().Current(), 2);  // copying is confirmed by Enter
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dlg->Exercise().Current(), 3);  // at once, no pause
    QCOMPARE(TextOf(*dlg, IDC_QUESTION), u"cat"_s);
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtAnswerGroup));
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_BUTTON), LangQText(kTxtAnswerButton));

    // Question 3: right; then the results.
    Results first;
    OnResults(first, CResultsDlg::IDC_PRACTISE_AGAIN);
    Answer(*dlg, u"katt"_s);
    QTRY_VERIFY(first.seen);
    QCOMPARE(first.counts, u"3/1/3/1"_s);
    QCOMPARE(first.lines, (QStringList{u"apa\tape"_s, u"sebra\tzebra"_s}));
    QVERIFY(first.offered);

    // Practising them again asks them in the order they were missed.
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Practice);
    QCOMPARE(TextOf(*dlg, IDC_QUESTION), u"zebra"_s);
    QCOMPARE(counters(), u"2/1/0/0"_s);
    QCOMPARE(TextOf(*dlg, IDC_DIRECTION), LangQText(kTxtWriteForeign));
    QVERIFY(AnswerRight(*dlg));
    QCOMPARE(TextOf(*dlg, IDC_QUESTION), u"ape"_s);

    Results second;
    OnResults(second, CResultsDlg::IDOK);
    QVERIFY(AnswerRight(*dlg));
    QTRY_VERIFY(second.seen);
    QCOMPARE(second.counts, u"2/2/0/0"_s);
    QCOMPARE(second.lines, QStringList{LangQText(kTxtResultsNoWrong)});
    QVERIFY(!second.offered);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);
    // The list itself is as it was: no shuffle, nothing changed.
    QCOMPARE(dlg->WordList().GetForeign(0), std::string("sebra"));
    QVERIFY(!ShowsModified(*dlg));
  }

  // Copying shows the answer as stored, also while case is not
  // distinguished; the red of a warning goes with the next status text; and a
  // run started after one left in copy mode starts neutral.
  void copyModeAndANewRunLookRight() {
    SetOption(kValueSkiljCheck, u"FALSE"_s);
    CFakePlatform platform;
    auto dlg = StartPractice(platform, {{"Hus, hem", "house"}, {"äpple", "apple"}},
                             CDirectionDlg::IDC_FOREIGN);
    QVERIFY(dlg);
    CColorEdit* edit = AnswerField(*dlg);
    auto* status = ControlOf<CColorLabel>(*dlg, IDC_STATUS_LEFT);
    Answer(*dlg, u"stuga"_s);
    Answer(*dlg, u"villa"_s);
    QCOMPARE(edit->text(), u"Hus, hem"_s);
    Answer(*dlg, u"hus"_s);
    QCOMPARE(edit->text(), u"Hus, hem"_s);
    QCOMPARE(status->TextColour(), kRed);
    dlg->OnCommand(ID_MODE_SETTINGS);
    QCOMPARE(status->text(), LangQText(kTxtStatusSettings));
    QVERIFY(status->TextColour() != kRed);

    ChooseDirection(CDirectionDlg::IDC_FOREIGN);
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(dlg->Exercise().Current(), 1);
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtAnswerGroup));
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_BUTTON), LangQText(kTxtAnswerButton));
    QCOMPARE(edit->text(), QString());
    QCOMPARE(edit->BackColour(), Window(*dlg));
    Answer(*dlg, u"hem, HUS"_s);
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtRightGroup));
    QTRY_COMPARE(dlg->Exercise().Current(), 2);
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtAnswerGroup));
    // A copy without the umlaut is another word: the stored word is shown
    // again, as stored.
    Answer(*dlg, u"pear"_s);
    Answer(*dlg, u"plum"_s);
    Answer(*dlg, u"APPLE"_s);
    QCOMPARE(edit->GetText(), std::string("äpple"));
    dlg->OnCommand(ID_MODE_EDIT);
  }

  // Letters typed while the right answer still shows are the start of the
  // next answer, not lost when the next question clears the field.
  void typingDuringThePauseBeginsTheNextAnswer() {
    SetOption(kValuePause, u"1"_s);
    CFakePlatform platform;
    auto dlg =
        StartPractice(platform, {{"hund", "dog"}, {"katt", "cat"}}, CDirectionDlg::IDC_FOREIGN);
    QVERIFY(dlg);
    CColorEdit* edit = AnswerField(*dlg);
    Answer(*dlg, u"hund"_s);
    QVERIFY(dlg->IsPauseRunning());
    QTest::keyClicks(edit, u"ka"_s);
    QCOMPARE(dlg->Exercise().Current(), 2);
    QCOMPARE(edit->text(), u"ka"_s);
    QCOMPARE(edit->BackColour(), Window(*dlg));
    QTest::keyClicks(edit, u"tt"_s);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dlg->Exercise().RightFirstTry(), 2);
    // After the last question there is no next answer: the results follow
    // the pause as always.
    Results results;
    OnResults(results, CResultsDlg::IDOK);
    QTest::keyClicks(edit, u"x"_s);
    QVERIFY(dlg->IsPauseRunning());
    QTRY_VERIFY(results.seen);
  }

  // "Only the first 0 words": nothing is asked, no results praise answers
  // that were never given, and the status says why.
  void zeroWordsChosenIsNothingToPractise() {
    SetOption(kValueOvaAllaRadio, u"FALSE"_s);
    SetOption(kValueOvaBara, u"0"_s);
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {{"hund", "dog"}});
    QVERIFY(dlg);
    bool asked = false;
    OnModalDialog([&asked](QDialog* d) {
      asked = true;
      static_cast<CDirectionDlg*>(d)->Button(CDirectionDlg::IDC_FOREIGN)->click();
    });
    Results results;
    OnResults(results, CResultsDlg::IDOK);
    dlg->OnCommand(ID_START_PRACTICE);
    QTest::qWait(100);
    QVERIFY(!asked && !results.seen);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);
    auto* status = ControlOf<CColorLabel>(*dlg, IDC_STATUS_LEFT);
    QCOMPARE(status->text(), LangQText(kTxtNothingToPractise));
    QCOMPARE(status->TextColour(), kRed);
    QVERIFY(platform.m_messages.empty());
  }

  void onlyTheFirstNWordsAreAsked() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, NumberedWords(25));
    QVERIFY(dlg);
    // Chosen in the options panel, as the user does.
    dlg->OnCommand(ID_MODE_SETTINGS);
    ControlOf<QAbstractButton>(*dlg, IDC_ONLY_WORDS)->click();
    QVERIFY(!ControlOf<QAbstractButton>(*dlg, IDC_ALL_WORDS)->isChecked());
    QCOMPARE(EditOf(*dlg, IDC_ONLY_COUNT)->text(), u"10"_s);

    ChooseDirection(CDirectionDlg::IDC_TRANSLATION);
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(TextOf(*dlg, IDC_COUNT_TOTAL), u"10"_s);
    Results results;
    OnResults(results, CResultsDlg::IDOK);
    for (int i = 1; i <= 10; ++i) {
      QCOMPARE(TextOf(*dlg, IDC_QUESTION), QString::fromStdString(NumberedWords(i).back().foreign));
      QVERIFY(AnswerRight(*dlg));
    }
    QTRY_VERIFY(results.seen);
    QCOMPARE(results.counts, u"10/10/0/0"_s);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);

    // The suggestion list still offers every word of the list.
    QCOMPARE(ControlOf<QListWidget>(*dlg, IDC_SUGGESTIONS)->count(), 25);
  }

  void shuffleReordersTheListItself() {
    SetOption(kValueBlandaCheck, u"TRUE"_s);
    CFakePlatform platform;
    const auto words = NumberedWords(25);
    auto dlg = StartPractice(platform, words, CDirectionDlg::IDC_FOREIGN);
    QVERIFY(dlg);
    QCOMPARE(dlg->Exercise().Total(), 25);
    std::vector<std::string> asked, listed, original;
    for (int i = 0; i < 25; ++i) {
      asked.push_back(dlg->Exercise().Questions()[i].m_foreign);
      listed.push_back(dlg->WordList().GetForeign(i));
      original.push_back(words[i].foreign);
    }
    // The questions come in the list's new order, and every word once.
    QCOMPARE(TextOf(*dlg, IDC_QUESTION), QString::fromStdString(dlg->WordList().GetTranslation(0)));
    QVERIFY(asked == listed);
    QVERIFY(asked != original);
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

  void theDirectionIsRememberedForEnter() {
    WriteSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF, QString());
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {{"hund", "dog"}});
    QVERIFY(dlg);

    // First use: the focus is on the foreign words; the user picks translations.
    // The next start, from any mode, focuses translations and Enter takes them.
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
      QCOMPARE(dlg->CurrentMode(), CMainDlg::Practice);
      QVERIFY(!dlg->Exercise().WriteForeign());
      QCOMPARE(TextOf(*dlg, IDC_DIRECTION), LangQText(kTxtWriteTranslation));
      QCOMPARE(TextOf(*dlg, IDC_QUESTION), u"hund"_s);
      QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(kTxtStatusForeign));
      QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF), u"FALSE"_s);
      dlg->OnCommand(ID_MODE_EDIT);
    }

    // Cancel goes back to editing and keeps the remembered choice.
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
    QCOMPARE(dlg->Exercise().RightFirstTry(), 2);

    Results results;
    OnResults(results, CResultsDlg::IDOK);
    QTRY_VERIFY(results.seen);
    ChooseDirection(CDirectionDlg::IDC_FOREIGN);
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(question->text(), u"книга"_s);
    Answer(*dlg, u"كتاب (KITĀB)"_s);
    QCOMPARE(dlg->Exercise().RightFirstTry(), 1);
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
    const auto typed = [edit](const QString& text) {
      QTest::keyClicks(edit, text);
      return edit->TextColour();
    };
    QCOMPARE(typed(u"by"_s), kBlack);
    QCOMPARE(typed(u"x"_s), kRed);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->TextColour(), kBlack);
    QCOMPARE(typed(u"G"_s), kRed);  // case counts while case is distinguished
    QTest::keyClick(edit, Qt::Key_Backspace);
    // One whole alternative is on track but not the whole answer: no submit.
    QCOMPARE(typed(u"ggnad, h"_s), kBlack);
    QCOMPARE(dlg->Exercise().Current(), 1);
    QCOMPARE(dlg->Exercise().RightFirstTry(), 0);

    // The exact stored answer is taken without Enter.
    edit->clear();
    QTest::keyClicks(edit, u"hus, byggnad"_s);
    QCOMPARE(dlg->Exercise().RightFirstTry(), 1);
    QCOMPARE(edit->BackColour(), kGreen);
    QTRY_COMPARE(dlg->Exercise().Current(), 2);
    QCOMPARE(edit->TextColour(), kBlack);
    QCOMPARE(edit->text(), QString());

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
    auto* wrongBox = ControlOf<QAbstractButton>(*dlg, IDC_WRONG_SOUND_CHECK);
    auto* rightBox = ControlOf<QAbstractButton>(*dlg, IDC_RIGHT_SOUND_CHECK);
    if (wrongOn) wrongBox->click();
    if (rightOn) rightBox->click();
    QCOMPARE(wrongBox->isChecked(), wrongOn);
    QCOMPARE(rightBox->isChecked(), rightOn);
    // The paths are read from the edits at the moment of the answer.
    const QString wrongSound = kWrongSound + u'2';
    EditOf(*dlg, IDC_WRONG_SOUND_PATH)->setText(wrongSound);

    ChooseDirection(CDirectionDlg::IDC_FOREIGN);
    dlg->OnCommand(ID_START_PRACTICE);
    QStringList expected;
    // First question: wrong, then right.
    Answer(*dlg, u"hun"_s);
    if (wrongOn) expected << wrongSound;
    QCOMPARE(platform.m_sounds, expected);
    QVERIFY(AnswerRight(*dlg));
    if (rightOn) expected << kRightSound;
    QCOMPARE(platform.m_sounds, expected);

    // Second question: wrong twice, then the copy, which is silent.
    Results results;
    OnResults(results, CResultsDlg::IDOK);
    Answer(*dlg, u"kat"_s);
    Answer(*dlg, u"kat"_s);
    if (wrongOn) expected << wrongSound << wrongSound;
    QCOMPARE(platform.m_sounds, expected);
    QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
    QTRY_VERIFY(results.seen);
    QCOMPARE(platform.m_sounds, expected);
  }

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
    QVERIFY(stayedOpen);
    QCOMPARE(platform.m_dialogs.size(), size_t(1));
    QVERIFY(platform.m_dialogs.back().save);
    QVERIFY(platform.m_messages.empty());
    // Saving took nothing from the run: both words are asked again, with their classes.
    QCOMPARE(dlg->Exercise().Total(), 2);
    QCOMPARE(dlg->Exercise().GetEntryMark(ExerciseTable::Questions, 1), 2);

    // In the order they were missed, and without their classes; the open list
    // is not touched.
    CWordList saved(&platform);
    QCOMPARE(saved.OpenFile(path), 0);
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
    CColorEdit* edit = AnswerField(*dlg);
    const auto fresh = [&] {
      QCOMPARE(TextOf(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtAnswerGroup));
      QCOMPARE(edit->BackColour(), Window(*dlg));
    };

    // Enter on an empty field, or on commas and spaces only, judges nothing.
    Answer(*dlg, QString());
    Answer(*dlg, u" , "_s);
    QCOMPARE(dlg->Exercise().WrongAnswers() + dlg->Exercise().RightFirstTry(), 0);
    QVERIFY(!dlg->IsPauseRunning());
    fresh();

    QVERIFY(AnswerRight(*dlg));
    Answer(*dlg, u"hund"_s);
    QCOMPARE(dlg->Exercise().WrongAnswers(), 1);

    // Alt+Enter starts the same questions again with the counts at 0.
    QTest::keyClick(edit, Qt::Key_Return, Qt::AltModifier);
    QCOMPARE(dlg->Exercise().Total(), 3);
    QCOMPARE(dlg->Exercise().WrongAnswers() + dlg->Exercise().RightFirstTry(), 0);
    QVERIFY(!dlg->Exercise().IsRetryPending());
    QCOMPARE(TextOf(*dlg, IDC_QUESTION), u"dog"_s);
    QCOMPARE(TextOf(*dlg, IDC_COUNT_TOTAL) + TextOf(*dlg, IDC_COUNT_CURRENT) +
                 TextOf(*dlg, IDC_COUNT_RIGHT) + TextOf(*dlg, IDC_COUNT_WRONG),
             u"3100"_s);
    fresh();
    QCOMPARE(edit->text(), QString());

    // A restart during the pause stops it: the first question stays asked.
    SetOption(kValuePause, u"30"_s);
    dlg->OnCommand(ID_RESTART);
    QCOMPARE(dlg->Exercise().PauseMs(), 0);  // taken at the start only
    dlg->Exercise().SetPause("30");
    Answer(*dlg, u"hund"_s);
    QVERIFY(dlg->IsPauseRunning());
    // Enter during the pause does not count the same answer again.
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dlg->Exercise().RightFirstTry(), 1);
    dlg->OnCommand(ID_RESTART);
    QVERIFY(!dlg->IsPauseRunning());
    QTest::qWait(20);
    QCOMPARE(dlg->Exercise().Current(), 1);
    QCOMPARE(dlg->Exercise().RightFirstTry(), 0);
    dlg->Exercise().SetPause("0");

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
    QVERIFY(!list->isVisible());

    // Alphabetical whatever the case of the first letter.
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    QCOMPARE(entries, (QStringList{u"cat"_s, u"dog"_s, u"Horse"_s, u"house"_s}));

    // Alt+L opens it on the first entry when nothing is typed, and closes it.
    QTest::keyClick(edit, Qt::Key_L, Qt::AltModifier);
    QVERIFY(list->isVisible() && drop->IsLatched());
    QCOMPARE(list->currentItem()->text(), u"cat"_s);
    QTest::keyClick(list, Qt::Key_L, Qt::AltModifier);
    QVERIFY(!list->isVisible() && !drop->IsLatched());

    // Opened on "HO" it selects the first entry beginning with it in any case;
    // Enter takes the selected entry instead of judging the answer.
    edit->setFocus();
    QTest::keyClicks(edit, u"HO"_s);
    QTest::keyClick(edit, Qt::Key_L, Qt::AltModifier);
    QCOMPARE(list->currentItem()->text(), u"Horse"_s);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!list->isVisible() && !drop->IsLatched());
    QCOMPARE(edit->text(), u"house"_s);
    QCOMPARE(dlg->Exercise().WrongAnswers() + dlg->Exercise().RightFirstTry(), 0);

    // The next Enter judges it: "house" is not the answer for "hund".
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dlg->Exercise().WrongAnswers(), 1);

    // A click on the window closes the list too.
    QTest::keyClick(edit, Qt::Key_L, Qt::AltModifier);
    QVERIFY(list->isVisible());
    QTest::mouseClick(dlg->Control(IDC_COUNTERS_GROUP)->parentWidget(), Qt::LeftButton,
                      Qt::NoModifier, QPoint(5, 80));
    QVERIFY(!list->isVisible());
  }
};

QTEST_MAIN(TestMainDlgPractice)
#include "tst_MainDlgPractice.moc"
