#pragma once
// The language text library: texts of several languages, fetched by number.
// A C interface so that the rest of the program (and any other tool) can bind
// to it the same way whatever the library keeps inside.

#include <cstdint>

extern "C" {

// Text number n in the current language, as a NUL-terminated UTF-8 string. The pointer stays valid
// until the next call that changes the language; callers copy it at once. Never null for a known
// number; null (or "") for an unknown one.
const char* VKLangGetText(std::uint32_t n);

// Switches to language index (0-based). 0 on success, non-zero on failure;
// after a failure the current language stays usable.
std::int32_t VKLangSetLanguage(std::int32_t index);

std::int32_t VKLangGetLangCount();

// Display name of language index (UTF-8), or null when out of range.
const char* VKLangGetLangName(std::int32_t index);

std::uint32_t VKLangGetVersionI();

// Version of the companion file library.
std::uint32_t VKFilesGetVersionI();

// Folder that holds the catalogs; the library looks in the program's data
// folder when this is never called (or with null or ""). Resets the loaded
// catalogs: the next call reads them again and starts in the language of the
// user's locale.
void VKLangSetCatalogDir(const char* utf8Path);

// Non-zero when a catalog was missing or damaged when it was loaded; the
// start-up check reports it.
std::int32_t VKLangHasCatalogError();

// Text id of the program's string table in the current language (the
// application name, the system-menu items, the start-up messages), as a
// NUL-terminated UTF-8 string; null for an unknown id. Its numbers
// overlap the language texts, hence a function of its own.
const char* VKLangGetStringTableText(std::uint32_t id);

}  // extern "C"
