// SPDX-License-Identifier: MIT
#include "TextBytes.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include <iconv.h>

namespace vistrel::detail {

std::string bytesOf(std::initializer_list<unsigned> values) {
    std::string out;
    for (const unsigned value : values) {
        out += static_cast<char>(value);
    }
    return out;
}

std::string hexOf(std::string_view bytes) {
    std::string out;
    for (const char byte : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(byte));
        if (!out.empty()) {
            out += ' ';
        }
        out += pair;
    }
    return out;
}

std::string codePointName(char32_t codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

bool isWellFormedUtf8(std::string_view text) {
    const iconv_t handle = iconv_open("UTF-32LE", "UTF-8");
    if (handle == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1))) {
        throw std::runtime_error("no iconv conversion from UTF-8 to UTF-32LE");
    }
    std::string input(text);
    std::vector<char> output(input.size() * 4 + 4);
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(handle, &in, &inLeft, &out, &outLeft);
    iconv_close(handle);
    return result != static_cast<std::size_t>(-1) && inLeft == 0;
}

} // namespace vistrel::detail
