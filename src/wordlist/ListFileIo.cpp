#include "ListFileIo.h"

#include <algorithm>
#include <functional>

#include "CsvFile.h"
#include "FileBytes.h"
#include "IniFile.h"
#include "WordList.h"
#include "WordListTexts.h"
#include "lang/LangText.h"
#include "lang/TextCodec.h"
#include "lang/TextParse.h"
#include "platform/Platform.h"

namespace {

constexpr std::string_view kMarker = CIniFile::kMissing;
// The line a version 1 or 2 file holds after its VERSION line when its texts
// are UTF-8; a reader that does not know the key passes it by.
constexpr std::string_view kEncodingKey = "ENCODING";
constexpr std::string_view kUtf8 = "UTF-8";

bool IsInterchangeType(const QString& type) {
  return type == QLatin1String("ORD") || type == QLatin1String("TXT") ||
         type == QLatin1String("SKV") || type == QLatin1String("SCV") ||
         type == QLatin1String("CSV");
}

// A version 1 or 2 file with the texts of its values as UTF-8, whatever
// the file holds.
class CNativeText {
 public:
  explicit CNativeText(std::string data) {
    // A byte order mark is no part of what the program writes, but a text
    // editor may have added one: the file is then in that encoding.
    const bool marked =
        data.starts_with(kUtf8Bom) || data.starts_with("\xFF\xFE") || data.starts_with("\xFE\xFF");
    m_ini.SetData(marked ? DecodeTextFile(data) : std::move(data));
    const std::string value = m_ini.Value("INFO", kEncodingKey);
    const std::string_view encoding = TrimSpace(value);
    m_utf8 = marked || std::equal(encoding.begin(), encoding.end(), kUtf8.begin(), kUtf8.end(),
                                  [](char a, char b) {
                                    return (a >= 'a' && a <= 'z' ? char(a - 32) : a) == b;
                                  });
  }

  const CIniFile& Ini() const { return m_ini; }

  std::string Value(std::string_view section, std::string_view key) const {
    const std::string value = m_ini.Value(section, key);
    return m_utf8 ? RepairedUtf8(value) : Cp1252ToUtf8(value);
  }

 private:
  CIniFile m_ini;
  bool m_utf8 = false;
};

// The bytes of a list file whose text (UTF-8) is ready: Windows-1252 when
// every character has a byte there, so that such files stay what they always
// were; else UTF-8, made by the writer's own UTF-8 form (prefix and marks).
std::string Encoded(const std::string& text, const std::function<std::string()>& utf8Form) {
  std::string bytes;
  if (Utf8ToCp1252(text, bytes)) return bytes;
  // A text that is not valid UTF-8 never reaches a file as such.
  return RepairedUtf8(utf8Form());
}

// One file being read: what it holds so far.
struct CReader {
  const ListFileSource& source;
  ListFileContent& content;

  // Stores one word; false when the list is full.
  bool Add(std::string foreign, std::string translation, int mark = 0) {
    if (content.words.size() >= static_cast<std::size_t>(CWordList::kMaxWords)) return false;
    content.words.push_back({std::move(foreign), std::move(translation), mark});
    return true;
  }

