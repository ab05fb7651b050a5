#include "Exercise.h"

#include <algorithm>
#include <cstdint>

#include "lang/TextParse.h"

namespace {

// The pause text split as the options panel reads it: whole seconds as atoi
// reads them, and up to two digits after the first '.' (or else ',').
struct PauseParts {
  std::int64_t seconds = 0;
  int tenths = -1;      // -1: no character after the separator
  int hundredths = -1;  // -1: no second character after it
};

PauseParts SplitPause(std::string_view text) {
  PauseParts parts;
  parts.seconds = LeadingInteger(text);
  std::size_t sep = text.find('.');
  if (sep == std::string_view::npos) sep = text.find(',');
  if (sep == std::string_view::npos) return parts;
  // A 0, and anything but a digit, counts as nothing.
  auto digit = [](char c) { return c >= '1' && c <= '9' ? c - '0' : 0; };
  if (sep + 1 < text.size()) parts.tenths = digit(text[sep + 1]);
  if (sep + 2 < text.size()) parts.hundredths = digit(text[sep + 2]);
  return parts;
}

std::int64_t PartsToMs(const PauseParts& parts) {
  return parts.seconds * 1000 + std::max(parts.tenths, 0) * 100 +
         std::max(parts.hundredths, 0) * 10;
}

}  // namespace

CExercise::CExercise() {
  ClearTable(ExerciseTable::Questions);
  ClearTable(ExerciseTable::WrongWords);
  Reset();
}

CExercise::Table& CExercise::TableOf(ExerciseTable table) {
  return table == ExerciseTable::Questions ? m_questions : m_wrongWords;
}

const CExercise::Table& CExercise::TableOf(ExerciseTable table) const {
  return table == ExerciseTable::Questions ? m_questions : m_wrongWords;
}

void CExercise::Reset() {
  m_total = 0;
  ResetForRestart();
}

void CExercise::ResetForRestart() {
  m_current = 0;
  m_rightFirstTry = 0;
  m_rightSecondTry = 0;
  m_wrongAnswers = 0;
  m_retryPending = false;
  m_copyMode = false;
  // A pause still running belongs to the question before the restart.
  m_pausing = false;
}

void CExercise::ClearTable(ExerciseTable table) {
  Table& entries = TableOf(table);
  for (int i = 0; i < kTableSize; ++i) {
    ExerciseEntry& e = entries[i];
    e.m_foreign.clear();
    e.m_translation.clear();
    e.m_used = 0;
    e.m_number = i;
  }
}

void CExercise::LoadQuestions(const CWordList::SlotTable& slots) {
  for (int i = 0; i < kTableSize; ++i) {
    const WordSlot& s = slots[i];
    m_questions[i] = ExerciseEntry{s.m_foreign, s.m_translation, s.m_used, s.m_number, s.m_mark};
  }
}

int CExercise::AddWrongWord(const std::string& foreign, const std::string& translation, int mark) {
  const int i = CountEntries(ExerciseTable::WrongWords);
  if (i >= kTableSize) return -1;
  m_wrongWords[i] = ExerciseEntry{foreign, translation, 1, i + 1, mark};
  return 0;
}

int CExercise::CountEntries(ExerciseTable table) const {
  const Table& entries = TableOf(table);
  for (int i = 0; i < kTableSize; ++i) {
    if (entries[i].m_used == 0) return i;
  }
  return kTableSize;
}

const ExerciseEntry* CExercise::EntryAt(ExerciseTable table, int i) const {
  return i >= 0 && i < kTableSize ? &TableOf(table)[i] : nullptr;
}

std::string CExercise::GetEntryForeign(ExerciseTable table, int i) const {
  const ExerciseEntry* e = EntryAt(table, i);
  return e ? e->m_foreign : std::string();
}

std::string CExercise::GetEntryTranslation(ExerciseTable table, int i) const {
  const ExerciseEntry* e = EntryAt(table, i);
  return e ? e->m_translation : std::string();
}

int CExercise::GetEntryMark(ExerciseTable table, int i) const {
  const ExerciseEntry* e = EntryAt(table, i);
  return e ? e->m_mark : 0;
}

void CExercise::PromoteWrongWords() {
  ClearTable(ExerciseTable::Questions);
  m_questions = m_wrongWords;
  ClearTable(ExerciseTable::WrongWords);
}

int CExercise::Start(CWordList& list, const ExerciseSetup& setup) {
  Reset();
  ClearTable(ExerciseTable::WrongWords);
  m_writeForeign = setup.writeForeign;
  SetCheckWhileTyping(setup.checkWhileTyping);
  if (setup.shuffle) list.Shuffle();
  LoadQuestions(list.GetSlotTable());
  const int n = CountEntries(ExerciseTable::Questions);
  // A negative N (the edit not yet clamped) asks nothing rather than
  // breaking 0 <= m_current <= m_total.
  m_total = setup.onlyFirstN ? std::clamp(setup.n, 0, n) : n;
  SetPause(setup.pauseText);
  return m_total;
}

