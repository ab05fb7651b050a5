#include "LangText.h"

#include "VkLang.h"

namespace {
// The library may hand out null for a number it does not know.
std::string Copy(const char* text) {
  return text ? std::string(text) : std::string();
}
}  // namespace

std::string LangText(unsigned n) {
  return Copy(VKLangGetText(n));
}

QString LangQText(unsigned n) {
  return QString::fromStdString(LangText(n));
}

std::string StringTableText(unsigned id) {
  return Copy(VKLangGetStringTableText(id));
}

QString StringTableQText(unsigned id) {
  return QString::fromStdString(StringTableText(id));
}
