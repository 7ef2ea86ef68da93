// SPDX-License-Identifier: MIT
#include "text/PageStream.h"

#include <cerrno>
#include <cstddef>

#include "text/Cp932Output.h"
#include "text/Encoding.h"

namespace vistrel {

namespace {

constexpr std::size_t kFirstTryRoom = 1024;

} // namespace

PageStream::PageStream(std::string& sink) : m_sink(&sink) {}

PageStream::PageStream(std::FILE* file) : m_file(file) {}

void PageStream::print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    write(format, args, false);
    va_end(args);
}

void PageStream::printScript(const char* format, ...) {
    va_list args;
    va_start(args, format);
    write(format, args, true);
    va_end(args);
}

bool PageStream::close() {
    if (m_file != nullptr) {
        // The buffered tail is written here, so a full disk can first show now.
        if (std::fflush(m_file) != 0) {
            fail(errno);
        }
        m_file = nullptr;
    }
    m_sink = nullptr;
    return !m_failed;
}

void PageStream::write(const char* format, va_list args, bool script) {
    if (m_file == nullptr && m_sink == nullptr) {
        fail(0);
        return;
    }
    if (!formatText(format, args)) {
        fail(errno);
        return;
    }
    expandLineEnds();

    const Unmappable fallback = script ? Unmappable::ScriptEscape : Unmappable::CharacterReference;
    if (m_sink != nullptr) {
        detail::appendCp932(*m_sink, m_lines, fallback);
        return;
    }
    m_encoded.clear();
    detail::appendCp932(m_encoded, m_lines, fallback);
    if (std::fwrite(m_encoded.data(), 1, m_encoded.size(), m_file) != m_encoded.size()) {
        fail(errno);
    }
}

void PageStream::fail(int error) {
    if (!m_failed) {
        m_error = error;
    }
    m_failed = true;
}

bool PageStream::formatText(const char* format, va_list args) {
    // Most writes are short: format on the stack first and only size the buffer when that
    // does not fit. args can be walked only once, so the second try needs a copy.
    va_list retry;
    va_copy(retry, args);
    char first[kFirstTryRoom];
    int length = std::vsnprintf(first, sizeof first, format, args);
    if (length >= 0 && static_cast<std::size_t>(length) < sizeof first) {
        m_formatted.assign(first, static_cast<std::size_t>(length));
    } else if (length >= 0) {
        m_formatted.resize(static_cast<std::size_t>(length));
        length = std::vsnprintf(m_formatted.data(), m_formatted.size() + 1, format, retry);
    }
    va_end(retry);
    return length >= 0 && static_cast<std::size_t>(length) == m_formatted.size();
}

// Every "\n" becomes CR LF, a CR before it included, as a page written in text mode has
// always had it: a comment's CR LF reaches the page as CR CR LF.
void PageStream::expandLineEnds() {
    m_lines.clear();
    for (const char ch : m_formatted) {
        if (ch == '\n') {
            m_lines += '\r';
        }
        m_lines += ch;
    }
}

} // namespace vistrel
