// SPDX-License-Identifier: MIT
#include "text/AsciiCase.h"

namespace vistrel {
namespace {

constexpr char kCaseDistance = 'a' - 'A';

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

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace vistrel
