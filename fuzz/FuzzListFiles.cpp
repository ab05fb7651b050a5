// Feeds every list file reader. The first byte picks the reader, the rest is
// the file, in whatever encoding. Every text read must be valid UTF-8, and a
// list that was read must come back unchanged from a version 2 file (in
// Windows-1252 or UTF-8, as its texts need) and from a CSV file written of it
// (there with line breaks as spaces); the other writers must take any list
// read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include <QString>

#include "lang/TextCodec.h"
#include "wordlist/ListFileIo.h"
#include "wordlist/WordList.h"

namespace {

const char* const kTypes[] = {"VK2", "VK1", "ORD", "TXT", "SKV", "SCV"};

void Check(bool condition) {
  if (!condition) std::abort();
}

// The version 2 writer stores raw line breaks of a description the way the
// list holds them.
std::string AsStored(std::string text) {
  for (char& c : text) {
    if (c == '\n') c = '\x1E';
    if (c == '\r') c = '\x1F';
  }
  return text;
}

// The CSV writer puts a space for each line break.
std::string OneLine(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
  }
  return out;
}

void CheckCsvRoundTrip(const CWordList& list) {
  CWordList back;
  back.SetCsvQuestion([](const QString&, std::string_view, CsvOptions& options) {
    options = CsvOptions{};
    return true;
  });
  Check(back.ReadBytes(QStringLiteral("CSV"), CListFileIo::Format(list, QStringLiteral("CSV"))) ==
        ReadResult::Read);
  Check(back.GetCount() == list.GetCount());
  for (int i = 0; i < list.GetCount(); ++i) {
    Check(back.GetForeign(i) == OneLine(list.GetForeign(i)));
    Check(back.GetTranslation(i) == OneLine(list.GetTranslation(i)));
  }
  Check(back.GetFirstLanguage() == OneLine(list.GetFirstLanguage()));
  Check(back.GetSecondLanguage() == OneLine(list.GetSecondLanguage()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const QString type = QLatin1String(kTypes[data[0] % 6]);
  std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  CWordList list;
  if (list.ReadBytes(type, std::move(bytes)) != ReadResult::Read) return 0;
  Check(list.GetCount() <= CWordList::kMaxWords);
  for (const std::string& text : {list.GetTitle(), list.GetOwner(), list.GetDescription(),
                                  list.GetFirstLanguage(), list.GetSecondLanguage()})
    Check(IsValidUtf8(text));
  for (int i = 0; i < list.GetCount(); ++i)
    Check(IsValidUtf8(list.GetForeign(i)) && IsValidUtf8(list.GetTranslation(i)));

  for (const char* other : {"VK1", "HTML", "ORD", "TXT", "SKV"})
    CListFileIo::Format(list, QLatin1String(other));

  CWordList back;
  Check(back.ReadBytes(QStringLiteral("VK2"), CListFileIo::Format(list, QStringLiteral("VK2"))) ==
        ReadResult::Read);
  Check(back.GetCount() == list.GetCount());
  for (int i = 0; i < list.GetCount(); ++i) {
    Check(back.GetForeign(i) == list.GetForeign(i));
    Check(back.GetTranslation(i) == list.GetTranslation(i));
    Check(back.GetMark(i) == list.GetMark(i));
  }
  Check(back.GetTitle() == list.GetTitle());
  Check(back.GetOwner() == list.GetOwner());
  Check(back.GetDescription() == AsStored(list.GetDescription()));
  Check(back.GetFirstLanguage() == list.GetFirstLanguage());
  Check(back.GetSecondLanguage() == list.GetSecondLanguage());
  CheckCsvRoundTrip(list);
  return 0;
}
