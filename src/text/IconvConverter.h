// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <iconv.h>

namespace vistrel::detail {

// One glibc iconv conversion descriptor. Not thread-safe: each thread needs its own.
class IconvConverter {
public:
    // Where convert() stopped.
    enum class Stop {
        End,           // all input converted
        Unconvertible, // input starts with a sequence that is invalid or has no target form
        Truncated,     // input ends inside a multi-byte sequence
    };

    // A converter between the iconv encoding names from and to. maxBytesPerInputByte sizes the
    // output ahead of each call (a wrong guess only costs another round). Throws
    // std::runtime_error when iconv does not know the pair (glibc's gconv modules missing).
    IconvConverter(const char* to, const char* from, std::size_t maxBytesPerInputByte);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts input from its start, appending to output, until all of it is converted or a
    // sequence cannot be; input is advanced past what was converted, so on a Stop other than
    // End it starts with the offending sequence.
    Stop convert(std::string_view& input, std::string& output);

private:
    iconv_t m_handle;
    std::size_t m_maxBytesPerInputByte;
};

} // namespace vistrel::detail
