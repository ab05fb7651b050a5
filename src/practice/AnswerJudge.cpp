#include "AnswerJudge.h"

#include <algorithm>

#include "Exercise.h"
#include "PracticeTexts.h"

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view Strip(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

char UpperAsciiChar(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::vector<std::string> CAnswerJudge::SplitTyped(std::string_view typed) {
  std::vector<std::string> parts;
  while (true) {
    const std::size_t comma = typed.find(',');
    const std::string_view piece = Strip(typed.substr(0, comma));
    if (!piece.empty()) parts.emplace_back(piece);
    if (comma == std::string_view::npos) break;
    typed.remove_prefix(comma + 1);
  }
  return parts;
}

bool CAnswerJudge::Matches(std::string_view typed, std::string_view stored,
                           bool caseDistinguished) {
  if (typed.size() != stored.size()) return false;
  if (caseDistinguished) return typed == stored;
  return std::equal(typed.begin(), typed.end(), stored.begin(),
                    [](char a, char b) { return UpperAsciiChar(a) == UpperAsciiChar(b); });
}

std::string CAnswerJudge::UpperAscii(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), UpperAsciiChar);
  return out;
}

std::vector<std::string> CAnswerJudge::StoredAlternatives() const {
  const int i = m_exercise.Current() - 1;
  const bool side = m_exercise.WriteForeign();
  const int n = m_exercise.AnswerCount(i, side);
  std::vector<std::string> stored;
  stored.reserve(n);
  for (int k = 1; k <= n; ++k) {
    // Typed alternatives lose all white space at their ends, so the stored
    // ones must too: 'house,  building' (two spaces) must accept 'building'.
    stored.emplace_back(Strip(m_exercise.AnswerPart(i, k, side)));
  }
  return stored;
}

bool CAnswerJudge::IsRight(const std::vector<std::string>& typed, bool caseDistinguished) const {
  const std::vector<std::string> stored = StoredAlternatives();
  return std::all_of(typed.begin(), typed.end(), [&](const std::string& t) {
    return std::any_of(stored.begin(), stored.end(),
                       [&](const std::string& s) { return Matches(t, s, caseDistinguished); });
  });
}

AnswerVerdict CAnswerJudge::CheckAnswer(const std::string& typed, const AnswerOptions& options) {
  AnswerVerdict v;
  if (!m_exercise.HasQuestion() || m_exercise.IsPausing()) return v;

  const std::vector<std::string> answers = SplitTyped(typed);
  if (answers.empty()) {
    // Enter on an empty field is not an answer. Only a word whose answer
    // side is itself empty takes the empty text as its answer.
    const std::vector<std::string> stored = StoredAlternatives();
    const bool storedEmpty =
        std::all_of(stored.begin(), stored.end(), [](const std::string& s) { return s.empty(); });
    if (!storedEmpty) return v;
  }

  v.textColour = AnswerColour::Black;
  v.background = AnswerColour::Window;
  if (m_exercise.IsCopyMode()) return CheckCopy(typed, options.caseDistinguished);

  if (IsRight(answers, options.caseDistinguished)) {
    v.outcome = AnswerOutcome::Right;
    v.groupCaption = kTxtRightGroup;
    v.background = AnswerColour::Green;
    // A right second attempt is not shown in the panel's counters.
    v.showCounters = !m_exercise.IsRetryPending();
    v.statusText = kTxtStatusRight;
    if (options.rightSound) v.sound = AnswerSound::Right;
    v.startPause = true;
    v.pauseMs = m_exercise.PauseMs();
    m_exercise.RecordRight();
    return v;
  }

  if (options.wrongSound) v.sound = AnswerSound::Wrong;
  v.showCounters = true;
  v.statusRed = true;
  if (!m_exercise.IsRetryPending()) {
    v.outcome = AnswerOutcome::FirstWrong;
    v.background = AnswerColour::Red;
    v.groupCaption = kTxtWrongOnceGroup;
    v.statusText = kTxtStatusWrongOnce;
    m_exercise.RecordFirstWrong();
    return v;
  }

  v.outcome = AnswerOutcome::SecondWrong;
  v.background = AnswerColour::Green;
  v.fieldText = m_exercise.AnswerText();
  v.groupCaption = kTxtCopyGroup;
  v.buttonCaption = kTxtCopyButton;
  v.statusText = kTxtStatusWrongTwice;
  m_exercise.RecordSecondWrong();
  return v;
}

AnswerVerdict CAnswerJudge::CheckCopy(const std::string& typed, bool caseDistinguished) {
  AnswerVerdict v;
  v.textColour = AnswerColour::Black;
  v.background = AnswerColour::Window;
  std::string copy = typed;
  std::string answer = m_exercise.AnswerText();
  if (!caseDistinguished) {
    copy = UpperAscii(copy);
    answer = UpperAscii(answer);
  }
  if (copy == answer) {
    v.outcome = AnswerOutcome::Copied;
    v.groupCaption = kTxtRightGroup;
    v.buttonCaption = kTxtAnswerButtonAgain;
    v.askNext = true;
    m_exercise.RecordCopied();
    return v;
  }
  v.outcome = AnswerOutcome::CopyAgain;
  // The answer as stored: the folded copy only serves the comparison, and
  // a learner must never be shown a misspelling to copy.
  v.fieldText = m_exercise.AnswerText();
  // The answer put back is the one to copy, so the field shows green at once.
  v.background = AnswerColour::Green;
  return v;
}

TypingFeedback CAnswerJudge::OnAnswerChanged(const std::string& text,
                                             bool caseDistinguished) const {
  TypingFeedback f;
  if (!m_exercise.HasQuestion() || m_exercise.IsPausing()) return f;

  const std::string answer = m_exercise.AnswerText();
  if (m_exercise.IsCopyMode()) {
    const bool same = caseDistinguished ? text == answer : UpperAscii(text) == UpperAscii(answer);
    f.background = same ? AnswerColour::Green : AnswerColour::Window;
    return f;
  }

  // The red of a first wrong answer goes with the first change.
  if (m_exercise.IsRetryPending()) f.background = AnswerColour::Window;
  if (!m_exercise.CheckWhileTyping()) return f;

  const std::vector<std::string> stored = StoredAlternatives();
  const std::vector<std::string> typed = SplitTyped(text);
  const bool onTrack = std::all_of(typed.begin(), typed.end(), [&](const std::string& t) {
    return std::any_of(stored.begin(), stored.end(), [&](const std::string& s) {
      return Matches(t, std::string_view(s).substr(0, t.size()), caseDistinguished);
    });
  });
  f.textColour = onTrack ? AnswerColour::Black : AnswerColour::Red;
  // The whole stored answer typed exactly is submitted without Enter. The
  // empty text never is: the program empties the field at every question.
  if (!text.empty() && text == answer) {
    f.textColour = AnswerColour::Black;
    f.submit = true;
  }
  return f;
}
