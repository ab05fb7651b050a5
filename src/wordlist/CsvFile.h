#pragma once
// Comma-separated values as spreadsheet programs write them (RFC 4180): the
// rows and fields of a file's text, the delimiter a file uses, and the file
// the program writes of a list. What the fields mean to a list (header,
// words) and how the file's bytes become text are the list file reader's
// part.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

class CWordList;

// How a CSV file is read.
struct CsvOptions {
  char delimiter = ',';  // ',', ';' or '\t'
  bool header = true;    // the first row holds the two language names
};

// Asked before a CSV file is read into a list, with the file's path, its text
// (UTF-8, without a byte order mark, whatever the file's encoding) and the
// options found for it; it may change the options. False leaves the file
// unread.
using CsvQuestion =
    std::function<bool(const QString& path, std::string_view data, CsvOptions& options)>;

struct CsvField {
  std::string text;
  bool quoted = false;
};

class CCsvFile {
 public:
  static constexpr char kDelimiters[] = {',', ';', '\t'};

  // data is the file's text without a byte order mark.
  CCsvFile(std::string_view data, char delimiter);

  // The fields of the next row; false at the end of the data. A line break
  // inside a quoted field becomes one space. *clean (when given) tells
  // whether the row keeps the quoting rules: no quote inside an unquoted
  // field, nothing after a closing quote, no quote left open. Such rows are
  // still read, the stray quotes kept as text.
  bool NextRow(std::vector<CsvField>& fields, bool* clean = nullptr);

  // A row that holds no word: fewer than two fields, or its first two fields
  // empty and unquoted (what a spreadsheet writes for an empty row).
  static bool IsWordless(const std::vector<CsvField>& fields);

  // The delimiter the first rows of data use: the one that splits most of
  // them cleanly into the same number of fields. Comma when none does.
  static char DetectDelimiter(std::string_view data);

  // The number of rows of data that hold a word pair, header included.
  static int CountWordRows(std::string_view data, char delimiter);

  // The CSV file of list: UTF-8 with a byte order mark, comma delimiter,
  // CR LF line ends, a header row with the two language names, then one row
  // per word.
  static std::string Format(const CWordList& list);

 private:
  std::string_view m_data;
  std::size_t m_pos = 0;
  char m_delimiter;
};
