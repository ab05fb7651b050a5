// Whole exercises played in the practice panel of the real main window, with
// the real direction and results dialogs, and the pause after a right
// answer set to 0.
#include <QtTest>

#include <QLabel>

#include "MainWindowTest.h"
#include "controls/ColorEdit.h"
#include "controls/ColorLabel.h"
#include "controls/ColorRef.h"
#include "controls/Pictures.h"
#include "practice/PracticeDialogTexts.h"
#include "practice/PracticeTexts.h"
#include "practice/ResultsDlg.h"

using namespace Qt::StringLiterals;

namespace {

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

// What the panel shows, in one line: the question, the counters
// (questions/current/right/wrong), the answer and its background.
QString Shown(CMainDlg& dlg) {
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

class TestPracticePanel : public CMainWindowTest {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QVERIFY(PrepareFolder()); }

  // Every test starts from the same options; each changes what it is about.
  void init() {
    for (auto [name, value] : {std::pair{kValuePause, u"0"_s},
                               {kValueBlandaCheck, u"FALSE"_s},
                               {kValueOvaAllaRadio, u"TRUE"_s},
                               {kValueShowRightDirect, u"FALSE"_s},
                               {kValueSkiljCheck, u"TRUE"_s},
                               {kValueClassCheck, u"TRUE"_s},
                               {kValueLjudFelCheck, u"TRUE"_s},
                               {kValueLjudRattCheck, u"TRUE"_s},
                               {kValueLjudFel, kWrongSound},
                               {kValueLjudRatt, kRightSound}})
      SetOption(name, value);
    WriteSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF, u"TRUE"_s);
  }

  void cleanup() { StopModalScripts(); }

  void threeQuestionsAreCountedAndTheMissedWordsAskedAgain() {
    CFakePlatform platform;
    // Missed in the order sebra, apa; the results list shows them sorted.
    auto dlg = StartPractice(platform, {{"sebra", "zebra", 1}, {"apa", "ape"}, {"katt", "cat"}});
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Practice);
    QCOMPARE(dlg->focusWidget(), AnswerField(*dlg));
    // The status names the side shown as the question.
    QCOMPARE(Shown(*dlg), u"zebra 3 1 0 0 '' window"_s);
    QCOMPARE(Captions(*dlg), Captions(kTxtAnswerGroup, kTxtStatusTranslation));

    // Question 1: wrong, then right; the next question starts neutral, and a
    // right second attempt is no right answer in the count.
    Answer(*dlg, u"zebra"_s);
    QCOMPARE(Shown(*dlg), u"zebra 3 1 0 1 'zebra' red"_s);
    QCOMPARE(Captions(*dlg), Captions(kTxtWrongOnceGroup, kTxtStatusWrongOnce, true));
    Answer(*dlg, u"sebra"_s);
    QCOMPARE(Shown(*dlg), u"zebra 3 1 0 1 'sebra' green"_s);
    QTRY_COMPARE(Run(*dlg).Current(), 2);
    QCOMPARE(Shown(*dlg), u"ape 3 2 0 1 '' window"_s);

    // Question 2: wrong twice, then the answer shown is copied, typed without
    // being judged, and Enter confirms the copy at once, without a pause.
    Answer(*dlg, u"ape"_s);
    Answer(*dlg, u"monkey"_s);
    QCOMPARE(Shown(*dlg), u"ape 3 2 0 3 'apa' green"_s);
    QCOMPARE(Captions(*dlg), Captions(kTxtCopyGroup, kTxtStatusWrongTwice, true));
    QCOMPARE(TextOf(*dlg, IDC_ANSWER_BUTTON), LangQText(kTxtCopyButton));
    AnswerField(*dlg)->clear();
    QTest::keyClicks(AnswerField(*dlg), u"apa"_s);
    QCOMPARE(Run(*dlg).Current(), 2);
    QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
    QCOMPARE(Shown(*dlg), u"cat 3 3 0 3 '' window"_s);
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
    QVERIFY(platform.m_messages.empty());
    CWordList saved(&platform);
    QCOMPARE(saved.OpenFile(missed), FileResult::Done);
    QCOMPARE(WordsOf(saved), (QStringList{u"sebra/zebra/0"_s, u"apa/ape/0"_s}));
    // Each sound with the path of its field; the copy is silent.
    QCOMPARE(platform.m_sounds,
             (QStringList{kWrongSound, kRightSound, kWrongSound, kWrongSound, kRightSound}));
    QCOMPARE(Shown(*dlg), u"zebra 2 1 0 0 '' window"_s);
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
    QVERIFY(dlg->PracticePanel().IsPauseRunning());
    QTest::keyClicks(edit, u"ka"_s);
    QCOMPARE(Shown(*dlg), u"cat 2 2 1 0 'ka' window"_s);
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
      QCOMPARE(dlg->CurrentMode(), CMainDlg::Settings);
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
    QCOMPARE(Shown(*dlg), u"hund 4 1 0 0 'house' window"_s);
    QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(kTxtStatusForeign));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(Run(*dlg).WrongAnswers(), 1);
  }
};

QTEST_MAIN(TestPracticePanel)
#include "tst_PracticePanel.moc"
