// SPDX-License-Identifier: MIT
#include "names/NameCase.h"

namespace vistrel {
namespace {

constexpr std::int32_t kImageCaseUpper = 0;
constexpr std::int32_t kImageCaseLower = 1;
constexpr char kCaseDistance = 'a' - 'A';

// The C library's toupper and tolower follow the locale, which could touch bytes of UTF-8
// characters; names must change in their ASCII letters only.
char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - kCaseDistance) : c;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + kCaseDistance) : c;
}

} // namespace

std::string toAsciiUpper(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = upperAscii(c);
    }
    return result;
}

std::string toAsciiLower(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = lowerAscii(c);
    }
    return result;
}

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
