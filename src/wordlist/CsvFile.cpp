#include "CsvFile.h"

#include <algorithm>
#include <map>

#include "WordList.h"
#include "lang/TextCodec.h"

namespace {

// Rows looked at to find the delimiter: enough for a header and a few words,
// few enough that a large file costs nothing.
constexpr int kSampleRows = 20;

// Moves pos past one line end (CR LF, LF or CR) at pos.
void SkipLineEnd(std::string_view data, std::size_t& pos) {
  if (data[pos] == '\r' && pos + 1 < data.size() && data[pos + 1] == '\n') ++pos;
  ++pos;
}

// A field as the file holds it: UTF-8, on one line, quoted when a reader
// would otherwise split it or lose its outer spaces.
std::string CsvText(const std::string& listText) {
  // A list text never holds a line break; should one slip in, it must not
  // split the row. The reader turns breaks into a space as well.
  const std::string oneLine = CWordList::OneLine(listText);
  // Spreadsheets read UTF-8 when the file has the mark.
  const std::string text = RepairedUtf8(oneLine);
  const bool quote = text.find_first_of(",\"") != std::string::npos ||
                     (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quote) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

void AppendRow(std::string& out, const std::string& first, const std::string& second) {
  const std::string a = CsvText(first);
  const std::string b = CsvText(second);
  // ",": a reader skips it as an empty row, which would drop the word (or
  // make the first word the header); a quoted empty field keeps the row.
  out += a.empty() && b.empty() ? std::string("\"\"") : a;
  out += ',';
  out += b;
  out += "\r\n";
}

}  // namespace

CCsvFile::CCsvFile(std::string_view data, char delimiter) : m_data(data), m_delimiter(delimiter) {}

bool CCsvFile::NextRow(std::vector<CsvField>& fields, bool* clean) {
  if (m_pos >= m_data.size()) return false;
  fields.clear();
  bool rulesKept = true;
  const char stops[] = {m_delimiter, '\r', '\n', '\0'};
  const std::string_view unquotedStops(stops, 3);
  for (;;) {
    CsvField field;
    if (m_pos < m_data.size() && m_data[m_pos] == '"') {
      field.quoted = true;
      ++m_pos;
      bool closed = false;
      for (;;) {
        const std::size_t special = m_data.find_first_of("\"\r\n", m_pos);
        const std::size_t end = special == std::string_view::npos ? m_data.size() : special;
        field.text.append(m_data.substr(m_pos, end - m_pos));
        m_pos = end;
        if (m_pos >= m_data.size()) break;
        if (m_data[m_pos] == '"') {
          if (m_pos + 1 < m_data.size() && m_data[m_pos + 1] == '"') {
            field.text += '"';
            m_pos += 2;
            continue;
          }
          ++m_pos;
          closed = true;
          break;
        }
        field.text += ' ';
        SkipLineEnd(m_data, m_pos);
      }
      if (!closed) rulesKept = false;
    }
    // The unquoted field, or whatever follows a closing quote up to the
    // delimiter: kept as text.
    std::size_t end = m_data.find_first_of(unquotedStops, m_pos);
    if (end == std::string_view::npos) end = m_data.size();
    const std::string_view rest = m_data.substr(m_pos, end - m_pos);
    if ((field.quoted && !rest.empty()) || rest.find('"') != std::string_view::npos)
      rulesKept = false;
    field.text.append(rest);
    m_pos = end;
    fields.push_back(std::move(field));

    if (m_pos >= m_data.size()) break;
    if (m_data[m_pos] == m_delimiter) {
      // Even at the very end a delimiter opens another (empty) field.
      ++m_pos;
      continue;
    }
    SkipLineEnd(m_data, m_pos);
    break;
  }
  if (clean) *clean = rulesKept;
  return true;
}

bool CCsvFile::IsWordless(const std::vector<CsvField>& fields) {
  if (fields.size() < 2) return true;
  const auto empty = [](const CsvField& f) { return f.text.empty() && !f.quoted; };
  return empty(fields[0]) && empty(fields[1]);
}

char CCsvFile::DetectDelimiter(std::string_view data) {
  // On a tie the rarer character in words wins: a tab or a semicolon in
  // every row says more than a comma, which often separates alternatives.
  static constexpr char kByPreference[] = {'\t', ';', ','};
  char best = ',';
  int bestSplit = 0;
  int bestAgreeing = 0;
  for (const char delimiter : kByPreference) {
    CCsvFile file(data, delimiter);
    std::vector<CsvField> fields;
    std::map<std::size_t, int> widths;  // number of fields -> rows split so
    int split = 0;
    bool clean = true;
    for (int rows = 0; rows < kSampleRows && file.NextRow(fields, &clean);) {
      if (fields.size() == 1 && fields[0].text.empty()) continue;  // blank line
      ++rows;
      if (fields.size() < 2 || !clean) continue;
      ++split;
      ++widths[fields.size()];
    }
    int agreeing = 0;
    for (const auto& [width, count] : widths) agreeing = std::max(agreeing, count);
    if (split > bestSplit || (split == bestSplit && agreeing > bestAgreeing)) {
      best = delimiter;
      bestSplit = split;
      bestAgreeing = agreeing;
    }
  }
  return best;
}

int CCsvFile::CountWordRows(std::string_view data, char delimiter) {
  CCsvFile file(data, delimiter);
  std::vector<CsvField> fields;
  int count = 0;
  while (file.NextRow(fields))
    if (!IsWordless(fields)) ++count;
  return count;
}

std::string CCsvFile::Format(const CWordList& list) {
  std::string out(kUtf8Bom);
  AppendRow(out, list.GetFirstLanguage(), list.GetSecondLanguage());
  const int count = list.GetCount();
  for (int i = 0; i < count; ++i) AppendRow(out, list.GetForeign(i), list.GetTranslation(i));
  return out;
}