  ReadResult Reject() {
    if (source.platform)
      source.platform->MessageBox(LangQTextWith(kTxtFileRejected, source.path), MessageButtons::Ok,
                                  MessageIcon::None);
    return ReadResult::Rejected;
  }
};

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

// --- reading -------------------------------------------------------------------

bool ReadVersion2(CReader& reader, const CNativeText& text) {
  const CIniFile& ini = text.Ini();
  if (ini.Value("INFO", "VERSION") != "2.0") return false;
  ListFileContent& content = reader.content;
  content.creator = text.Value("INFO", "CREATOR");
  if (std::string title = text.Value("INFO", "TITLE"); title != kMarker)
    content.title = std::move(title);
  content.description = text.Value("INFO", "DESCRIPTION");
  content.owner = text.Value("INFO", "OWNER");
  content.firstLanguage = text.Value("WORDS", "F");
  content.secondLanguage = text.Value("WORDS", "O");
  const int count = ini.Int("INFO", "ANTAL");
  const bool hasMarks = ini.HasSection("MARKS");
  // The count is only a hint: the loop ends when the table is full.
  for (int n = 1; n <= count; ++n) {
    const std::string k = Number(n);
    const int mark = hasMarks ? LeadingInt(ini.Value("MARKS", k + "M")) : 0;
    if (!reader.Add(text.Value("WORDS", k), text.Value("WORDS", k + "B"), mark)) break;
  }
  return true;
}

bool ReadVersion1(CReader& reader, const CNativeText& text) {
  const CIniFile& ini = text.Ini();
  if (ini.Value("INFO", "VERSION") != "1.0") return false;
  reader.content.creator = text.Value("INFO", "CREATOR");
  reader.content.firstLanguage = text.Value("WORDS", "F");
  reader.content.secondLanguage = text.Value("WORDS", "O");
  const int count = ini.Int("INFO", "ANTAL");
  for (int n = 1; n <= count; ++n) {
    const std::string k = Number(n);
    if (!reader.Add(text.Value("WORDS", k), text.Value("WORDS", k + "T"))) break;
  }
  return true;
}

// The interchange readers take the file's text as UTF-8.
bool ReadOrd(CReader& reader, std::string_view data) {
  std::size_t pos = 0;
  TextLine line;
  if (!NextLine(data, pos, line) || line.text.find("GLOSOR") == std::string_view::npos)
    return false;

  // The count may follow after any white space, empty lines included; the
  // rest of its line is read as the next word line.
  std::size_t used = 0;
  const std::int64_t count = std::max<std::int64_t>(0, LeadingInteger(data.substr(pos), &used));
  pos += used;

  std::string_view pair[2];
  int filled = 0;
  for (std::int64_t pairs = 0; pairs < count && NextLine(data, pos, line);) {
    const std::string_view word = TrimSpace(line.text);
    if (word.empty()) continue;
    pair[filled++] = word;
    if (filled == 2) {
      filled = 0;
      ++pairs;
      // Translation first, foreign word second.
      if (!reader.Add(std::string(pair[1]), std::string(pair[0]))) break;
    }
  }
  return true;
}

void ReadDelimited(CReader& reader, std::string_view data, char separator) {
  std::size_t pos = 0;
  TextLine line;
  std::string foreign;
  std::string translation;
  while (NextLine(data, pos, line)) {
    if (!SplitDelimited(line.text, separator, foreign, translation)) continue;
    if (!reader.Add(foreign, translation)) break;
  }
}

// False when the CSV question declined the file.
bool ReadCsv(CReader& reader, std::string_view text) {
  CsvOptions options;
  options.delimiter = CCsvFile::DetectDelimiter(text);
  const ListFileSource& source = reader.source;
  if (source.csvQuestion && !source.csvQuestion(source.path, text, options)) return false;
  if (std::string_view(CCsvFile::kDelimiters, 3).find(options.delimiter) == std::string_view::npos)
    options.delimiter = ',';

  CCsvFile file(text, options.delimiter);
  std::vector<CsvField> fields;
  bool header = options.header;
  while (file.NextRow(fields)) {
    if (CCsvFile::IsWordless(fields)) continue;
    if (header) {
      header = false;
      reader.content.firstLanguage = fields[0].text;
      reader.content.secondLanguage = fields[1].text;
      continue;
    }
    if (!reader.Add(fields[0].text, fields[1].text)) break;
  }
  return true;
}

}  // namespace

bool CListFileIo::IsExportType(const QString& type) {
  return type == QLatin1String("HTML") || IsInterchangeType(type);
}

bool CListFileIo::IsReadableType(const QString& type) {
  return type == QLatin1String("VK1") || type == QLatin1String("VK2") || IsInterchangeType(type);
}

ReadResult CListFileIo::Read(const ListFileSource& source, ListFileContent& content) {
  CWaitCursor wait(source.platform);
  std::string data;
  if (!IsReadableType(source.type) || ReadWholeFile(source.path, data) != ReadStatus::Ok) {
    content = {};
    CReader reader{source, content};
    return reader.Reject();
  }
  return ReadBytes(source, std::move(data), content);
}

ReadResult CListFileIo::ReadBytes(const ListFileSource& source, std::string data,
                                  ListFileContent& content) {
  content = {};
  content.firstLanguage = content.secondLanguage = std::string(kMarker);
  CReader reader{source, content};
  const QString& type = source.type;
  if (type == QLatin1String("VK2") || type == QLatin1String("VK1")) {
    const CNativeText text(std::move(data));
    const bool ok =
        type == QLatin1String("VK2") ? ReadVersion2(reader, text) : ReadVersion1(reader, text);
    if (!ok) return reader.Reject();
  } else if (type == QLatin1String("CSV")) {
    if (!ReadCsv(reader, DecodeTextFile(data))) return ReadResult::Declined;
  } else if (type == QLatin1String("ORD")) {
    if (!ReadOrd(reader, DecodeTextFile(data))) return reader.Reject();
  } else if (type == QLatin1String("TXT")) {
    ReadDelimited(reader, DecodeTextFile(data), '\t');
  } else if (type == QLatin1String("SKV") || type == QLatin1String("SCV")) {
    ReadDelimited(reader, DecodeTextFile(data), ';');
  } else {
    return reader.Reject();
  }

  // A file without both language names shows the defaults, never the marker.
  if (content.firstLanguage == kMarker || content.secondLanguage == kMarker) {
    content.firstLanguage = LangText(kTxtFirstLanguage);
    content.secondLanguage = LangText(kTxtSecondLanguage);
  }
  if (content.owner == kMarker) content.owner.clear();
  if (content.description == kMarker) content.description.clear();
  content.interchange = IsInterchangeType(type);
  // An imported list has no creator of its own until it is saved.
  if (content.interchange) content.creator = "N\\A";
  return ReadResult::Read;
}

// --- writing -------------------------------------------------------------------

bool CListFileIo::Write(const CWordList& list, const QString& path, const QString& type) {
  return WriteWholeFile(path, Format(list, type));
}

