#include <QtTest>

#include <string>
#include <utility>
#include <vector>

#include "AnswerJudge.h"
#include "Exercise.h"
#include "PracticeTexts.h"
#include "WordList.h"

Q_DECLARE_METATYPE(AnswerColour)

namespace {

std::string B(const QByteArray& bytes) {
  return std::string(bytes.constData(), bytes.size());
}

using Words = std::vector<std::pair<std::string, std::string>>;

// An exercise over a small list, its first question asked.
struct Run {
  CWordList list;
  CExercise ex;
  CAnswerJudge judge{ex};

  explicit Run(const Words& words, bool writeForeign = false, bool checkWhileTyping = false) {
    int mark = 0;
    for (const auto& [foreign, translation] : words) list.AddWord(foreign, translation, ++mark % 3);
    ExerciseSetup setup;
    setup.writeForeign = writeForeign;
    setup.checkWhileTyping = checkWhileTyping;
    setup.pauseText = "0.8";
    ex.Start(list, setup);
    ex.NextQuestion();
  }
};

const AnswerOptions kSounds{true, true, true};

}  // namespace

class TestAnswerJudge : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void judging_data();
  void judging();
  void firstWrongThenRight();
  void secondWrongThenCopy();
  void emptyAnswerIsNotJudged();
  void pauseHoldsBackInput();
  void checkWhileTyping_data();
  void checkWhileTyping();
  void threeQuestionRunAndWrongWordsAgain();
};

void TestAnswerJudge::judging_data() {
  QTest::addColumn<QByteArray>("stored");
  QTest::addColumn<QByteArray>("typed");
  QTest::addColumn<bool>("caseDistinguished");
  QTest::addColumn<bool>("right");

  const QByteArray hb = "house, building";
  QTest::newRow("one of two") << hb << QByteArray("building") << true << true;
  QTest::newRow("both, no space") << hb << QByteArray("house,building") << true << true;
  QTest::newRow("reversed, padded") << hb << QByteArray(" building , house ") << true << true;
  QTest::newRow("one repeated") << hb << QByteArray("house, house") << true << true;
  QTest::newRow("one not stored") << hb << QByteArray("house, car") << true << false;
  QTest::newRow("only commas separate") << hb << QByteArray("house;building") << true << false;
  QTest::newRow("beginning only") << hb << QByteArray("hous") << true << false;
  QTest::newRow("upper, case ignored") << hb << QByteArray("HOUSE") << false << true;
  QTest::newRow("upper, case counts") << hb << QByteArray("HOUSE") << true << false;
  // Windows-1252: \xF6 is o-umlaut, \xD6 its capital. Only A to Z fold.
  QTest::newRow("umlaut never folds")
      << QByteArray("\xF6l") << QByteArray("\xD6L") << false << false;
  QTest::newRow("inner spaces count")
      << QByteArray("big house") << QByteArray("big  house") << true << false;
  // Two spaces after the comma leave the stored alternative with a leading
  // space; typed alternatives never have one, yet the word is still right.
  const QByteArray spaced = "house,  building";
  QTest::newRow("two spaces after comma") << spaced << QByteArray("building") << true << true;
  QTest::newRow("two spaces, typed as stored") << spaced << spaced << true << true;
  QTest::newRow("empty alternative is no wildcard")
      << QByteArray("x,,y") << QByteArray("z") << true << false;
}

void TestAnswerJudge::judging() {
  QFETCH(QByteArray, stored);
  QFETCH(QByteArray, typed);
  QFETCH(bool, caseDistinguished);
  QFETCH(bool, right);

  // Both directions: the stored text on the answer side, another on the question side.
  for (bool writeForeign : {false, true}) {
    Run r({writeForeign ? std::pair{B(stored), B(typed)} : std::pair{B(typed), B(stored)}},
          writeForeign);
    const AnswerVerdict v = r.judge.CheckAnswer(B(typed), {caseDistinguished, false, false});
    QCOMPARE(v.outcome, right ? AnswerOutcome::Right : AnswerOutcome::FirstWrong);
    QCOMPARE(r.ex.RightFirstTry(), right ? 1 : 0);
    QCOMPARE(r.ex.WrongAnswers(), right ? 0 : 1);
  }
}

