// The exercise, the judge of typed answers and the practice options in the
// settings. How the window shows its verdicts is played through in the main
// window's practice tests; these cover the rules.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QtTest>

#include "TestFiles.h"
#include "practice/AnswerJudge.h"
#include "practice/Exercise.h"
#include "practice/PracticeOptions.h"
#include "practice/PracticeTexts.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "wordlist/WordList.h"

using namespace Qt::StringLiterals;

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
constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;

QString Q(const std::string& s) {
  return QString::fromLatin1(s.data(), qsizetype(s.size()));
}
std::string S(const QString& s) {
  return s.toLatin1().toStdString();
}

// A list of count words named f1/t1, f2/t2, ...
void FillList(CWordList& list, int count) {
  for (int i = 1; i <= count; ++i)
    (void)list.AddWord("f" + std::to_string(i), "t" + std::to_string(i), i % 3);
}

}  // namespace

class TestPractice : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

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
    QCOMPARE(r.ex.QuestionLine(), std::string("hus (2)"));  // the asked word's answers
    AnswerVerdict v = r.judge.CheckAnswer("car", kSounds);
    QCOMPARE(v.outcome, AnswerOutcome::FirstWrong);
    QVERIFY(v.textColour == AnswerColour::Black && v.background == AnswerColour::Red);
    QVERIFY(v.showCounters && !v.buttonCaption && !v.startPause && !v.askNext && !v.fieldText);
    // The missed word is noted once, with its class.
    QCOMPARE(r.ex.GetEntryTranslation(ExerciseTable::WrongWords, 0),
             std::string("house, building"));
    QCOMPARE(r.ex.GetEntryMark(ExerciseTable::WrongWords, 0), 1);
    QCOMPARE(r.ex.GetEntryMark(ExerciseTable::WrongWords, -1) +
                 r.ex.GetEntryMark(ExerciseTable::WrongWords, CExercise::kTableSize),
             0);
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

  void alternatives_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("parts");
    using L = QStringList;
    QTest::newRow("three") << u"x, y,z"_s << L{u"x"_s, u"y"_s, u"z"_s};
    QTest::newRow("empty middle") << u"x,,y"_s << L{u"x"_s, QString(), u"y"_s};
    QTest::newRow("empty text") << QString() << L{QString()};
    QTest::newRow("one space each end") << u", x "_s << L{QString(), u"x"_s};
    QTest::newRow("two spaces keep one") << u"a,  b  "_s << L{u"a"_s, u" b "_s};
    QTest::newRow("tabs stay") << u"\tx\t,y"_s << L{u"\tx\t"_s, u"y"_s};
  }

  void alternatives() {
    QFETCH(QString, text);
    QFETCH(QStringList, parts);
    // The text on the translation side only, so that a mix-up of sides shows.
    CWordList::SlotTable slots{};
    slots[0] = WordSlot{"other", S(text), 1, 1, 0};
    CExercise ex;
    ex.LoadQuestions(slots);
    QCOMPARE(ex.AnswerCount(0, false), int(parts.size()));
    QCOMPARE(ex.AnswerCount(0, true), 1);
    for (int k = 1; k <= int(parts.size()); ++k)
      QCOMPARE(Q(ex.AnswerPart(0, k, false)), parts[k - 1]);
    QCOMPARE(Q(ex.AnswerPart(0, 1, true)), u"other"_s);
  }

  void pauseText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("ms");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("point") << u"0.8"_s << 800 << u"0.8"_s;
    QTest::newRow("comma") << u"1,25"_s << 1250 << u"1.25"_s;
    QTest::newRow("third decimal dropped") << u"3.496"_s << 3490 << u"3.49"_s;
    QTest::newRow("ones, a last 0 kept") << u"1.10"_s << 1100 << u"1.10"_s;
    QTest::newRow("empty") << QString() << 0 << u"0"_s;
    QTest::newRow("not a number") << u"abc"_s << 0 << u"0"_s;
    // A negative pause would never let the timer fire: the run would hang.
    QTest::newRow("negative") << u"-2"_s << 0 << u"0"_s;
    QTest::newRow("separator at end") << u"2."_s << 2000 << u"2"_s;
    QTest::newRow("non-digit decimal") << u"1.x"_s << 1000 << u"1.0"_s;
    QTest::newRow("above a minute") << u"60.5"_s << 60000 << u"60"_s;
    QTest::newRow("a minute") << u"60.0"_s << 60000 << u"60.0"_s;
    QTest::newRow("beyond int") << u"99999999999999999999999"_s << 60000 << u"60"_s;
  }

  void pauseText() {
    QFETCH(QString, text);
    QFETCH(int, ms);
    QFETCH(QString, normalised);
    CExercise ex;
    ex.SetPause(S(text));
    QCOMPARE(ex.PauseMs(), ms);
    QCOMPARE(Q(CExercise::NormalisePauseText(S(text))), normalised);
    // The options panel's text and the exercise agree on the length.
    QCOMPARE(CExercise::PauseTextToMs(S(normalised)), ms);
  }

  void choosingQuestions_data() {
    QTest::addColumn<int>("words");
    QTest::addColumn<bool>("onlyFirstN");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("shuffle");
    QTest::addColumn<int>("asked");
    QTest::newRow("first 10 of 25") << 25 << true << 10 << false << 10;
    QTest::newRow("10 of 7 asks all") << 7 << true << 10 << false << 7;
    QTest::newRow("all words") << 25 << false << 10 << false << 25;
    QTest::newRow("N = 0 asks none") << 25 << true << 0 << false << 0;
    QTest::newRow("negative N asks none") << 25 << true << -3 << false << 0;
    QTest::newRow("first 10 of 25, shuffled") << 25 << true << 10 << true << 10;
  }

  void choosingQuestions() {
    QFETCH(int, words);
    QFETCH(bool, onlyFirstN);
    QFETCH(int, n);
    QFETCH(bool, shuffle);
    QFETCH(int, asked);
    CWordList list;
    FillList(list, words);
    CExercise ex;
    QCOMPARE(ex.Start(list, {false, false, shuffle, onlyFirstN, n, "0.8"}), asked);
    QCOMPARE(ex.PauseMs(), 800);

    // The first words of the (possibly shuffled) list in its order, each asked once.
    std::set<std::string> seen;
    for (int i = 1; i <= asked; ++i) {
      QCOMPARE(ex.NextQuestion(), CExercise::NextResult::Asked);
      QCOMPARE(ex.QuestionText() + '/' + ex.AnswerText(),
               list.GetForeign(i - 1) + '/' + list.GetTranslation(i - 1));
      if (!shuffle) QCOMPARE(Q(ex.QuestionText()), u"f%1"_s.arg(i));
      seen.insert(ex.QuestionText());
    }
    QCOMPARE(int(seen.size()), asked);
    QCOMPARE(ex.NextQuestion(), CExercise::NextResult::Finished);
    // Some word left its place (all 25 staying put has odds of 1 in 25!).
    bool moved = false;
    for (int i = 0; i < words; ++i) moved |= list.GetForeign(i) != "f" + std::to_string(i + 1);
    QCOMPARE(moved, shuffle);
  }

  void restartKeepsQuestionsAndMissedWords() {
    // Two words share their foreign word: each is a word of its own.
    CWordList list = ListOf({{"bank", "bench"}, {"bank", "bank (money)"}, {"apa", "monkey"}});
    CExercise ex;
    ex.Start(list, {});  // the user writes the foreign word
    ex.NextQuestion();
    ex.RecordFirstWrong();
    ex.RecordRight();
    ex.NextQuestion();
    ex.RecordFirstWrong();
    ex.RecordSecondWrong();
    QCOMPARE(ex.CountEntries(ExerciseTable::WrongWords), 2);
    QCOMPARE(ex.GetEntryTranslation(ExerciseTable::WrongWords, 1), std::string("bank (money)"));
    QVERIFY(ex.IsCopyMode());

    // A restart while the answer waits to be copied leaves copy mode, else
    // nothing more would be asked.
    ex.ResetForRestart();
    QVERIFY(!ex.IsCopyMode());
    QCOMPARE(ex.Current(), 0);
    QCOMPARE(ex.RightSecondTry() + ex.WrongAnswers(), 0);
    QCOMPARE(ex.Total(), 3);
    QCOMPARE(ex.NextQuestion(), CExercise::NextResult::Asked);
    QCOMPARE(Q(ex.QuestionText()), u"bench"_s);

    // Missing it again does not note it twice.
    ex.RecordFirstWrong();
    QCOMPARE(ex.CountEntries(ExerciseTable::WrongWords), 2);

    // A new start forgets the words missed in the previous exercise.
    ex.Start(list, {});
    QCOMPARE(ex.CountEntries(ExerciseTable::WrongWords), 0);
  }

  void fullTables() {
    CWordList::SlotTable slots{};
    for (int i = 0; i < CWordList::kMaxWords; ++i)
      slots[i] = WordSlot{"f" + std::to_string(i), "t", 1, i + 1, 2};
    CExercise ex;
    ex.LoadQuestions(slots);
    QCOMPARE(ex.CountEntries(ExerciseTable::Questions), 300);
    QCOMPARE(ex.GetEntryForeign(ExerciseTable::Questions, 300), std::string());
    QCOMPARE(ex.GetEntryTranslation(ExerciseTable::Questions, -1), std::string());
    // Before the first question CurrentWord moves to the first one.
    QCOMPARE(ex.CurrentWord(true), std::string("f0"));
    QCOMPARE(ex.Current(), 1);

    for (int i = 0; i < CWordList::kMaxWords; ++i) ex.AddWrongWord("w" + std::to_string(i), "x", 1);
    QCOMPARE(ex.AddWrongWord("full", "full", 1), -1);
    QCOMPARE(ex.CountEntries(ExerciseTable::WrongWords), 300);
    ex.LoadQuestions(slots);  // leaves the missed words alone
    QCOMPARE(ex.CountEntries(ExerciseTable::WrongWords), 300);
    ex.StartWrongWordsAgain();
    QCOMPARE(ex.Total(), 300);
    QCOMPARE(ex.GetEntryForeign(ExerciseTable::Questions, 299), std::string("w299"));
    QCOMPARE(ex.CountEntries(ExerciseTable::WrongWords), 0);
  }

  void savedAsTheSettingsAlwaysHeldThem() {
    ApplyTestDefaults(m_dir.path() + u'/');
    const auto Stored = [](QLatin1String name) { return ReadSetting(kUser, kKeySetups, name); };
    PracticeOptions options{
        false, 12, true, false, true, false, true, false, u"fel.wav"_s, u"r\u00e4tt.wav"_s, {}};
    options.Save();
    QStringList stored;  // in the order of the members
    for (QLatin1String name :
         {kValueOvaAllaRadio, kValueOvaBara, kValueBlandaCheck, kValueSkiljCheck, kValueClassCheck,
          kValueShowRightDirect, kValueLjudFelCheck, kValueLjudRattCheck, kValueLjudFel,
          kValueLjudRatt})
      stored << Stored(name);
    QCOMPARE(stored.join(u' '),
             u"FALSE 12 TRUE FALSE TRUE FALSE TRUE FALSE fel.wav r\u00e4tt.wav"_s);

    // All words leave the count as it was; only the exact "TRUE" is true,
    // and a count is read as atoi reads it.
    options.allWords = true;
    options.onlyCount = 99;
    options.Save();
    WriteSetting(kUser, kKeySetups, kValueBlandaCheck, u"true"_s);
    WriteSetting(kUser, kKeySetups, kValueOvaBara, Stored(kValueOvaBara) + u" words"_s);
    PracticeOptions::SavePause(u"1.5"_s);
    const PracticeOptions read = PracticeOptions::Load();
    QVERIFY(read.allWords && !read.shuffle && read.showClass && read.wrongSound);
    QCOMPARE(read.onlyCount, 12);
    QCOMPARE(read.pause + read.rightSoundPath, u"1.5r\u00e4tt.wav"_s);

    // Only the exact "FALSE" means translations.
    WriteSetting(kUser, kKeyPractise, kValueF, u"false"_s);
    QCOMPARE(LastDirection(), Direction::Foreign);
    RememberDirection(Direction::Translation);
    QCOMPARE(LastDirection(), Direction::Translation);
    RememberDirection(Direction::Foreign);
    QCOMPARE(ReadSetting(kUser, kKeyPractise, kValueF), u"TRUE"_s);
  }
};

QTEST_GUILESS_MAIN(TestPractice)
#include "tst_Practice.moc"
