#include "VkLang.h"

#include <QString>

#include "LangLibrary.h"

namespace {
// The start-up check wants at least 14.
constexpr std::uint32_t kVkLangVersion = 16;
}  // namespace

extern "C" {

const char* VKLangGetText(std::uint32_t n) {
  return CLangLibrary::Instance().Text(n);
}

std::int32_t VKLangSetLanguage(std::int32_t index) {
  return CLangLibrary::Instance().SetLanguage(index);
}

std::int32_t VKLangGetLangCount() {
  return CLangLibrary::Instance().LanguageCount();
}

const char* VKLangGetLangName(std::int32_t index) {
  return CLangLibrary::Instance().LanguageName(index);
}

std::uint32_t VKLangGetVersionI() {
  return kVkLangVersion;
}

void VKLangSetCatalogDir(const char* utf8Path) {
  CLangLibrary::Instance().SetCatalogDir(utf8Path ? QString::fromUtf8(utf8Path) : QString());
}

std::int32_t VKLangHasCatalogError() {
  return CLangLibrary::Instance().HasCatalogError() ? 1 : 0;
}

const char* VKLangGetStringTableText(std::uint32_t id) {
  return CLangLibrary::Instance().StringTableText(id);
}

}  // extern "C"
