#pragma once
// The readers and writers of every list file type, and the steps that
// CWordList::Load and CWordList::Write take around each of them.
//
// This is where texts meet files: the list holds UTF-8, the files hold what
// they always held as long as every text fits Windows-1252, and UTF-8 when
// some text does not (version 1 and 2 files with the line ENCODING=UTF-8 after
// their VERSION line, interchange files with a byte order mark, the web page
// with its character set in the head). Interchange files from other programs
// are read in whatever their byte order mark, or their bytes, say.
#include <string>
#include <string_view>

#include <QString>

#include "IniFile.h"

class CWordList;

class CListFileIo {
 public:
  // Reads the file the list names (m_path, type from m_extension) into the
  // list: 0 when read, -2 when rejected (the message has been shown), 2 when
  // the user declined to read a CSV file.
  static int Load(CWordList& list);

  // The same on data already in memory, read as a file of the given type;
  // list's path serves only for messages.
  static int ReadBytes(CWordList& list, const QString& type, std::string data);

  // Writes the list to m_path in the type m_extension names: 0 or -2.
  static int Write(CWordList& list);

  // The bytes of the file Write produces for type (upper case).
  static std::string Format(const CWordList& list, const QString& type);

  // Language text n with arg put in for its "%s".
  static QString LangFormat(unsigned n, const QString& arg);

  static bool IsExportType(const QString& type);

 private:
  // A version 1 or 2 file with the texts of its values as UTF-8, whatever
  // the file holds.
  class CNativeText {
   public:
    explicit CNativeText(std::string data);
    const CIniFile& Ini() const { return m_ini; }
    std::string Value(std::string_view section, std::string_view key) const;

   private:
    CIniFile m_ini;
    bool m_utf8 = false;
  };

  static int Parse(CWordList& list, const QString& type, std::string data);
  static int Reject(CWordList& list);
  static bool ReadVersion2(CWordList& list, const CNativeText& text);
  static bool ReadVersion1(CWordList& list, const CNativeText& text);
  // The interchange readers take the file's text as UTF-8.
  static bool ReadOrd(CWordList& list, std::string_view text);
  static void ReadDelimited(CWordList& list, std::string_view text, char separator);
  // False when the list's CSV question declined the file.
  static bool ReadCsv(CWordList& list, std::string_view text);
  static void FinishLoad(CWordList& list, const QString& type);

  // The text of each file type, UTF-8; utf8 adds what a file in UTF-8 holds
  // beyond one in Windows-1252.
  static std::string FormatVersion2(const CWordList& list, bool utf8);
  static std::string FormatVersion1(const CWordList& list, bool utf8);
  static std::string FormatOrd(const CWordList& list);
  static std::string FormatDelimited(const CWordList& list, char separator);
  static std::string FormatHtml(const CWordList& list, bool utf8);
};
