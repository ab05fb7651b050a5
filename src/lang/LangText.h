#pragma once
#include <string>

#include <QString>

// Language text n, copied (UTF-8). Every text the user sees
// comes through here.
std::string LangText(unsigned n);

// The same text ready for a widget.
QString LangQText(unsigned n);

// String-table text id (the program's own resource strings, whose numbers
// overlap the language texts), in the current language.
std::string StringTableText(unsigned id);
QString StringTableQText(unsigned id);
