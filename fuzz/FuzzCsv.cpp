// Feeds the CSV reader. The first byte picks the delimiter and the header
// choice, the rest is the file. Whatever list was read must come back
// unchanged from the CSV file written of it, and that file must split into
// clean rows of exactly two fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <QString>

#include "wordlist/CsvFile.h"
#include "wordlist/ListFileIo.h"
#include "wordlist/WordList.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Reads bytes as a CSV file with the given options, as the preview's OK does.
ReadResult ReadWith(CWordList& list, std::string bytes, CsvOptions options) {
  list.SetCsvQuestion([options](const QString&, std::string_view, CsvOptions& asked) {
    asked = options;
    return true;
  });
  return list.ReadBytes(QStringLiteral("CSV"), std::move(bytes));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  CsvOptions options;
  options.delimiter = CCsvFile::kDelimiters[(data[0] & 0x7F) % 3];
  options.header = (data[0] & 0x80) == 0;
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  // The detection and the count look at any bytes without harm.
  const char detected = CCsvFile::DetectDelimiter(bytes);
  Check(detected == ',' || detected == ';' || detected == '\t');
  Check(CCsvFile::CountWordRows(bytes, options.delimiter) >= 0);

  CWordList list;
  Check(ReadWith(list, bytes, options) == ReadResult::Read);
  Check(list.GetCount() <= CWordList::kMaxWords);

  const std::string written = CListFileIo::Format(list, QStringLiteral("CSV"));
  CCsvFile rows(std::string_view(written).substr(3), ',');
  std::vector<CsvField> fields;
  bool clean = false;
  int rowCount = 0;
  while (rows.NextRow(fields, &clean)) {
    Check(clean && fields.size() == 2 && !CCsvFile::IsWordless(fields));
    ++rowCount;
  }
  Check(rowCount == list.GetCount() + 1);

  CWordList back;
  Check(ReadWith(back, written, CsvOptions{}) == ReadResult::Read);
  Check(back.GetCount() == list.GetCount());
  for (int i = 0; i < list.GetCount(); ++i) {
    Check(back.GetForeign(i) == list.GetForeign(i));
    Check(back.GetTranslation(i) == list.GetTranslation(i));
  }
  Check(back.GetFirstLanguage() == list.GetFirstLanguage());
  Check(back.GetSecondLanguage() == list.GetSecondLanguage());
  return 0;
}
