// SPDX-License-Identifier: MIT
#include "text/IconvConverter.h"

#include <cerrno>
#include <cstdint>
#include <stdexcept>

namespace vistrel::detail {

namespace {

const iconv_t kInvalidHandle = reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));
constexpr std::size_t kConversionFailed = static_cast<std::size_t>(-1);
constexpr std::size_t kMinimumOutputRoom = 16;

} // namespace

IconvConverter::IconvConverter(const char* to, const char* from, std::size_t maxBytesPerInputByte)
    : m_handle(iconv_open(to, from)), m_maxBytesPerInputByte(maxBytesPerInputByte) {
    if (m_handle == kInvalidHandle) {
        throw std::runtime_error(std::string("no iconv conversion from ") + from + " to " + to);
    }
}

IconvConverter::~IconvConverter() {
    iconv_close(m_handle);
}

IconvConverter::Stop IconvConverter::convert(std::string_view& input, std::string& output) {
    // A previous call may have stopped mid-sequence; start each call from the initial state.
    iconv(m_handle, nullptr, nullptr, nullptr, nullptr);

    // iconv's interface takes char** but never writes through the input pointer.
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    for (;;) {
        const std::size_t used = output.size();
        output.resize(used + inLeft * m_maxBytesPerInputByte + kMinimumOutputRoom);
        char* out = output.data() + used;
        std::size_t outLeft = output.size() - used;
        const std::size_t result = iconv(m_handle, &in, &inLeft, &out, &outLeft);
        const int error = errno;
        output.resize(output.size() - outLeft);
        input.remove_prefix(input.size() - inLeft);
        if (result != kConversionFailed) {
            return Stop::End;
        }
        if (error == E2BIG) {
            continue;
        }
        return error == EINVAL ? Stop::Truncated : Stop::Unconvertible;
    }
}

} // namespace vistrel::detail