void TestAnswerJudge::firstWrongThenRight() {
  Run r({{"hus", "house, building"}, {"bil", "car"}});
  AnswerVerdict v = r.judge.CheckAnswer("car", kSounds);
  QCOMPARE(v.outcome, AnswerOutcome::FirstWrong);
  QVERIFY(v.textColour == AnswerColour::Black && v.background == AnswerColour::Red);
  QVERIFY(v.groupCaption == kTxtWrongOnceGroup && !v.buttonCaption);
  QVERIFY(v.statusText == kTxtStatusWrongOnce && v.statusRed);
  QCOMPARE(v.sound, AnswerSound::Wrong);
  QVERIFY(v.showCounters && !v.startPause && !v.askNext && !v.fieldText);
  QCOMPARE(r.ex.WrongAnswers(), 1);
  QCOMPARE(r.ex.CountEntries(ExerciseTable::WrongWords), 1);
  QCOMPARE(r.ex.GetEntryTranslation(ExerciseTable::WrongWords, 0), std::string("house, building"));
  QCOMPARE(r.ex.GetEntryMark(ExerciseTable::WrongWords, 0), 1);

  v = r.judge.CheckAnswer("building", kSounds);
  QCOMPARE(v.outcome, AnswerOutcome::Right);
  QVERIFY(v.background == AnswerColour::Green && v.groupCaption == kTxtRightGroup);
  QVERIFY(v.statusText == kTxtStatusRight && !v.statusRed);
  QCOMPARE(v.sound, AnswerSound::Right);
  // The panel shows right answers at the first attempt only.
  QVERIFY(!v.showCounters);
  QVERIFY(v.startPause);
  QCOMPARE(v.pauseMs, 800);
  QCOMPARE(r.ex.RightFirstTry(), 0);
  QCOMPARE(r.ex.RightSecondTry(), 1);
  QCOMPARE(r.ex.CountEntries(ExerciseTable::WrongWords), 1);

  // Sounds only when their option is on.
  r.ex.NextQuestion();
  QCOMPARE(r.judge.CheckAnswer("bus", {true, true, false}).sound, AnswerSound::None);
  QCOMPARE(r.judge.CheckAnswer("car", {true, false, true}).sound, AnswerSound::None);
}

void TestAnswerJudge::secondWrongThenCopy() {
  // The user writes the foreign word; case is not distinguished.
  Run r({{"Haus", "house"}, {"Baum", "tree"}}, true, true);
  const AnswerOptions noCase{false, true, true};
  r.judge.CheckAnswer("Hose", noCase);
  AnswerVerdict v = r.judge.CheckAnswer("Hus", noCase);
  QCOMPARE(v.outcome, AnswerOutcome::SecondWrong);
  QVERIFY(v.background == AnswerColour::Green && v.fieldText == std::string("Haus"));
  QVERIFY(v.groupCaption == kTxtCopyGroup && v.buttonCaption == kTxtCopyButton);
  QVERIFY(v.statusText == kTxtStatusWrongTwice && v.statusRed);
  QCOMPARE(v.sound, AnswerSound::Wrong);
  QVERIFY(v.showCounters);
  QCOMPARE(r.ex.WrongAnswers(), 2);
  QCOMPARE(r.ex.CountEntries(ExerciseTable::WrongWords), 1);

  // The answer put into the field is shown green and never judged, though it
  // is exactly the stored answer and check while typing is on.
  TypingFeedback f = r.judge.OnAnswerChanged("Haus", false);
  QVERIFY(f.background == AnswerColour::Green && !f.submit);
  QVERIFY(r.judge.OnAnswerChanged("hAUS", false).background == AnswerColour::Green);
  QVERIFY(r.judge.OnAnswerChanged("hAUS", true).background == AnswerColour::Window);

  // A wrong copy puts the answer back; nothing is counted, nothing moves on.
  v = r.judge.CheckAnswer("Hau", noCase);
  QCOMPARE(v.outcome, AnswerOutcome::CopyAgain);
  QVERIFY(v.fieldText == std::string("HAUS") && v.background == AnswerColour::Green);
  QCOMPARE(r.judge.CheckAnswer("haus", {true, true, true}).outcome, AnswerOutcome::CopyAgain);
  QCOMPARE(r.ex.WrongAnswers(), 2);
  QCOMPARE(r.ex.NextQuestion(), CExercise::NextResult::Blocked);

  // Copied in any case: on at once, without sound, pause or counting.
  v = r.judge.CheckAnswer("haus", noCase);
  QCOMPARE(v.outcome, AnswerOutcome::Copied);
  QVERIFY(v.askNext && !v.startPause && !v.showCounters && v.sound == AnswerSound::None);
  QVERIFY(v.groupCaption == kTxtRightGroup && v.buttonCaption == kTxtAnswerButtonAgain);
  QCOMPARE(r.ex.RightFirstTry() + r.ex.RightSecondTry(), 0);
  QCOMPARE(r.ex.NextQuestion(), CExercise::NextResult::Asked);
  QCOMPARE(r.ex.QuestionText(), std::string("tree"));
}

