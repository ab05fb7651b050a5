// Feeds the tips file reader from every start position the first bytes name.
// Each search must end; a file with a short tip line always gives a tip, one
// without any tip line never; a tip is no note and no longer than a piece.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>
#include <QFile>
#include <QString>

#include "app/TipsFile.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Whether some line that fits into one piece is a tip, and whether some line
// may be; a longer line is read in pieces whose bounds the reader chooses.
struct Expected {
  bool shortTip = false;
  bool anyTip = false;
};

Expected Expect(const QByteArray& data) {
  Expected expected;
  for (const QByteArray& line : data.split('\n')) {
    const bool fits = line.size() < CTipsFile::kMaxLine;
    if (!fits) expected.anyTip = true;
    if (!line.isEmpty() && CTipsFile::IsTipLine(line)) {
      expected.anyTip = true;
      if (fits) expected.shortTip = true;
    }
  }
  return expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const QByteArray content(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
  // The first two bytes name the stored position, taken back to the start of
  // its line as the reader leaves it (beyond the end stays beyond).
  qint64 start = (qint64(data[0]) << 8) | data[1];
  if (start < content.size()) start = content.lastIndexOf('\n', start - 1) + 1;
  {
    QFile file(QStringLiteral("input.txt"));
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Check(file.write(content) == content.size());
  }
  CTipsFile tips;
  Check(tips.Open(QStringLiteral("input.txt")));
  Check(tips.Seek(start));
  const Expected expected = Expect(content);
  QString tip;
  const CTipsFile::ReadResult first = tips.ReadNextTip(tip);
  Check(first != CTipsFile::ReadResult::ReadError);
  if (expected.shortTip) Check(first == CTipsFile::ReadResult::Tip);
  if (!expected.anyTip) Check(first == CTipsFile::ReadResult::NoTips);
  // Once a tip is found, every later search finds one too.
  for (int i = 0; i < 4; ++i) {
    if (i > 0) Check(tips.ReadNextTip(tip) == first);
    if (first != CTipsFile::ReadResult::Tip) continue;
    Check(!tip.isEmpty() && tip.size() <= CTipsFile::kMaxLine);
    Check(tip[0] != u' ' && tip[0] != u'\t' && tip[0] != u';');
  }
  return 0;
}
