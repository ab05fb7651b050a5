#pragma once
// The one conversion pair between the program's 8-bit texts (Windows-1252, as
// the list files hold them) and QString. All 256 byte values map both ways;
// the five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the C1 control characters of the same value, so no byte is lost.
#include <string>
#include <string_view>

#include <QString>

QString FromCp1252(std::string_view bytes);

// Converts text to Windows-1252. Returns false when a character has no
// Windows-1252 byte; such characters are left out of out, and the first
// offending character is put into *bad when bad is given.
bool ToCp1252(const QString& text, std::string& out, QChar* bad = nullptr);

// Convenience for texts known to be representable (ASCII and Latin-1 texts
// built by the program itself).
std::string ToCp1252(const QString& text);

// True when ch can be stored in a list file.
bool IsCp1252(QChar ch);
