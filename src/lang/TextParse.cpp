#include "TextParse.h"

#include <algorithm>
#include <climits>

#include "LangText.h"

bool IsSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view TrimSpace(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::int64_t LeadingInteger(std::string_view text, std::size_t* used) {
  constexpr std::int64_t kLimit = 1'000'000'000'000;
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = std::min(kLimit, value * 10 + (text[i] - '0'));
  if (used) *used = i;
  return negative ? -value : value;
}

int LeadingInt(std::string_view text) {
  return static_cast<int>(std::clamp<std::int64_t>(LeadingInteger(text), INT_MIN, INT_MAX));
}

int LeadingInt(const QString& text) {
  // Only ASCII white space, signs and digits count, so the UTF-8 bytes of any
  // other character end the number as that character would.
  const QByteArray bytes = text.toUtf8();
  return LeadingInt(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString LangQTextWith(unsigned n, const QString& arg) {
  QString text = LangQText(n);
  const qsizetype at = text.indexOf(QLatin1String("%s"));
  return at >= 0 ? text.replace(at, 2, arg) : text;
}
