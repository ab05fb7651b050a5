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
    for (const auto& [foreign, translation] : words)
      (void)list.AddWord(foreign, translation, ++mark % 3);
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
  void judging_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<bool>("caseDistinguished");
    QTest::addColumn<bool>("right");
    const auto row = [](const char* name, const char* stored, const char* typed, bool matchCase,
                        bool right) {
      QTest::newRow(name) << QByteArray(stored) << QByteArray(typed) << matchCase << right;
    };
    const char* hb = "house, building";
    row("one of two", hb, "building", true, true);
    row("both, no space", hb, "house,building", true, true);
    row("reversed, padded", hb, " building , house ", true, true);
    row("one repeated", hb, "house, house", true, true);
    row("one not stored", hb, "house, car", true, false);
    row("only commas separate", hb, "house;building", true, false);
    row("beginning only", hb, "hous", true, false);
    row("upper, case ignored", hb, "HOUSE", false, true);
    row("upper, case counts", hb, "HOUSE", true, false);
    // Without case, letters fold in every script, and in both modes an
    // accent typed apart from its letter is the accented letter.
    for (const bool matchCase : {false, true}) {
      const auto folded = [&](const char* name, const char* stored, const char* typed) {
        QTest::addRow("%s, case %s", name, matchCase ? "counts" : "ignored")
            << QByteArray(stored) << QByteArray(typed) << matchCase << !matchCase;
      };
      folded("Swedish", "åka", "ÅKA");
      folded("French", "été", "ÉTÉ");
      folded("Russian", "Дом", "дОМ");
      folded("Greek", "σοφία", "ΣΟΦΊΑ");
      folded("Greek final sigma", "σοφίας", "ΣΟΦΊΑΣ");
      folded("Greek sigma in the middle form", "ΣΟΦΊΑΣ", "σοφίασ");
      folded("German sharp s in capitals", "Straße", "STRASSE");
      folded("German capital sharp s", "Straße", "STRAẞE");
      folded("sharp s written as ss", "Straße", "strasse");
      folded("Turkish dotted capital I", "İstanbul", "istanbul");
      folded("Turkish, decomposed", "İzmir", "I\u0307ZMIR");
      QTest::addRow("accent typed apart, case %s", matchCase ? "counts" : "ignored")
          << QByteArray("été") << QByteArray("e\u0301te\u0301") << matchCase << true;
      // An accent or a dot that makes another letter never folds away.
      QTest::addRow("accent is a letter, case %s", matchCase ? "counts" : "ignored")
          << QByteArray("été") << QByteArray("ete") << matchCase << false;
      QTest::addRow("dotless i, case %s", matchCase ? "counts" : "ignored")
          << QByteArray("ılık") << QByteArray("ILIK") << matchCase << false;
    }
    row("ideographic spaces stripped", "日本, 日本語", "\u3000日本語\u3000", true, true);
    row("inner spaces count", "big house", "big  house", true, false);
    // Two spaces after the comma leave the stored alternative with a leading
    // space; typed alternatives never have one, yet the word is still right.
    row("two spaces after comma", "house,  building", "building", true, true);
    row("two spaces, typed as stored", "house,  building", "house,  building", true, true);
    row("empty alternative is no wildcard", "x,,y", "z", true, false);
  }

  void judging() {
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

  void firstWrongThenRight() {
    Run r({{"hus", "house, building"}, {"bil", "car"}});
    AnswerVerdict v = r.judge.CheckAnswer("car", kSounds);
    QCOMPARE(v.outcome, AnswerOutcome::FirstWrong);
    QVERIFY(v.textColour == AnswerColour::Black && v.background == AnswerColour::Red);
    QVERIFY(v.showCounters && !v.buttonCaption && !v.startPause && !v.askNext && !v.fieldText);
    // The missed word is noted once, with its class.
    QCOMPARE(r.ex.CountEntries(ExerciseTable::WrongWords), 1);
    QCOMPARE(r.ex.GetEntryTranslation(ExerciseTable::WrongWords, 0),
             std::string("house, building"));
    QCOMPARE(r.ex.GetEntryMark(ExerciseTable::WrongWords, 0), 1);

    v = r.judge.CheckAnswer("building", kSounds);
    QCOMPARE(v.outcome, AnswerOutcome::Right);
    QVERIFY(v.statusText == kTxtStatusRight && !v.statusRed);
    // The panel shows right answers at the first attempt only.
    QVERIFY(v.startPause && !v.showCounters);
    QCOMPARE(v.pauseMs, 800);
    QCOMPARE(r.ex.RightFirstTry() * 10 + r.ex.RightSecondTry(), 1);
    QCOMPARE(r.ex.CountEntries(ExerciseTable::WrongWords), 1);
  }

  void secondWrongThenCopy() {
    // The user writes the foreign word; case is not distinguished.
    Run r({{"Haus", "house"}, {"Baum", "tree"}}, true, true);
    const AnswerOptions noCase{false, true, true};
    r.judge.CheckAnswer("Hose", noCase);
    AnswerVerdict v = r.judge.CheckAnswer("Hus", noCase);
    QCOMPARE(v.outcome, AnswerOutcome::SecondWrong);
    QCOMPARE(v.fieldText, std::optional<std::string>("Haus"));
    QVERIFY(v.statusRed && v.showCounters && v.sound == AnswerSound::Wrong);
    QCOMPARE(r.ex.WrongAnswers(), 2);
    QCOMPARE(r.ex.CountEntries(ExerciseTable::WrongWords), 1);

    // The answer put into the field is shown green and never judged, though it
    // is exactly the stored answer and check while typing is on.
    TypingFeedback f = r.judge.OnAnswerChanged("Haus", false);
    QVERIFY(f.background == AnswerColour::Green && !f.submit);
    QVERIFY(r.judge.OnAnswerChanged("hAUS", false).background == AnswerColour::Green);
    QVERIFY(r.judge.OnAnswerChanged("hAUS", true).background == AnswerColour::Window);

    // A wrong copy puts the answer back as stored, not as folded for the
    // comparison; nothing is counted, nothing moves on.
    v = r.judge.CheckAnswer("Hau", noCase);
    QCOMPARE(v.outcome, AnswerOutcome::CopyAgain);
    QVERIFY(v.fieldText == std::string("Haus") && v.background == AnswerColour::Green);
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

  void emptyAnswerIsNotJudged() {
    Run r({{"a", "x"}, {"b", ""}}, false, true);
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
  }

  void pauseHoldsBackInput() {
    Run r({{"a", "x"}, {"b", "y"}}, false, true);
    QCOMPARE(r.judge.CheckAnswer("x", kSounds).outcome, AnswerOutcome::Right);
    // Enter or the answer typed again during the pause: not judged again.
    QCOMPARE(r.judge.CheckAnswer("x", kSounds).outcome, AnswerOutcome::NotJudged);
    QCOMPARE(r.judge.CheckAnswer("wrong", kSounds).outcome, AnswerOutcome::NotJudged);
    QVERIFY(!r.judge.OnAnswerChanged("x", true).submit);
    QCOMPARE(r.ex.RightFirstTry() * 10 + r.ex.WrongAnswers(), 10);

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

  void checkWhileTyping_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<bool>("caseDistinguished");
    QTest::addColumn<AnswerColour>("colour");
    QTest::addColumn<bool>("submit");
    const auto row = [](const char* name, const char* typed, bool matchCase, bool red, bool submit,
                        const char* stored = "house,  building") {
      QTest::newRow(name) << QByteArray(stored) << QByteArray(typed) << matchCase
                          << (red ? AnswerColour::Red : AnswerColour::Black) << submit;
    };
    row("empty", "", true, false, false);
    row("second alternative begun", "bu", true, false, false);
    row("off track", "hox", true, true, false);
    row("past the end", "houses", true, true, false);
    row("one done, next begun", "house, b", true, false, false);
    row("one done, next off", "house, c", true, true, false);
    row("upper, case ignored", "HO", false, false, false);
    row("upper, case counts", "HO", true, true, false);
    row("both, not as stored", "house,building", true, false, false);
    row("whole answer submits", "house,  building", true, false, true);
    // Submitting needs the stored text exactly, whatever the case option.
    row("whole answer, other case", "HOUSE,  BUILDING", false, false, false);
    // The beginnings of folded words: half of the ss of ß, a letter before
    // its accent.
    row("capitals of ß begun", "STRAS", false, false, false, "Straße");
    row("capitals of ß, past the end", "STRASSEN", false, true, false, "Straße");
    row("letter before its accent", "caf", true, false, false, "café");
    row("Japanese begun", "日本", true, false, false, "日本語");
    row("Japanese whole", "日本語", true, false, true, "日本語");
  }

  void checkWhileTyping() {
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, typed);
    QFETCH(bool, caseDistinguished);
    QFETCH(AnswerColour, colour);
    QFETCH(bool, submit);

    Run r({{"q", B(stored)}}, false, true);
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
      Run plain({{"q", B(stored)}}, false, checkWhileTyping);
      const TypingFeedback g = plain.judge.OnAnswerChanged(B(typed), caseDistinguished);
      QVERIFY(!g.background);
      QCOMPARE(bool(g.textColour), checkWhileTyping);
      plain.judge.CheckAnswer("wrong", kSounds);
      QVERIFY(plain.judge.OnAnswerChanged("wron", true).background == AnswerColour::Window);
    }
  }
};

QTEST_GUILESS_MAIN(TestAnswerJudge)
#include "tst_answerjudge.moc"
