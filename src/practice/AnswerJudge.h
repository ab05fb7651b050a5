#pragma once
// Judging what the user typed for the question being asked. The judge counts
// the outcome into the CExercise and returns everything the main window has
// to show for it; the window only applies the verdict to its widgets, and
// stops or starts its pause timer as told.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

class CExercise;

// The colours of the answer field. Window is the platform's window
// background colour.
enum class AnswerColour { Black, Red, Green, Window };

enum class AnswerSound { None, Right, Wrong };

enum class AnswerOutcome {
  NotJudged,    // nothing to judge: no answer, no question, or the pause runs
  Right,        // the pause starts; the next question follows when it ends
  FirstWrong,   // a second attempt follows
  SecondWrong,  // the right answer stands in the field to be copied
  Copied,       // the right answer was copied: the next question at once
  CopyAgain     // the copy was not exact: the right answer is put back
};

// The options the check reads at the moment of the answer.
struct AnswerOptions {
  bool caseDistinguished = true;
  bool rightSound = false;
  bool wrongSound = false;
};

// What the window does with an answer, in this order: colours, field text,
// captions, counters, status, sound, then the pause or the next question.
// Unset members leave the widget as it is.
struct AnswerVerdict {
  AnswerOutcome outcome = AnswerOutcome::NotJudged;
  std::optional<AnswerColour> textColour;
  std::optional<AnswerColour> background;
  // Replaces the field's text; the exercise is already in copy mode, so the
  // change handling turns the field green instead of judging it.
  std::optional<std::string> fieldText;
  std::optional<unsigned> groupCaption;   // answer group box
  std::optional<unsigned> buttonCaption;  // answer button
  bool showCounters = false;
  std::optional<unsigned> statusText;  // left status pane
  bool statusRed = false;              // else the normal window-text colour
  AnswerSound sound = AnswerSound::None;
  bool startPause = false;  // start the pause timer with pauseMs
  int pauseMs = 0;
  bool askNext = false;  // ask the next question now
};

// What the window does after every change of the answer field's text.
struct TypingFeedback {
  std::optional<AnswerColour> textColour;
  std::optional<AnswerColour> background;
  bool submit = false;  // judge the answer now (the whole answer was typed)
};

class CAnswerJudge {
 public:
  explicit CAnswerJudge(CExercise& exercise) : m_exercise(exercise) {}

  AnswerVerdict CheckAnswer(const std::string& typed, const AnswerOptions& options);
  TypingFeedback OnAnswerChanged(const std::string& text, bool caseDistinguished) const;

  // The typed text split at commas, each piece stripped of white space at
  // both ends, empty pieces dropped.
  static std::vector<std::string> SplitTyped(std::string_view typed);
  // Equality of a typed and a stored text: the same characters, however an
  // accent was typed; without case, in any script (full Unicode case folding,
  // the Turkish İ folding to i).
  static bool Matches(std::string_view typed, std::string_view stored, bool caseDistinguished);
  // Whether typed is the beginning of stored, by the same rule.
  static bool Begins(std::string_view typed, std::string_view stored, bool caseDistinguished);
  // The form in which texts are compared.
  static QString Comparable(std::string_view text, bool caseDistinguished);

 private:
  // The stored alternatives of the current question, stripped as typed ones are.
  std::vector<std::string> StoredAlternatives() const;
  bool IsRight(const std::vector<std::string>& typed, bool caseDistinguished) const;
  AnswerVerdict CheckCopy(const std::string& typed, bool caseDistinguished);

  CExercise& m_exercise;
};
