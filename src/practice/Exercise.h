#pragma once
// The state of one practice exercise: the questions in asking order, the words
// answered wrongly, the counters and the flags of the question being asked.
// The main window owns one CExercise for its whole life and reuses it for
// every run; the answer judge (CAnswerJudge) counts into it and the results
// dialog reads it. No user interface here.
#include <array>
#include <string>
#include <string_view>

#include "wordlist/WordList.h"

// One entry of an exercise table: the same five fields as a WordSlot.
struct ExerciseEntry {
  std::string m_foreign;
  std::string m_translation;
  int m_used = 0;
  int m_number = 0;  // carried along from the list; practice never reads it
  int m_mark = 0;    // class mark: 0 none, 1 or 2
};

enum class ExerciseTable { Questions, WrongWords };

// What the start of an exercise takes from the direction dialog and the
// practice options, read at the moment the exercise starts.
struct ExerciseSetup {
  bool writeForeign = true;  // show the translation, the user writes the foreign word
  bool checkWhileTyping = false;
  bool shuffle = false;
  bool onlyFirstN = false;
  int n = 0;
  std::string pauseText;  // the "Pause" option as stored
};

class CExercise {
 public:
  static constexpr int kTableSize = CWordList::kMaxWords;
  // The longest pause after a right answer; the options panel never stores more.
  static constexpr int kMaxPauseMs = 60000;
  using Table = std::array<ExerciseEntry, kTableSize>;

  CExercise();

  // --- tables -------------------------------------------------------------
  void Reset();
  void ResetForRestart();
  void ClearTable(ExerciseTable table);
  void LoadQuestions(const CWordList::SlotTable& slots);
  int AddWrongWord(const std::string& foreign, const std::string& translation, int mark);
  int CountEntries(ExerciseTable table) const;
  std::string GetEntryForeign(ExerciseTable table, int i) const;
  std::string GetEntryTranslation(ExerciseTable table, int i) const;
  int GetEntryMark(ExerciseTable table, int i) const;
  void PromoteWrongWords();

  // --- the run ------------------------------------------------------------
  // Starts a new exercise over the open list: shuffles the list itself when
  // asked to, loads its words and chooses how many of them are asked.
  // Returns the number of questions of the run.
  int Start(CWordList& list, const ExerciseSetup& setup);

  enum class NextResult {
    Blocked,  // the right answer is still to be copied
    Asked,    // m_current moved on to the next question
    Finished  // every question has been asked: time for the results
  };
  // The exercise side of asking the next question.
  NextResult NextQuestion();

  // After the results dialog: the words answered wrongly become the questions,
  // in the order in which they were missed.
  void StartWrongWordsAgain();

  // The pause after a right answer: while it runs, the question is answered
  // and must not be judged again.
  bool IsPausing() const { return m_pausing; }
  void EndPause() { m_pausing = false; }

  // --- the question being asked -------------------------------------------
  std::string CurrentWord(bool foreignSide);
  int MarkAt(int i) const;
  int AnswerCount(int i, bool foreignSide) const;
  std::string AnswerPart(int i, int k, bool foreignSide) const;
  // True while a question of the run is being asked.
  bool HasQuestion() const { return m_current >= 1 && m_current <= m_total; }
  // The answer side and the question side of the current question.
  std::string AnswerText() const;
  std::string QuestionText() const;
  // The question as shown: with the number of stored answers in parentheses
  // when there are two or more.
  std::string QuestionLine() const;

  // --- outcomes, as the answer judge decides them -------------------------
  void RecordRight();
  // Counts the first wrong answer and notes the word as missed.
  void RecordFirstWrong();
  // Counts the second wrong answer; the right answer is then to be copied.
  void RecordSecondWrong();
  void RecordCopied() { m_copyMode = false; }

  // --- options and flags --------------------------------------------------
  void SetPause(std::string_view text) { m_pauseMs = PauseTextToMs(text); }
  int PauseMs() const { return m_pauseMs; }
  void SetCopyMode(bool flag) { m_copyMode = flag; }
  bool IsCopyMode() const { return m_copyMode; }
  void SetCheckWhileTyping(bool flag) { m_checkWhileTyping = flag; }
  bool CheckWhileTyping() const { return m_checkWhileTyping; }
  void SetWriteForeign(bool flag) { m_writeForeign = flag; }
  bool WriteForeign() const { return m_writeForeign; }
  bool IsRetryPending() const { return m_retryPending; }

  int Total() const { return m_total; }
  int Current() const { return m_current; }
  int RightFirstTry() const { return m_rightFirstTry; }
  int RightSecondTry() const { return m_rightSecondTry; }
  int WrongAnswers() const { return m_wrongAnswers; }

  const Table& Questions() const { return m_questions; }
  const Table& WrongWords() const { return m_wrongWords; }

  // Seconds with up to two decimals ("0.8", "1,25") to milliseconds, kept
  // within 0 to kMaxPauseMs.
  static int PauseTextToMs(std::string_view text);
  // The pause text as the options panel writes it back: "1,5" -> "1.5",
  // "3.456" -> "3.45", "75" -> "60", "abc" -> "0".
  static std::string NormalisePauseText(std::string_view text);

 private:
  Table& TableOf(ExerciseTable table);
  const Table& TableOf(ExerciseTable table) const;
  // The entry at i, or null when i is outside the table.
  const ExerciseEntry* EntryAt(ExerciseTable table, int i) const;
  const ExerciseEntry* CurrentEntry() const;

  Table m_questions;
  Table m_wrongWords;
  int m_total = 0;
  int m_current = 0;
  int m_rightFirstTry = 0;
  int m_rightSecondTry = 0;
  int m_wrongAnswers = 0;
  bool m_retryPending = false;
  bool m_copyMode = false;
  bool m_writeForeign = true;
  bool m_checkWhileTyping = false;
  bool m_pausing = false;
  int m_pauseMs = 0;
};
