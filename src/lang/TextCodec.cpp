#include "TextCodec.h"

#include <array>

namespace {

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves
// undefined keep the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighChars = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char32_t Cp1252Char(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighChars[byte - 0x80] : byte;
}

// The length of the valid UTF-8 sequence at s[i] with its code point, or 0
// when none starts there.
std::size_t SequenceAt(std::string_view s, std::size_t i, char32_t& cp) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) {
    cp = c;
    return 1;
  }
  std::size_t extra = 0;
  char32_t min = 0;
  if (c >= 0xC2 && c <= 0xDF) {
    extra = 1, min = 0x80, cp = c & 0x1Fu;
  } else if (c >= 0xE0 && c <= 0xEF) {
    extra = 2, min = 0x800, cp = c & 0x0Fu;
  } else if (c >= 0xF0 && c <= 0xF4) {
    extra = 3, min = 0x10000, cp = c & 0x07u;
  } else {
    return 0;
  }
  if (s.size() - i <= extra) return 0;
  for (std::size_t k = 1; k <= extra; ++k) {
    const auto d = static_cast<unsigned char>(s[i + k]);
    if ((d & 0xC0u) != 0x80u) return 0;
    cp = (cp << 6) | (d & 0x3Fu);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return extra + 1;
}

bool HasBom(std::string_view bytes, std::string_view bom) {
  return bytes.substr(0, bom.size()) == bom;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (const char c : bytes) AppendUtf8(out, Cp1252Char(static_cast<unsigned char>(c)));
  return out;
}

bool Utf8ToCp1252(std::string_view text, std::string& out) {
  out.clear();
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    const std::size_t length = SequenceAt(text, i, cp);
    if (length == 0) return false;
    i += length;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    std::size_t k = 0;
    while (k < kHighChars.size() && kHighChars[k] != cp) ++k;
    if (k == kHighChars.size()) return false;
    out += static_cast<char>(0x80 + k);
  }
  return true;
}

bool IsValidUtf8(std::string_view bytes) {
  char32_t cp = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = SequenceAt(bytes, i, cp);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string RepairedUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  char32_t cp = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = SequenceAt(bytes, i, cp);
    if (length > 0) {
      out.append(bytes.substr(i, length));
      i += length;
    } else {
      AppendUtf8(out, Cp1252Char(static_cast<unsigned char>(bytes[i])));
      ++i;
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size());
  const auto unit = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? char32_t(a << 8 | b) : char32_t(b << 8 | a);
  };
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const char32_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? kReplacement : u);
  }
  if (i < bytes.size()) AppendUtf8(out, kReplacement);
  return out;
}

std::string DecodeTextFile(std::string_view bytes) {
  if (HasBom(bytes, kUtf8Bom)) return RepairedUtf8(bytes.substr(kUtf8Bom.size()));
  if (HasBom(bytes, "\xFF\xFE")) return Utf16ToUtf8(bytes.substr(2), false);
  if (HasBom(bytes, "\xFE\xFF")) return Utf16ToUtf8(bytes.substr(2), true);
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Cp1252ToUtf8(bytes);
}
