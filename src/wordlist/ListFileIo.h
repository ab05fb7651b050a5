#pragma once
// The readers and writers of every list file type, and the steps that
// CWordList::Load and CWordList::Write take around each of them.
#include <string>
#include <string_view>

#include <QString>

class CIniFile;
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

  // text in Windows-1252; a character it cannot hold becomes "?", and
  // *lossy (when given) is set.
  static std::string ToListText(const QString& text, bool* lossy = nullptr);

  static bool IsExportType(const QString& type);

 private:
  static int Parse(CWordList& list, const QString& type, std::string data);
  static int Reject(CWordList& list);
  static bool ReadVersion2(CWordList& list, const CIniFile& ini);
  static bool ReadVersion1(CWordList& list, const CIniFile& ini);
  static bool ReadOrd(CWordList& list, std::string_view data, QStringList& lossyWords);
  static void ReadDelimited(CWordList& list, std::string_view data, char separator,
                            QStringList& lossyWords);
  // False when the list's CSV question declined the file.
  static bool ReadCsv(CWordList& list, std::string_view data, QStringList& lossyWords);
  static void FinishLoad(CWordList& list, const QString& type);

  static std::string FormatVersion2(const CWordList& list);
  static std::string FormatVersion1(const CWordList& list);
  static std::string FormatOrd(const CWordList& list);
  static std::string FormatDelimited(const CWordList& list, char separator);
  static std::string FormatHtml(const CWordList& list);
};
