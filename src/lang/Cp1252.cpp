#include "Cp1252.h"

#include <array>

namespace {

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves
// undefined keep the C1 control of the same value, so every byte survives a
// round trip through QString.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char16_t ByteToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

// The byte for ch, or -1 when Windows-1252 has none.
int UnicodeToByte(char16_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return ch;
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == ch) return int(0x80 + i);
  }
  return -1;
}

}  // namespace

QString FromCp1252(std::string_view bytes) {
  QString text;
  text.resize(qsizetype(bytes.size()));
  QChar* out = text.data();
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    out[i] = QChar(ByteToUnicode(static_cast<unsigned char>(bytes[i])));
  }
  return text;
}

bool ToCp1252(const QString& text, std::string& out, QChar* bad) {
  out.clear();
  out.reserve(std::size_t(text.size()));
  bool ok = true;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar ch = text.at(i);
    const int byte = UnicodeToByte(ch.unicode());
    if (byte >= 0) {
      out.push_back(static_cast<char>(byte));
      continue;
    }
    if (ok && bad) *bad = ch;
    ok = false;
    // A surrogate pair is one character: leave out both halves.
    if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
  }
  return ok;
}

std::string ToCp1252(const QString& text) {
  std::string out;
  ToCp1252(text, out);
  return out;
}

bool IsCp1252(QChar ch) {
  return UnicodeToByte(ch.unicode()) >= 0;
}
