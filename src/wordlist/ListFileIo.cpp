#include "ListFileIo.h"

#include <QStringList>

#include "Cp1252.h"
#include "CsvFile.h"
#include "FileBytes.h"
#include "IniFile.h"
#include "LangText.h"
#include "Platform.h"
#include "WordList.h"
#include "WordListTexts.h"

namespace {

constexpr std::string_view kMarker = CIniFile::kMissing;
constexpr std::string_view kBom = "\xEF\xBB\xBF";
// The replacement message names at most this many words.
constexpr int kMaxNamedWords = 20;

bool IsInterchangeType(const QString& type) {
  return type == QLatin1String("ORD") || type == QLatin1String("TXT") ||
         type == QLatin1String("SKV") || type == QLatin1String("SCV") ||
         type == QLatin1String("CSV");
}

bool IsSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    int extra = 0;
    unsigned min = 0;
    unsigned cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      extra = 1, min = 0x80, cp = c & 0x1Fu;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2, min = 0x800, cp = c & 0x0Fu;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3, min = 0x10000, cp = c & 0x07u;
    } else {
      return false;
    }
    if (s.size() - i <= static_cast<std::size_t>(extra)) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0u) != 0x80u) return false;
      cp = (cp << 6) | (d & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

bool HasNonAscii(std::string_view s) {
  for (const char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

// Interchange files come from other programs, which today mostly write
// UTF-8. A file that is valid UTF-8 throughout and not plain ASCII is taken
// as UTF-8; anything else is read as Windows-1252 bytes, unchanged.
class CInterchangeText {
 public:
  explicit CInterchangeText(std::string_view& data) {
    if (data.substr(0, kBom.size()) == kBom) {
      data.remove_prefix(kBom.size());
      m_utf8 = IsValidUtf8(data);
    } else {
      m_utf8 = HasNonAscii(data) && IsValidUtf8(data);
    }
  }

  std::string Word(std::string_view field, bool& lossy, QString& original) const {
    lossy = false;
    if (!m_utf8) return std::string(field);
    original = QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()));
    return CListFileIo::ToListText(original, &lossy);
  }

 private:
  bool m_utf8 = false;
};

// Stores one word read from an interchange file; false when the list is full.
bool AddRead(CWordList& list, const CInterchangeText& text, std::string_view foreign,
             std::string_view translation, QStringList& lossyWords) {
  bool lossyForeign = false;
  bool lossyTranslation = false;
  QString foreignText;
  QString translationText;
  std::string f = text.Word(foreign, lossyForeign, foreignText);
  std::string t = text.Word(translation, lossyTranslation, translationText);
  if (list.AddWord(f, t, 0) != 0) return false;
  if (lossyForeign) lossyWords.append(foreignText);
  if (lossyTranslation) lossyWords.append(translationText);
  return true;
}

void AppendLine(std::string& out, std::string_view text) {
  out += text;
  out += "\r\n";
}

// A one-line text as the writers put it into a line of a file: whatever a
// caller stored, a line break never splits the line.
std::string Line(const std::string& text) {
  return CWordList::OneLine(text);
}

// A field of a TXT or SKV line. One that holds the separator, or begins with
// a double quote, goes in double quotes with its own quotes doubled, as
// spreadsheets write and read such fields; the readers take it back whole.
std::string DelimitedField(const std::string& text, char separator) {
  const std::string field = Line(text);
  if (field.find(separator) == std::string::npos && (field.empty() || field.front() != '"'))
    return field;
  std::string quoted = "\"";
  for (const char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

// Reads a field in double quotes from the start of text: its content in
// out and the length taken, or 0 when text does not begin with a whole
// quoted field.
std::size_t QuotedField(std::string_view text, std::string& out) {
  if (text.empty() || text.front() != '"') return 0;
  out.clear();
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (text[i] != '"') {
      out += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '"') {
      out += '"';
      ++i;
    } else {
      return i + 1;
    }
  }
  return 0;
}

// Splits a TXT or SKV line into its two fields: at the first separator, or
// after a quoted first field. A quoted field counts only when it stands
// whole between the separator and the line's ends; anything else is read as
// it stands. False for a line without a separator.
bool SplitDelimited(std::string_view line, char separator, std::string& first,
                    std::string& second) {
  std::string_view rest;
  const std::size_t quoted = QuotedField(line, first);
  if (quoted > 0 && quoted < line.size() && line[quoted] == separator) {
    rest = line.substr(quoted + 1);
  } else {
    const std::size_t at = line.find(separator);
    if (at == std::string_view::npos) return false;
    first.assign(line.substr(0, at));
    rest = line.substr(at + 1);
  }
  if (QuotedField(rest, second) != rest.size() || rest.empty()) second.assign(rest);
  return true;
}

std::string Number(int n) {
  return std::to_string(n);
}

// The [WORDS] section both native formats share; they differ only in the key
// of the translation ("B=" in version 2, "T=" in version 1).
void AppendWordsSection(std::string& out, const CWordList& list, int count,
                        std::string_view translationKey) {
  AppendLine(out, "[WORDS]");
  AppendLine(out, "F=" + Line(list.GetFirstLanguage()));
  AppendLine(out, "O=" + Line(list.GetSecondLanguage()));
  for (int i = 0; i < count; ++i) {
    const std::string k = Number(i + 1);
    AppendLine(out, k + "=" + Line(list.GetForeign(i)));
    AppendLine(out, k + std::string(translationKey) + Line(list.GetTranslation(i)));
  }
}

std::string HtmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// A description is one line in the file: its breaks are held as 0x1E (line
// feed) and 0x1F (carriage return). Raw breaks set by a caller would split
// the line, so they are stored the same way.
std::string OneLineDescription(std::string text) {
  for (char& c : text) {
    if (c == '\n') c = '\x1E';
    if (c == '\r') c = '\x1F';
  }
  return text;
}

}  // namespace

QString CListFileIo::LangFormat(unsigned n, const QString& arg) {
  QString text = FromCp1252(LangText(n));
  const qsizetype at = text.indexOf(QLatin1String("%s"));
  if (at >= 0) text.replace(at, 2, arg);
  return text;
}

std::string CListFileIo::ToListText(const QString& text, bool* lossy) {
  std::string out;
  if (ToCp1252(text, out)) {
    if (lossy) *lossy = false;
    return out;
  }
  out.clear();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      out += '?';
      ++i;
    } else if (IsCp1252(c)) {
      out += ToCp1252(QString(c));
    } else {
      out += '?';
    }
  }
  if (lossy) *lossy = true;
  return out;
}

