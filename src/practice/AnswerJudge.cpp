#include "AnswerJudge.h"

#include <algorithm>

#include <QList>
#include <QString>

#include "Exercise.h"
#include "PracticeTexts.h"

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// White space of any script goes: an input method may type the ideographic
// space, a copied word may end in a no-break space.
std::string Strip(std::string_view text) {
  return FromUtf8(text).trimmed().toStdString();
}

}  // namespace

std::vector<std::string> CAnswerJudge::SplitTyped(std::string_view typed) {
  std::vector<std::string> parts;
  while (true) {
    const std::size_t comma = typed.find(',');
    std::string piece = Strip(typed.substr(0, comma));
    if (!piece.empty()) parts.push_back(std::move(piece));
    if (comma == std::string_view::npos) break;
    typed.remove_prefix(comma + 1);
  }
  return parts;
}

QString CAnswerJudge::Comparable(std::string_view text, bool caseDistinguished) {
  // Decomposed, so that an accent typed apart from its letter (as some input
  // methods do) equals the accented letter of the list.
  QString form = FromUtf8(text).normalized(QString::NormalizationForm_D);
  if (caseDistinguished) return form;
  // Qt folds one character to one: through the capitals, which take the
  // special cases, the fold becomes the full one (ß and ẞ fold to ss, the
  // ligature ﬁ to fi, and both sigmas to σ). The Turkish dotless ı is a
  // letter of its own, whose capital would make it an i.
  QString folded;
  folded.reserve(form.size());
  for (const char32_t ch : form.toUcs4()) {
    QString one = QString::fromUcs4(&ch, 1).toCaseFolded();
    if (ch != U'ı') one = one.toUpper().toCaseFolded();
    folded += one;
  }
  form = folded;
  // The Turkish capital İ is the capital of i; its dot is no letter of its own.
  form.replace(QStringLiteral("i\u0307"), QStringLiteral("i"));
  return form.normalized(QString::NormalizationForm_D);
}

bool CAnswerJudge::Matches(std::string_view typed, std::string_view stored,
                           bool caseDistinguished) {
  if (typed == stored) return true;
  return Comparable(typed, caseDistinguished) == Comparable(stored, caseDistinguished);
}

bool CAnswerJudge::Begins(std::string_view typed, std::string_view stored, bool caseDistinguished) {
  return Comparable(stored, caseDistinguished).startsWith(Comparable(typed, caseDistinguished));
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
    stored.push_back(Strip(m_exercise.AnswerPart(i, k, side)));
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
  if (Matches(typed, m_exercise.AnswerText(), caseDistinguished)) {
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
    f.background =
        Matches(text, answer, caseDistinguished) ? AnswerColour::Green : AnswerColour::Window;
    return f;
  }

  // The red of a first wrong answer goes with the first change.
  if (m_exercise.IsRetryPending()) f.background = AnswerColour::Window;
  if (!m_exercise.CheckWhileTyping()) return f;

  const std::vector<std::string> stored = StoredAlternatives();
  const std::vector<std::string> typed = SplitTyped(text);
  const bool onTrack = std::all_of(typed.begin(), typed.end(), [&](const std::string& t) {
    return std::any_of(stored.begin(), stored.end(),
                       [&](const std::string& s) { return Begins(t, s, caseDistinguished); });
  });
  f.textColour = onTrack ? AnswerColour::Black : AnswerColour::Red;
  // The whole stored answer typed exactly is submitted without Enter. The
  // empty text never is: the program empties the field at every question.
  if (!text.empty() && Matches(text, answer, true)) {
    f.textColour = AnswerColour::Black;
    f.submit = true;
  }
  return f;
}