CExercise::NextResult CExercise::NextQuestion() {
  if (m_copyMode) return NextResult::Blocked;
  m_pausing = false;
  if (m_current >= m_total) return NextResult::Finished;
  ++m_current;
  return NextResult::Asked;
}

void CExercise::StartWrongWordsAgain() {
  PromoteWrongWords();
  Reset();
  m_total = CountEntries(ExerciseTable::Questions);
}

const ExerciseEntry* CExercise::CurrentEntry() const {
  return EntryAt(ExerciseTable::Questions, std::max(m_current, 1) - 1);
}

std::string CExercise::CurrentWord(bool foreignSide) {
  if (m_current < 1) m_current = 1;
  const ExerciseEntry* e = CurrentEntry();
  if (!e) return {};
  return foreignSide ? e->m_foreign : e->m_translation;
}

int CExercise::MarkAt(int i) const {
  const ExerciseEntry* e = EntryAt(ExerciseTable::Questions, i);
  return e ? e->m_mark : 0;
}

int CExercise::AnswerCount(int i, bool foreignSide) const {
  const ExerciseEntry* e = EntryAt(ExerciseTable::Questions, i);
  if (!e) return 1;
  const std::string& text = foreignSide ? e->m_foreign : e->m_translation;
  return static_cast<int>(std::count(text.begin(), text.end(), ',')) + 1;
}

std::string CExercise::AnswerPart(int i, int k, bool foreignSide) const {
  const ExerciseEntry* e = EntryAt(ExerciseTable::Questions, i);
  if (!e) return {};
  std::string text = foreignSide ? e->m_foreign : e->m_translation;
  const int n = AnswerCount(i, foreignSide);
  for (int j = 2; j <= k && j <= n; ++j) {
    text.erase(0, text.find(',') + 1);
  }
  if (const std::size_t comma = text.find(','); n > k && comma != std::string::npos) {
    text.erase(comma);
  }
  // One space at each end only: the stored alternative is otherwise kept as
  // it stands in the list.
  if (!text.empty() && text.front() == ' ') text.erase(0, 1);
  if (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string CExercise::AnswerText() const {
  const ExerciseEntry* e = CurrentEntry();
  if (!e) return {};
  return m_writeForeign ? e->m_foreign : e->m_translation;
}

std::string CExercise::QuestionText() const {
  const ExerciseEntry* e = CurrentEntry();
  if (!e) return {};
  return m_writeForeign ? e->m_translation : e->m_foreign;
}

std::string CExercise::QuestionLine() const {
  const int count = AnswerCount(std::max(m_current, 1) - 1, m_writeForeign);
  std::string line = QuestionText();
  if (count >= 2) line += " (" + std::to_string(count) + ")";
  return line;
}

void CExercise::RecordRight() {
  if (m_retryPending) {
    ++m_rightSecondTry;
  } else {
    ++m_rightFirstTry;
  }
  m_retryPending = false;
  m_pausing = true;
}

void CExercise::RecordFirstWrong() {
  const ExerciseEntry* e = CurrentEntry();
  if (e) {
    // Words missed before a restart are still in the table; note each word
    // once, so that practising the wrong words again asks it once.
    const int count = CountEntries(ExerciseTable::WrongWords);
    const bool known = std::any_of(
        m_wrongWords.begin(), m_wrongWords.begin() + count, [e](const ExerciseEntry& w) {
          return w.m_foreign == e->m_foreign && w.m_translation == e->m_translation;
        });
    if (!known) AddWrongWord(e->m_foreign, e->m_translation, e->m_mark);
  }
  m_retryPending = true;
  ++m_wrongAnswers;
}

void CExercise::RecordSecondWrong() {
  m_retryPending = false;
  ++m_wrongAnswers;
  m_copyMode = true;
}

int CExercise::PauseTextToMs(std::string_view text) {
  const std::int64_t ms = PartsToMs(SplitPause(text));
  return static_cast<int>(std::clamp<std::int64_t>(ms, 0, kMaxPauseMs));
}

std::string CExercise::NormalisePauseText(std::string_view text) {
  PauseParts parts = SplitPause(text);
  const std::int64_t ms = PartsToMs(parts);
  if (ms < 0 || ms > kMaxPauseMs) {
    parts = PauseParts{ms < 0 ? 0 : kMaxPauseMs / 1000, -1, -1};
  }
  std::string out = std::to_string(parts.seconds);
  if (parts.tenths >= 0) out += "." + std::to_string(parts.tenths);
  if (parts.hundredths >= 0) out += std::to_string(parts.hundredths);
  return out;
}
