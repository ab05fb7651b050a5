#pragma once
// The readers and writers of every list file type. A reader hands back what
// the file holds; CWordList takes it over, so that a file that cannot be read
// leaves nothing of itself in the open list.
//
// This is where texts meet files: the list holds UTF-8, the files hold what
// they always held as long as every text fits Windows-1252, and UTF-8 when
// some text does not (version 1 and 2 files with the line ENCODING=UTF-8 after
// their VERSION line, interchange files with a byte order mark, the web page
// with its character set in the head). Interchange files from other programs
// are read in whatever their byte order mark, or their bytes, say.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include "CsvFile.h"

class CPlatform;
class CWordList;

// The list information and words of a file as read.
struct ListFileContent {
  std::string firstLanguage;
  std::string secondLanguage;
  // Only version 2 files have a title of their own; without one the list is
  // named after the file.
  std::optional<std::string> title;
  std::string owner;
  std::string description;
  std::string creator;
  struct Word {
    std::string foreign;
    std::string translation;
    int mark = 0;
  };
  std::vector<Word> words;  // at most CWordList::kMaxWords
  // Read from an interchange type: the words make a new, untitled list.
  bool interchange = false;
};

enum class [[nodiscard]] ReadResult{
    Read,
    Rejected,  // not a list of its type; the user has been told
    Declined,  // the user declined to read a CSV file
};

// Where a file is read from, and who is asked and told.
struct ListFileSource {
  QString path;
  QString type;                   // upper case: "VK2", "VK1", "ORD", "TXT", "SKV", "SCV", "CSV"
  CPlatform* platform = nullptr;  // null: nothing is shown
  CsvQuestion csvQuestion;        // empty: a CSV file is read as its first rows suggest
};

class CListFileIo {
 public:
  // Reads the file at source.path.
  static ReadResult Read(const ListFileSource& source, ListFileContent& content);
  // The same on data already in memory; source.path serves only for messages.
  static ReadResult ReadBytes(const ListFileSource& source, std::string data,
                              ListFileContent& content);

  // Writes the list to path in type (upper case); false when the file could
  // not be written whole, and then the old file is as it was.
  [[nodiscard]] static bool Write(const CWordList& list, const QString& path, const QString& type);

  // The bytes of the file Write produces for type (upper case).
  static std::string Format(const CWordList& list, const QString& type);

  static bool IsExportType(const QString& type);
  static bool IsReadableType(const QString& type);
};