bool CListFileIo::IsExportType(const QString& type) {
  return type == QLatin1String("HTML") || IsInterchangeType(type);
}

// --- reading -----------------------------------------------------------------

int CListFileIo::Load(CWordList& list) {
  CWaitCursor wait(list.m_platform);
  const QString type = list.m_extension.toUpper();
  const bool readable =
      type == QLatin1String("VK1") || type == QLatin1String("VK2") || IsInterchangeType(type);
  std::string data;
  if (!readable || ReadWholeFile(list.m_path, data) != ReadStatus::Ok) {
    list.m_firstLanguage = list.m_secondLanguage = std::string(kMarker);
    list.m_extension = type;
    return Reject(list);
  }
  return ReadBytes(list, type, std::move(data));
}

int CListFileIo::ReadBytes(CWordList& list, const QString& type, std::string data) {
  list.m_firstLanguage = list.m_secondLanguage = std::string(kMarker);
  list.m_extension = type.toUpper();
  return Parse(list, list.m_extension, std::move(data));
}

int CListFileIo::Parse(CWordList& list, const QString& type, std::string data) {
  QStringList lossyWords;
  if (type == QLatin1String("VK2") || type == QLatin1String("VK1")) {
    const CIniFile ini(std::move(data));
    const bool ok =
        type == QLatin1String("VK2") ? ReadVersion2(list, ini) : ReadVersion1(list, ini);
    if (!ok) return Reject(list);
  } else if (type == QLatin1String("ORD")) {
    if (!ReadOrd(list, data, lossyWords)) return Reject(list);
  } else if (type == QLatin1String("TXT")) {
    ReadDelimited(list, data, '\t', lossyWords);
  } else if (type == QLatin1String("SKV") || type == QLatin1String("SCV")) {
    ReadDelimited(list, data, ';', lossyWords);
  } else if (type == QLatin1String("CSV")) {
    if (!ReadCsv(list, data, lossyWords)) return 2;
  } else {
    return Reject(list);
  }

  if (!lossyWords.isEmpty() && list.m_platform) {
    QString text = LangFormat(kTxtCharsReplaced, list.m_path);
    text += QLatin1String("\n");
    for (int i = 0; i < lossyWords.size() && i < kMaxNamedWords; ++i)
      text += QLatin1String("\n") + lossyWords.at(i);
    if (lossyWords.size() > kMaxNamedWords) text += QLatin1String("\n") + QChar(0x2026);
    list.m_platform->MessageBox(text, MessageButtons::Ok, MessageIcon::Warning);
  }
  FinishLoad(list, type);
  return 0;
}