void TestAnswerJudge::emptyAnswerIsNotJudged() {
  Run r({{"a", "x"}, {"b", ""}}, false, true);
  auto untouched = [](const AnswerVerdict& v) {
    return v.outcome == AnswerOutcome::NotJudged && !v.textColour && !v.background &&
           !v.fieldText && !v.groupCaption && !v.statusText && !v.showCounters &&
           v.sound == AnswerSound::None && !v.startPause && !v.askNext;
  };
  for (const char* text : {"", "   ", ", ,", "\t,\n"}) {
    QVERIFY2(untouched(r.judge.CheckAnswer(text, kSounds)), text);
  }
  // Nor at the second attempt or while copying.
  r.judge.CheckAnswer("y", kSounds);
  QVERIFY(untouched(r.judge.CheckAnswer(" ", kSounds)));
  r.judge.CheckAnswer("y", kSounds);
  QVERIFY(untouched(r.judge.CheckAnswer("", kSounds)));
  QCOMPARE(r.ex.WrongAnswers(), 2);
  QCOMPARE(r.judge.CheckAnswer("x", kSounds).outcome, AnswerOutcome::Copied);

  // A word whose answer side is empty takes the empty answer, but only on
  // Enter: the emptied field of a new question never submits itself.
  r.ex.NextQuestion();
  QVERIFY(!r.judge.OnAnswerChanged("", true).submit);
  QCOMPARE(r.judge.CheckAnswer("", kSounds).outcome, AnswerOutcome::Right);
}

void TestAnswerJudge::pauseHoldsBackInput() {
  Run r({{"a", "x"}, {"b", "y"}}, false, true);
  QCOMPARE(r.judge.CheckAnswer("x", kSounds).outcome, AnswerOutcome::Right);
  // Enter or the answer typed again during the pause: not judged again.
  QCOMPARE(r.judge.CheckAnswer("x", kSounds).outcome, AnswerOutcome::NotJudged);
  QCOMPARE(r.judge.CheckAnswer("wrong", kSounds).outcome, AnswerOutcome::NotJudged);
  QVERIFY(!r.judge.OnAnswerChanged("x", true).submit);
  QCOMPARE(r.ex.RightFirstTry(), 1);
  QCOMPARE(r.ex.WrongAnswers(), 0);

  r.ex.EndPause();
  r.ex.NextQuestion();
  QCOMPARE(r.judge.CheckAnswer("y", kSounds).outcome, AnswerOutcome::Right);

  // A restart during the pause ends it: the first question is judged anew.
  r.ex.ResetForRestart();
  QVERIFY(!r.ex.IsPausing());
  QCOMPARE(r.ex.NextQuestion(), CExercise::NextResult::Asked);
  QCOMPARE(r.ex.Current(), 1);
  QCOMPARE(r.judge.CheckAnswer("x", kSounds).outcome, AnswerOutcome::Right);
  QCOMPARE(r.ex.RightFirstTry(), 1);
}

void TestAnswerJudge::checkWhileTyping_data() {
  QTest::addColumn<QByteArray>("typed");
  QTest::addColumn<bool>("caseDistinguished");
  QTest::addColumn<AnswerColour>("colour");
  QTest::addColumn<bool>("submit");

  const auto black = AnswerColour::Black;
  const auto red = AnswerColour::Red;
  QTest::newRow("empty") << QByteArray() << true << black << false;
  QTest::newRow("second alternative begun") << QByteArray("bu") << true << black << false;
  QTest::newRow("off track") << QByteArray("hox") << true << red << false;
  QTest::newRow("past the end") << QByteArray("houses") << true << red << false;
  QTest::newRow("one done, next begun") << QByteArray("house, b") << true << black << false;
  QTest::newRow("one done, next off") << QByteArray("house, c") << true << red << false;
  QTest::newRow("upper, case ignored") << QByteArray("HO") << false << black << false;
  QTest::newRow("upper, case counts") << QByteArray("HO") << true << red << false;
  QTest::newRow("both, not as stored") << QByteArray("house,building") << true << black << false;
  QTest::newRow("whole answer submits") << QByteArray("house,  building") << true << black << true;
  // Submitting needs the stored text exactly, whatever the case option.
  QTest::newRow("whole answer, other case")
      << QByteArray("HOUSE,  BUILDING") << false << black << false;
}