namespace {

// The text of each file type, UTF-8; utf8 adds what a file in UTF-8 holds
// beyond one in Windows-1252.
std::string FormatVersion2(const CWordList& list, bool utf8) {
  const int count = list.GetCount();
  std::string out;
  AppendLine(out, "[INFO]");
  AppendLine(out, "VERSION=2.0");
  if (utf8) AppendLine(out, std::string(kEncodingKey) + "=" + std::string(kUtf8));
  AppendLine(out, "CREATOR=" + LangText(kTxtProgramName));
  AppendLine(out, "ANTAL=" + Number(count));
  AppendLine(out, "TITLE=" + Line(list.GetTitle()));
  AppendLine(out, "OWNER=" + Line(list.GetOwner()));
  AppendLine(out, "DESCRIPTION=" + OneLineDescription(list.GetDescription()));
  AppendLine(out, "");
  AppendLine(out, "[MARKS]");
  for (int i = 0; i < count; ++i) {
    const int mark = list.GetMark(i);
    if (mark != 0) AppendLine(out, Number(i + 1) + "M=" + Number(mark));
  }
  AppendLine(out, "");
  AppendWordsSection(out, list, count, "B=");
  return out;
}

std::string FormatVersion1(const CWordList& list, bool utf8) {
  const int count = list.GetCount();
  std::string out;
  AppendLine(out, "[INFO]");
  AppendLine(out, "VERSION=1.0");
  if (utf8) AppendLine(out, std::string(kEncodingKey) + "=" + std::string(kUtf8));
  AppendLine(out, "CREATOR=" + LangText(kTxtProgramName));
  AppendLine(out, "ANTAL=" + Number(count));
  AppendLine(out, "");
  AppendWordsSection(out, list, count, "T=");
  return out;
}

std::string FormatOrd(const CWordList& list) {
  // The reader skips blank lines, so a word with a blank side would shift
  // every pair after it: such words are left out of the file.
  const int count = list.GetCount();
  std::string pairs;
  int written = 0;
  for (int i = 0; i < count; ++i) {
    const WordSlot& slot = list.GetSlotTable()[i];
    if (TrimSpace(slot.m_translation).empty() || TrimSpace(slot.m_foreign).empty()) continue;
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

std::string FormatDelimited(const CWordList& list, char separator) {
  const int count = list.GetCount();
  std::string out;
  for (int i = 0; i < count; ++i)
    AppendLine(out, DelimitedField(list.GetSlotTable()[i].m_foreign, separator) + separator +
                        DelimitedField(list.GetSlotTable()[i].m_translation, separator));
  return out;
}

std::string FormatHtml(const CWordList& list, bool utf8) {
  const int count = list.GetCount();
  const std::string program = HtmlText(LangText(kTxtProgramName));
  const std::string web = HtmlText(LangText(kTxtWebAddress));
  std::string out = "<html>\r\n<head>\r\n";
  if (utf8) out += "<meta charset=\"utf-8\">\r\n";
  out +=
      "<title>" + program + " gloslista - " + HtmlText(list.GetTitle()) + "</title>\r\n</head>\r\n";
  out += "<body>\r\n";
  out += "<table border=\"0\">\r\n";
  out += "<tr>\r\n";
  out += "<td><b>" + HtmlText(list.GetFirstLanguage()) + "</b></td>";
  out += "<td><b>" + HtmlText(list.GetSecondLanguage()) + "</b></td>";
  // Rows are opened but not closed one by one; one "</tr>" ends the table.
  for (int i = 0; i < count; ++i) {
    out += "<tr>\r\n";
    out += "<td>" + HtmlText(list.GetSlotTable()[i].m_foreign) + "</td>";
    out += "<td>" + HtmlText(list.GetSlotTable()[i].m_translation) + "</td>";
  }
  out += "</tr>\r\n";
  out += "</table>\r\n";
  out += "<br><br><hr><font size=\"1\"> Skapad med " + program + " - <a href=\"" + web + "\">" +
         web + "</a></font>";
  out += "</body>\r\n";
  out += "</html>";
  return out;
}

}  // namespace

std::string CListFileIo::Format(const CWordList& list, const QString& type) {
  if (type == QLatin1String("CSV")) return CCsvFile::Format(list);
  if (type == QLatin1String("VK1"))
    return Encoded(FormatVersion1(list, false), [&] { return FormatVersion1(list, true); });
  if (type == QLatin1String("HTML"))
    return Encoded(FormatHtml(list, false), [&] { return FormatHtml(list, true); });
  std::string text;
  if (type == QLatin1String("ORD")) {
    text = FormatOrd(list);
  } else if (type == QLatin1String("TXT")) {
    text = FormatDelimited(list, '\t');
  } else if (type == QLatin1String("SKV") || type == QLatin1String("SCV")) {
    text = FormatDelimited(list, ';');
  } else {
    return Encoded(FormatVersion2(list, false), [&] { return FormatVersion2(list, true); });
  }
  // Other programs tell UTF-8 from their own code page by the mark.
  return Encoded(text, [&] { return std::string(kUtf8Bom) + text; });
}
