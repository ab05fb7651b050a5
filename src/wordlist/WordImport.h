#pragma once
// Taking words chosen in another list into the open list, and the report the
// user gets about it.
#include <string>

#include <QString>

class CWordList;

struct ImportResult {
  int added = 0;
  // One line per word left out: foreign word, tab, translation, line feed
  // (UTF-8).
  std::string skipped;
};

// Adds every word of chosen that the target does not hold yet, in order. A
// word counts as held when its foreign word equals a foreign word of the
// target, or its translation a translation (exact, case included); such words,
// and words that no longer fit, are listed in the result. The target is
// marked modified even when nothing was added: the user confirmed an import.
ImportResult ImportWordsInto(CWordList& target, const CWordList& chosen);

// The message shown after an import: the number added and, when some were
// left out, a heading with those words.
QString ImportReport(const ImportResult& result);
