// The judge of typed answers. How the window shows its verdicts is played
// through in the main window's practice tests; these cover the rules.
#include <QtTest>

#include <string>
#include <utility>
#include <vector>

#include "practice/AnswerJudge.h"
#include "practice/Exercise.h"
#include "practice/PracticeTexts.h"
#include "wordlist/WordList.h"

namespace {

using Words = std::vector<std::pair<std::string, std::string>>;

// An exercise over a small list, its first question asked.
struct Run {
  CWordList list;
  CExercise ex;
  CAnswerJudge judge{ex};

  explicit Run(const Words& words, bool writeForeign = false, bool checkWhileTyping = false) {
    int mark = 0;
    for (const auto& [foreign, translation] : words)
      (void)list.AddWord(foreign, translation, ++mark % 3);
    ex.Start(list, {writeForeign, checkWhileTyping, false, false, 0, "0.8"});
    ex.NextQuestion();
  }
};

const AnswerOptions kSounds{true, true, true};

}  // namespace

class TestAnswerJudge : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void judging_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<bool>("caseDistinguished");
    QTest::addColumn<bool>("right");
    bool matchCase = true;
    const auto row = [&matchCase](const char* name, const char* stored, const char* typed,
                                  bool right) {
      QTest::addRow("%s, case %s", name, matchCase ? "counts" : "ignored")
          << QByteArray(stored) << QByteArray(typed) << matchCase << right;
    };
    const char* hb = "house, building";
    row("one of two", hb, "building", true);
    row("reversed, padded", hb, " building , house ", true);
    row("one repeated", hb, "house, house", true);
    row("one not stored", hb, "house, car", false);
    row("only commas separate", hb, "house;building", false);
    row("beginning only", hb, "hous", false);
    row("ideographic spaces stripped", "日本, 日本語", "\u3000日本語\u3000", true);
    row("inner spaces count", "big house", "big  house", false);
    // Two spaces after the comma leave the stored alternative with a leading
    // space; typed alternatives never have one, yet the word is still right.
    row("two spaces after comma", "house,  building", "building", true);
    row("two spaces, typed as stored", "house,  building", "house,  building", true);
    row("empty alternative is no wildcard", "x,,y", "z", false);
    // Without case, letters fold in every script, and in both modes an
    // accent typed apart from its letter is the accented letter; an accent or
    // a dot that makes another letter never folds away.
    for (const bool mode : {false, true}) {
      matchCase = mode;
      row("last letter of the alphabet", "zebra", "ZEBRA", !matchCase);
      row("Swedish", "åka", "ÅKA", !matchCase);
      row("French", "été", "ÉTÉ", !matchCase);
      row("Russian", "Дом", "дОМ", !matchCase);
      row("Greek", "σοφία", "ΣΟΦΊΑ", !matchCase);
      row("Greek final sigma", "σοφίας", "ΣΟΦΊΑΣ", !matchCase);
      row("Greek sigma in the middle form", "ΣΟΦΊΑΣ", "σοφίασ", !matchCase);
      row("German sharp s in capitals", "Straße", "STRASSE", !matchCase);
      row("German capital sharp s", "Straße", "STRAẞE", !matchCase);
      row("sharp s written as ss", "Straße", "strasse", !matchCase);
      row("Turkish dotted capital I", "İstanbul", "istanbul", !matchCase);
      row("Turkish, decomposed", "İzmir", "I\u0307ZMIR", !matchCase);
      row("accent typed apart", "été", "e\u0301te\u0301", true);
      row("accent is a letter", "été", "ete", false);
      row("dotless i", "ılık", "ILIK", false);
    }
  }

  void judging() {
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, typed);
    QFETCH(bool, caseDistinguished);
    QFETCH(bool, right);
    // Both directions: the stored text on the answer side, another on the
    // question side; each sound plays only when its own box is checked.
    for (bool writeForeign : {false, true}) {
      Run r({writeForeign ? std::pair{stored.toStdString(), typed.toStdString()}
                          : std::pair{typed.toStdString(), stored.toStdString()}},
            writeForeign);
      const bool rightSound = !writeForeign;
      const AnswerVerdict v =
          r.judge.CheckAnswer(typed.toStdString(), {caseDistinguished, rightSound, !rightSound});
      QCOMPARE(v.outcome, right ? AnswerOutcome::Right : AnswerOutcome::FirstWrong);
      QCOMPARE(v.sound, right == rightSound ? (right ? AnswerSound::Right : AnswerSound::Wrong)
                                            : AnswerSound::None);
      QCOMPARE(r.ex.RightFirstTry(), right ? 1 : 0);
      QCOMPARE(r.ex.WrongAnswers(), right ? 0 : 1);
    }
  }

  // A first wrong answer, a right one at the second attempt and the pause
  // after it; a word missed twice, whose answer must be copied; a restart.
  void wrongRightPauseCopyAndRestart() {
    Run r({{"hus", "house, building"}, {"Haus", "House"}, {"Baum", "tree"}}, false, true);
    AnswerVerdict v = r.judge.CheckAnswer("car", kSounds);
    QCOMPARE(v.outcome, AnswerOutcome::FirstWrong);
    QVERIFY(v.textColour == AnswerColour::Black && v.background == AnswerColour::Red);
    QVERIFY(v.showCounters && !v.buttonCaption && !v.startPause && !v.askNext && !v.fieldText);
    // The missed word is noted once, with its class.
    QCOMPARE(r.ex.GetEntryTranslation(ExerciseTable::WrongWords, 0),
             std::string("house, building"));
    QCOMPARE(r.ex.GetEntryMark(ExerciseTable::WrongWords, 0), 1);
    v = r.judge.CheckAnswer("building", kSounds);
    QCOMPARE(v.outcome, AnswerOutcome::Right);
    // The panel shows right answers at the first attempt only.
    QVERIFY(v.statusText == kTxtStatusRight && !v.statusRed && v.startPause && !v.showCounters);
    QCOMPARE(v.pauseMs, 800);
    // Enter or the answer typed again during the pause: not judged again.
    QCOMPARE(r.judge.CheckAnswer("building", kSounds).outcome, AnswerOutcome::NotJudged);
    QCOMPARE(r.judge.CheckAnswer("wrong", kSounds).outcome, AnswerOutcome::NotJudged);
    QVERIFY(!r.judge.OnAnswerChanged("building", true).submit);
    QCOMPARE(r.ex.RightFirstTry() * 10 + r.ex.RightSecondTry(), 1);
    QCOMPARE(r.ex.CountEntries(ExerciseTable::WrongWords) * 10 + r.ex.WrongAnswers(), 11);

    r.ex.EndPause();
    r.ex.NextQuestion();
    const AnswerOptions noCase{false, true, true};
    r.judge.CheckAnswer("Hose", noCase);
    v = r.judge.CheckAnswer("Hus", noCase);
    QCOMPARE(v.outcome, AnswerOutcome::SecondWrong);
    QCOMPARE(v.fieldText, std::optional<std::string>("House"));
    QVERIFY(v.statusRed && v.showCounters && v.sound == AnswerSound::Wrong);
    QCOMPARE(r.ex.CountEntries(ExerciseTable::WrongWords) * 10 + r.ex.WrongAnswers(), 23);
    // The answer put into the field is shown green and never judged, though it
    // is exactly the stored answer and check while typing is on.
    QVERIFY(!r.judge.OnAnswerChanged("House", false).submit);
    QVERIFY(r.judge.OnAnswerChanged("hOUSE", false).background == AnswerColour::Green);
    QVERIFY(r.judge.OnAnswerChanged("hOUSE", true).background == AnswerColour::Window);
    // A wrong copy puts the answer back as stored, not as folded for the
    // comparison; nothing is counted, nothing moves on.
    v = r.judge.CheckAnswer("Hous", noCase);
    QCOMPARE(v.outcome, AnswerOutcome::CopyAgain);
    QVERIFY(v.fieldText == std::string("House") && v.background == AnswerColour::Green);
    QCOMPARE(r.judge.CheckAnswer("house", {true, true, true}).outcome, AnswerOutcome::CopyAgain);
    QCOMPARE(r.ex.WrongAnswers(), 3);
    QCOMPARE(r.ex.NextQuestion(), CExercise::NextResult::Blocked);
    // Copied in any case: on at once, without sound, pause or counting.
    v = r.judge.CheckAnswer("house", noCase);
    QCOMPARE(v.outcome, AnswerOutcome::Copied);
    QVERIFY(v.askNext && !v.startPause && !v.showCounters && v.sound == AnswerSound::None);
    QVERIFY(v.groupCaption == kTxtRightGroup && v.buttonCaption == kTxtAnswerButtonAgain);
    QCOMPARE(r.ex.RightFirstTry() + r.ex.RightSecondTry(), 1);
    QCOMPARE(r.ex.NextQuestion(), CExercise::NextResult::Asked);
    QCOMPARE(r.ex.QuestionText(), std::string("Baum"));

    // A restart during the pause ends it: the first question is judged anew.
    QCOMPARE(r.judge.CheckAnswer("tree", kSounds).outcome, AnswerOutcome::Right);
    r.ex.ResetForRestart();
    QVERIFY(!r.ex.IsPausing() && r.ex.NextQuestion() == CExercise::NextResult::Asked);
    QCOMPARE(r.ex.Current(), 1);
    QCOMPARE(r.judge.CheckAnswer("house", kSounds).outcome, AnswerOutcome::Right);
    QCOMPARE(r.ex.RightFirstTry() * 10 + r.ex.WrongAnswers(), 10);
  }

  void emptyAnswerIsNotJudged() {
    Run r({{"a", "x"}, {"b", ""}, {"c", "x,"}}, false, true);
    auto untouched = [](const AnswerVerdict& v) {
      return v.outcome == AnswerOutcome::NotJudged && !v.textColour && !v.background &&
             !v.fieldText && !v.groupCaption && !v.statusText && !v.showCounters &&
             v.sound == AnswerSound::None && !v.startPause && !v.askNext;
    };
    for (const char* text : {"", "   ", ", ,", "\t,\n"})
      QVERIFY2(untouched(r.judge.CheckAnswer(text, kSounds)), text);
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
    // An empty alternative beside a real one ("x,") is no empty answer side.
    r.ex.EndPause();
    r.ex.NextQuestion();
    QVERIFY(untouched(r.judge.CheckAnswer("", kSounds)));
  }

  // Check while typing turns the text red once it can no longer become the
  // answer, and submits the stored text typed exactly, whatever the case
  // option; folded words are followed letter by letter.
  void checkWhileTyping() {
    const char* hb = "house,  building";
    // Typed, case distinguished, 'b'lack, 'r'ed or black and 's'ubmitted, stored.
    const std::tuple<const char*, bool, char, const char*> cases[] = {
        {"", true, 'b', hb},
        {"bu", true, 'b', hb},
        {"hox", true, 'r', hb},
        {"house, b", true, 'b', hb},
        {"house, c", true, 'r', hb},
        {"HO", true, 'r', hb},
        {"house,  building", true, 's', hb},
        {"HOUSE,  BUILDING", false, 'b', hb},
        {"STRAS", false, 'b', "Straße"},
        {"STRASSEN", false, 'r', "Straße"},
        {"caf", true, 'b', "café"},
        {"日本", true, 'b', "日本語"},
        {"日本語", true, 's', "日本語"}};
    for (const auto& [typed, matchCase, expect, stored] : cases) {
      Run r({{"q", stored}}, false, true);
      const TypingFeedback f = r.judge.OnAnswerChanged(typed, matchCase);
      QVERIFY2(f.textColour == (expect == 'r' ? AnswerColour::Red : AnswerColour::Black) &&
                   f.submit == (expect == 's'),
               typed);
      // What the window then does: the submitted answer is right.
      if (f.submit)
        QCOMPARE(r.judge.CheckAnswer(typed, {matchCase, false, false}).outcome,
                 AnswerOutcome::Right);

      // Without check while typing nothing is coloured or submitted, but the
      // red of a first wrong answer goes with the first change either way.
      for (bool checkWhileTyping : {false, true}) {
        Run plain({{"q", stored}}, false, checkWhileTyping);
        const TypingFeedback g = plain.judge.OnAnswerChanged(typed, matchCase);
        QVERIFY(!g.background && bool(g.textColour) == checkWhileTyping);
        plain.judge.CheckAnswer("wrong", kSounds);
        QVERIFY(plain.judge.OnAnswerChanged("wron", true).background == AnswerColour::Window);
      }
    }
  }
};

QTEST_GUILESS_MAIN(TestAnswerJudge)
#include "tst_answerjudge.moc"
