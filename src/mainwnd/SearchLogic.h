#pragma once
// The word search of the editing panel.
#include <string>

class CWordList;

// The index of the first word after current whose foreign word contains text
// (exact, case included); failing that, the first word after current whose
// translation contains it. When nothing after current matches, the search
// starts once more from the top. -1 when no word matches at all. current is
// the line the user is on, -1 for none.
int FindNextWord(const CWordList& list, int current, const std::string& text);