int CListFileIo::Reject(CWordList& list) {
  // The names still hold the marker; show the defaults rather than "ERROR".
  list.m_firstLanguage = LangText(kTxtFirstLanguage);
  list.m_secondLanguage = LangText(kTxtSecondLanguage);
  return list.ReportFileError(list.m_path, -2);
}

bool CListFileIo::ReadVersion2(CWordList& list, const CIniFile& ini) {
  if (ini.Value("INFO", "VERSION") != "2.0") return false;
  list.m_creator = ini.Value("INFO", "CREATOR");
  list.m_title = ini.Value("INFO", "TITLE");
  list.m_description = ini.Value("INFO", "DESCRIPTION");
  list.m_owner = ini.Value("INFO", "OWNER");
  list.m_firstLanguage = ini.Value("WORDS", "F");
  list.m_secondLanguage = ini.Value("WORDS", "O");
  const int count = ini.Int("INFO", "ANTAL");
  const bool hasMarks = ini.HasSection("MARKS");
  // The count is only a hint: the loop ends when the table is full.
  for (int n = 1; n <= count; ++n) {
    const std::string k = Number(n);
    const std::string translation = ini.Value("WORDS", k + "B");
    const std::string foreign = ini.Value("WORDS", k);
    const int slot = list.GetCount();
    if (list.AddWord(foreign, translation, 0) != 0) break;
    if (hasMarks) list.m_slots[slot].m_mark = CIniFile::LeadingInt(ini.Value("MARKS", k + "M"));
  }
  return true;
}

bool CListFileIo::ReadVersion1(CWordList& list, const CIniFile& ini) {
  if (ini.Value("INFO", "VERSION") != "1.0") return false;
  list.m_creator = ini.Value("INFO", "CREATOR");
  list.m_firstLanguage = ini.Value("WORDS", "F");
  list.m_secondLanguage = ini.Value("WORDS", "O");
  // Version 1 has neither; the previous list's must not stay behind.
  list.m_owner.clear();
  list.m_description.clear();
  const int count = ini.Int("INFO", "ANTAL");
  for (int n = 1; n <= count; ++n) {
    const std::string k = Number(n);
    if (list.AddWord(ini.Value("WORDS", k), ini.Value("WORDS", k + "T"), 0) != 0) break;
  }
  return true;
}

bool CListFileIo::ReadOrd(CWordList& list, std::string_view data, QStringList& lossyWords) {
  const CInterchangeText text(data);
  std::size_t pos = 0;
  TextLine line;
  if (!NextLine(data, pos, line) || line.text.find("GLOSOR") == std::string_view::npos)
    return false;

  // The count may follow after any white space, empty lines included; the
  // rest of its line is read as the next word line.
  while (pos < data.size() && IsSpace(data[pos])) ++pos;
  long long count = 0;
  bool negative = false;
  if (pos < data.size() && (data[pos] == '+' || data[pos] == '-')) {
    negative = data[pos] == '-';
    ++pos;
  }
  while (pos < data.size() && data[pos] >= '0' && data[pos] <= '9') {
    if (count < 1000000) count = count * 10 + (data[pos] - '0');
    ++pos;
  }
  if (negative) count = 0;

  list.m_owner.clear();
  list.m_description.clear();
  std::string_view pair[2];
  int filled = 0;
  for (long long pairs = 0; pairs < count && NextLine(data, pos, line);) {
    const std::string_view word = Trim(line.text);
    if (word.empty()) continue;
    pair[filled++] = word;
    if (filled == 2) {
      filled = 0;
      ++pairs;
      // Translation first, foreign word second.
      if (!AddRead(list, text, pair[1], pair[0], lossyWords)) break;
    }
  }
  return true;
}

