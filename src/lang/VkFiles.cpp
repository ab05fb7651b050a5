#include "VkFiles.h"

namespace {
constexpr std::uint32_t kVkFilesVersion = 12;
}  // namespace

extern "C" std::uint32_t VKFilesGetVersionI() {
  return kVkFilesVersion;
}
