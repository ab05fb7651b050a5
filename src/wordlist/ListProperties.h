#pragma once
// The texts of the list properties dialog as they follow from a list, the
// conversion of the description between its stored and its shown form, and
// the way the dialog's result goes back into the list.
#include <string>

#include <QString>

class CWordList;

// What the properties dialog hands back.
struct ListPropertiesEdit {
  std::string title;
  std::string owner;
  std::string description;  // stored form
  bool changed = false;     // one of the three differs from what was shown
};

// The name of the list's file format, from the extension (any case).
QString ListFormatText(const QString& extension);
// The creator, or the "not available" text for lists the program did not write.
QString ListCreatorText(const std::string& creator);
// The folder of the list's file: the path up to where the list's name begins.
// Not available while the list has no file of its own.
QString ListFolderText(const QString& path, const QString& displayName);
// "<size> bytes" for the file at path; 0 when it cannot be read (no file yet,
// file gone).
QString ListFileSizeText(const QString& path, const QString& displayName);

// A description is one line in the list: its line feeds are held as 0x1E and
// its carriage returns as 0x1F. These turn one form into the other.
std::string DescriptionForDisplay(std::string stored);
std::string DescriptionForStorage(std::string shown);

// Puts title, owner and description into the list when the dialog changed any
// of them, and marks the list modified. Returns whether it did.
bool ApplyListProperties(CWordList& list, const ListPropertiesEdit& edit);
