#include <QtTest>

#include <set>
#include <string>

#include "TestFiles.h"
#include "practice/Exercise.h"
#include "wordlist/WordList.h"

using namespace Qt::StringLiterals;

namespace {

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

class TestExercise : public QObject {
  Q_OBJECT

 private Q_SLOTS:
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
    QTest::newRow("empty") << QString() << 0 << u"0"_s;
    QTest::newRow("not a number") << u"abc"_s << 0 << u"0"_s;
    // A negative pause would never let the timer fire: the run would hang.
    QTest::newRow("negative") << u"-2"_s << 0 << u"0"_s;
    QTest::newRow("separator at end") << u"2."_s << 2000 << u"2"_s;
    QTest::newRow("non-digit decimal") << u"1.x"_s << 1000 << u"1.0"_s;
    QTest::newRow("above a minute") << u"60.5"_s << 60000 << u"60"_s;
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
    ExerciseSetup setup;
    setup.writeForeign = false;
    setup.onlyFirstN = onlyFirstN;
    setup.n = n;
    setup.shuffle = shuffle;
    setup.pauseText = "0.8";
    QCOMPARE(ex.Start(list, setup), asked);
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
    ExerciseSetup setup;
    setup.writeForeign = true;
    ex.Start(list, setup);
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
    ex.Start(list, setup);
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
};

QTEST_GUILESS_MAIN(TestExercise)
#include "tst_exercise.moc"
