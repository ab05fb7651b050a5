#pragma once
// Reading numbers and trimming the way the list files and settings have
// always been read: C white space, an optional sign, decimal digits.
#include <cstdint>
#include <string_view>

#include <QString>

// Space, tab, line feed, vertical tab, form feed, carriage return.
bool IsSpace(char c);

// text without white space at either end.
std::string_view TrimSpace(std::string_view text);

// The leading decimal integer of text as atoi reads it (white space, sign,
// digits; 0 when there are none), saturating at +-10^12 instead of
// overflowing. *used, when given, is the number of characters read.
std::int64_t LeadingInteger(std::string_view text, std::size_t* used = nullptr);

// The same clamped to the int range.
int LeadingInt(std::string_view text);
int LeadingInt(const QString& text);

// Language text n with arg put in for its first "%s"; a text without one
// is shown as it stands.
QString LangQTextWith(unsigned n, const QString& arg);
