#pragma once
// Texts in memory are UTF-8 in every layer. Files hold them in UTF-8 or, as
// list files always did, in Windows-1252; these are the conversions at the
// file boundary.
#include <string>
#include <string_view>

// Every byte becomes a character: the five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of the same
// value, so that a file read and written again keeps every byte.
std::string Cp1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text. False when a character has no byte
// there, or text is not valid UTF-8; out is then unspecified.
bool Utf8ToCp1252(std::string_view text, std::string& out);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// bytes as UTF-8 wherever they form valid sequences; every other byte is read
// as Windows-1252, so that a file with a stray byte loses nothing. Valid
// UTF-8 comes back unchanged.
std::string RepairedUtf8(std::string_view bytes);

// UTF-16 without its byte order mark as UTF-8. A surrogate without its partner
// and an odd last byte become U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

// The text of a plain text file from another program, as UTF-8: decoded as its
// byte order mark says (UTF-8, UTF-16 LE or BE; the mark is dropped), else as
// UTF-8 when the file is valid UTF-8, else as Windows-1252.
std::string DecodeTextFile(std::string_view bytes);

// The byte order mark of UTF-8.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
