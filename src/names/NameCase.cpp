// SPDX-License-Identifier: MIT
#include "names/NameCase.h"

#include "text/AsciiCase.h"

namespace vistrel {
namespace {

constexpr std::int32_t kImageCaseUpper = 0;
constexpr std::int32_t kImageCaseLower = 1;
} // namespace

std::string applyImageCase(std::string_view name, std::int32_t imageCase) {
    if (imageCase == kImageCaseUpper) {
        return toAsciiUpper(name);
    }
    if (imageCase == kImageCaseLower) {
        return toAsciiLower(name);
    }
    return std::string(name);
}

} // namespace vistrel