void TestAnswerJudge::checkWhileTyping() {
  QFETCH(QByteArray, typed);
  QFETCH(bool, caseDistinguished);
  QFETCH(AnswerColour, colour);
  QFETCH(bool, submit);

  Run r({{"q", "house,  building"}}, false, true);
  const TypingFeedback f = r.judge.OnAnswerChanged(B(typed), caseDistinguished);
  QVERIFY(f.textColour == colour);
  QCOMPARE(f.submit, submit);
  if (submit) {
    // What the window then does: the submitted answer is right.
    QCOMPARE(r.judge.CheckAnswer(B(typed), {caseDistinguished, false, false}).outcome,
             AnswerOutcome::Right);
  }

  // Without check while typing nothing is coloured or submitted, but the red
  // of a first wrong answer goes with the first change either way.
  for (bool checkWhileTyping : {false, true}) {
    Run plain({{"q", "house,  building"}}, false, checkWhileTyping);
    const TypingFeedback g = plain.judge.OnAnswerChanged(B(typed), caseDistinguished);
    QVERIFY(!g.background);
    QCOMPARE(bool(g.textColour), checkWhileTyping);
    plain.judge.CheckAnswer("wrong", kSounds);
    QVERIFY(plain.judge.OnAnswerChanged("wron", true).background == AnswerColour::Window);
  }
}

void TestAnswerJudge::threeQuestionRunAndWrongWordsAgain() {
  Run r({{"hund", "dog"}, {"katt", "cat"}, {"fisk", "fish"}});

  // 1: wrong, then right at the second attempt.
  QCOMPARE(r.judge.CheckAnswer("cow", kSounds).outcome, AnswerOutcome::FirstWrong);
  QCOMPARE(r.judge.CheckAnswer("dog", kSounds).outcome, AnswerOutcome::Right);
  r.ex.EndPause();
  r.ex.NextQuestion();
  // 2: wrong twice, then the shown answer copied.
  QCOMPARE(r.judge.CheckAnswer("cow", kSounds).outcome, AnswerOutcome::FirstWrong);
  const AnswerVerdict shown = r.judge.CheckAnswer("mouse", kSounds);
  QCOMPARE(r.judge.CheckAnswer(*shown.fieldText, kSounds).outcome, AnswerOutcome::Copied);
  r.ex.NextQuestion();
  // 3: right at once.
  QCOMPARE(r.judge.CheckAnswer("fish", kSounds).outcome, AnswerOutcome::Right);
  r.ex.EndPause();
  QCOMPARE(r.ex.NextQuestion(), CExercise::NextResult::Finished);

  // What the results dialog shows: questions, right at the first attempt,
  // wrong answers, right at the second attempt; and the two missed words.
  QCOMPARE(r.ex.Total(), 3);
  QCOMPARE(r.ex.RightFirstTry(), 1);
  QCOMPARE(r.ex.WrongAnswers(), 3);
  QCOMPARE(r.ex.RightSecondTry(), 1);
  QCOMPARE(r.ex.CountEntries(ExerciseTable::WrongWords), 2);
  QCOMPARE(r.ex.GetEntryMark(ExerciseTable::WrongWords, 1), 2);

  // Practising the wrong words again asks exactly them, in the order missed,
  // in the same direction, with fresh counts.
  r.ex.StartWrongWordsAgain();
  QCOMPARE(r.ex.Total(), 2);
  QCOMPARE(r.ex.WrongAnswers(), 0);
  for (const char* word : {"hund", "katt"}) {
    QCOMPARE(r.ex.NextQuestion(), CExercise::NextResult::Asked);
    QCOMPARE(r.ex.QuestionText(), std::string(word));
    QCOMPARE(r.judge.CheckAnswer(r.ex.AnswerText(), kSounds).outcome, AnswerOutcome::Right);
    r.ex.EndPause();
  }
  QCOMPARE(r.ex.NextQuestion(), CExercise::NextResult::Finished);
}

QTEST_GUILESS_MAIN(TestAnswerJudge)
#include "tst_answerjudge.moc"