void CListFileIo::ReadDelimited(CWordList& list, std::string_view data, char separator,
                                QStringList& lossyWords) {
  const CInterchangeText text(data);
  list.m_owner.clear();
  list.m_description.clear();
  std::size_t pos = 0;
  TextLine line;
  std::string foreign;
  std::string translation;
  while (NextLine(data, pos, line)) {
    if (!SplitDelimited(line.text, separator, foreign, translation)) continue;
    if (!AddRead(list, text, foreign, translation, lossyWords)) break;
  }
}

bool CListFileIo::ReadCsv(CWordList& list, std::string_view data, QStringList& lossyWords) {
  const std::string_view whole = data;
  const CInterchangeText text(data);  // drops the byte order mark, picks the encoding
  CsvOptions options;
  options.delimiter = CCsvFile::DetectDelimiter(data);
  if (list.m_csvQuestion && !list.m_csvQuestion(list.m_path, whole, options)) return false;
  if (std::string_view(CCsvFile::kDelimiters, 3).find(options.delimiter) == std::string_view::npos)
    options.delimiter = ',';

  list.m_owner.clear();
  list.m_description.clear();
  CCsvFile file(data, options.delimiter);
  std::vector<CsvField> fields;
  bool header = options.header;
  while (file.NextRow(fields)) {
    if (CCsvFile::IsWordless(fields)) continue;
    if (header) {
      header = false;
      const auto name = [&](const std::string& field) {
        bool lossy = false;
        QString original;
        std::string read = text.Word(field, lossy, original);
        if (lossy) lossyWords.append(original);
        return read;
      };
      list.m_firstLanguage = name(fields[0].text);
      list.m_secondLanguage = name(fields[1].text);
      continue;
    }
    if (!AddRead(list, text, fields[0].text, fields[1].text, lossyWords)) break;
  }
  return true;
}

void CListFileIo::FinishLoad(CWordList& list, const QString& type) {
  if (list.m_firstLanguage == kMarker || list.m_secondLanguage == kMarker) {
    list.m_firstLanguage = LangText(kTxtFirstLanguage);
    list.m_secondLanguage = LangText(kTxtSecondLanguage);
  }
  if (list.m_title == kMarker)
    list.m_title =
        ToListText(list.m_fileName.chopped(std::min<qsizetype>(4, list.m_fileName.size())));
  if (list.m_owner == kMarker) list.m_owner.clear();
  if (list.m_description == kMarker) list.m_description.clear();
  // A lone CR inside a line of the file is kept by the line reader; stored
  // one-line texts never hold one.
  for (std::string* text :
       {&list.m_title, &list.m_owner, &list.m_firstLanguage, &list.m_secondLanguage})
    *text = CWordList::OneLine(std::move(*text));
  if (IsInterchangeType(type)) {
    list.m_untitled = 1;
    list.m_modified = 1;
    list.m_fileName = list.m_path = LangQText(kTxtUntitled);
    // An imported list has no creator of its own until it is saved.
    list.m_creator = "N\\A";
  } else {
    list.m_modified = 0;
  }
}

// --- writing -----------------------------------------------------------------

int CListFileIo::Write(CWordList& list) {
  list.m_extension = list.m_extension.toUpper();
  const QString type = list.m_extension;
  if (!WriteWholeFile(list.m_path, Format(list, type))) return -2;

  if (!IsExportType(type)) {
    list.m_creator = LangText(kTxtProgramName);
    list.m_modified = 0;
    list.m_untitled = 0;
    return 0;
  }
  // An export leaves the list with its own file.
  const QString message = LangFormat(kTxtExported, list.m_path);
  list.m_path = list.m_savedPath;
  list.m_fileName = list.m_savedFileName;
  list.m_extension = list.m_savedExtension;
  if (list.m_platform)
    list.m_platform->MessageBox(message, MessageButtons::Ok, MessageIcon::Information);
  list.m_modified = 1;
  return 0;
}

