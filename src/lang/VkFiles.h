#pragma once
// The companion file library of the language text library. The start-up
// check asks only for its version (at least 10).
#include <cstdint>

extern "C" {
std::uint32_t VKFilesGetVersionI();
}
