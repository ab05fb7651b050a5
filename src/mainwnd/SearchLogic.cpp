#include "SearchLogic.h"

#include "wordlist/WordList.h"

namespace {

// One pass over the words after `after`: a foreign word wins over a nearer
// translation.
int SearchAfter(const CWordList& list, int after, const std::string& text) {
  const int count = list.GetCount();
  for (int i = after + 1; i < count; ++i)
    if (list.GetForeign(i).find(text) != std::string::npos) return i;
  for (int i = after + 1; i < count; ++i)
    if (list.GetTranslation(i).find(text) != std::string::npos) return i;
  return -1;
}

}  // namespace

int FindNextWord(const CWordList& list, int current, const std::string& text) {
  if (current < -1) current = -1;
  const int found = SearchAfter(list, current, text);
  if (found >= 0 || current == -1) return found;
  return SearchAfter(list, -1, text);
}