std::string CListFileIo::Format(const CWordList& list, const QString& type) {
  if (type == QLatin1String("VK1")) return FormatVersion1(list);
  if (type == QLatin1String("HTML")) return FormatHtml(list);
  if (type == QLatin1String("ORD")) return FormatOrd(list);
  if (type == QLatin1String("TXT")) return FormatDelimited(list, '\t');
  if (type == QLatin1String("SKV") || type == QLatin1String("SCV"))
    return FormatDelimited(list, ';');
  if (type == QLatin1String("CSV")) return CCsvFile::Format(list);
  return FormatVersion2(list);
}

std::string CListFileIo::FormatVersion2(const CWordList& list) {
  const int count = list.GetCount();
  std::string out;
  AppendLine(out, "[INFO]");
  AppendLine(out, "VERSION=2.0");
  AppendLine(out, "CREATOR=" + LangText(kTxtProgramName));
  AppendLine(out, "ANTAL=" + Number(count));
  AppendLine(out, "TITLE=" + Line(list.m_title));
  AppendLine(out, "OWNER=" + Line(list.m_owner));
  AppendLine(out, "DESCRIPTION=" + OneLineDescription(list.m_description));
  AppendLine(out, "");
  AppendLine(out, "[MARKS]");
  for (int i = 0; i < count; ++i) {
    const int mark = list.m_slots[i].m_mark;
    if (mark != 0) AppendLine(out, Number(i + 1) + "M=" + Number(mark));
  }
  AppendLine(out, "");
  AppendWordsSection(out, list, count, "B=");
  return out;
}

std::string CListFileIo::FormatVersion1(const CWordList& list) {
  const int count = list.GetCount();
  std::string out;
  AppendLine(out, "[INFO]");
  AppendLine(out, "VERSION=1.0");
  AppendLine(out, "CREATOR=" + LangText(kTxtProgramName));
  AppendLine(out, "ANTAL=" + Number(count));
  AppendLine(out, "");
  AppendWordsSection(out, list, count, "T=");
  return out;
}

std::string CListFileIo::FormatOrd(const CWordList& list) {
  // The reader skips blank lines, so a word with a blank side would shift
  // every pair after it: such words are left out of the file.
  const int count = list.GetCount();
  std::string pairs;
  int written = 0;
  for (int i = 0; i < count; ++i) {
    const WordSlot& slot = list.m_slots[i];
    if (Trim(slot.m_translation).empty() || Trim(slot.m_foreign).empty()) continue;
    AppendLine(pairs, Line(slot.m_translation));
    AppendLine(pairs, Line(slot.m_foreign));
    ++written;
  }
  std::string out;
  AppendLine(out, "GLOSOR");
  AppendLine(out, Number(written));
  AppendLine(out, "");
  return out + pairs;
}

std::string CListFileIo::FormatDelimited(const CWordList& list, char separator) {
  const int count = list.GetCount();
  std::string out;
  for (int i = 0; i < count; ++i)
    AppendLine(out, DelimitedField(list.m_slots[i].m_foreign, separator) + separator +
                        DelimitedField(list.m_slots[i].m_translation, separator));
  return out;
}

std::string CListFileIo::FormatHtml(const CWordList& list) {
  const int count = list.GetCount();
  const std::string program = HtmlText(LangText(kTxtProgramName));
  const std::string web = HtmlText(LangText(kTxtWebAddress));
  std::string out;
  out += "<html>\r\n<head>\r\n<title>" + program + " gloslista - " + HtmlText(list.m_title) +
         "</title>\r\n</head>\r\n";
  out += "<body>\r\n";
  out += "<table border=\"0\">\r\n";
  out += "<tr>\r\n";
  out += "<td><b>" + HtmlText(list.m_firstLanguage) + "</b></td>";
  out += "<td><b>" + HtmlText(list.m_secondLanguage) + "</b></td>";
  // Rows are opened but not closed one by one; one "</tr>" ends the table.
  for (int i = 0; i < count; ++i) {
    out += "<tr>\r\n";
    out += "<td>" + HtmlText(list.m_slots[i].m_foreign) + "</td>";
    out += "<td>" + HtmlText(list.m_slots[i].m_translation) + "</td>";
  }
  out += "</tr>\r\n";
  out += "</table>\r\n";
  out += "<br><br><hr><font size=\"1\"> Skapad med " + program + " - <a href=\"" + web + "\">" +
         web + "</a></font>";
  out += "</body>\r\n";
  out += "</html>";
  return out;
}
