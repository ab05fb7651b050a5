#pragma once
// One language catalog: the texts of one language, read from its UTF-8 data
// file and held as UTF-8.
//
// File format (one entry per line, LF or CR LF):
//   # comment                       ignored, as are empty lines
//   @language<TAB>Svenska           display name of the language
//   @section<TAB>texts              language texts (the section at the start)
//   @section<TAB>strings            the program's string table, whose numbers
//                                   overlap the language texts
//   104<TAB>Namnlös<TAB>role        number, text, optional role comment
// In a text, \n, \t and \\ stand for a line feed, a tab and a backslash.
#include <map>
#include <string>

#include <QByteArray>
#include <QString>
#include <QStringList>

class CLangCatalog {
 public:
  // Largest catalog file read; anything bigger is not a catalog.
  static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

  // Reads the catalog file at path. False when it cannot be used at all
  // (missing, unreadable, too big, no text in it); a bad line only marks the
  // catalog damaged and leaves that one entry out.
  bool Load(const QString& path);

  // Reads catalog data already in memory; the same rules as Load.
  bool Parse(const QByteArray& data);

  bool IsUsable() const { return !m_texts.empty(); }
  bool IsDamaged() const { return !m_problems.isEmpty(); }
  // What was wrong, one line per problem, for diagnostics and tests.
  const QStringList& Problems() const { return m_problems; }

  // The display name from the header; empty when the header lacks it.
  const QString& Name() const { return m_name; }

  // Text n, or null when the catalog does not have it.
  const std::string* Text(unsigned n) const;
  // String-table text id: the strings section first, then the texts (the
  // string table's program name and start-up messages live there).
  const std::string* StringTableText(unsigned id) const;

  const std::map<unsigned, std::string>& Texts() const { return m_texts; }
  const std::map<unsigned, std::string>& Strings() const { return m_strings; }

 private:
  void Clear();
  void ParseLine(int lineNo, const QByteArray& raw);
  void Problem(int lineNo, const QString& what);

  QString m_name;
  std::map<unsigned, std::string> m_texts;
  std::map<unsigned, std::string> m_strings;
  std::map<unsigned, std::string>* m_section = &m_texts;
  QStringList m_problems;
};
