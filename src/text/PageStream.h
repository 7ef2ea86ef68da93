// SPDX-License-Identifier: MIT
#pragma once

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <string>

namespace vistrel {

// The output stream of every generated page. Text is formatted printf-style from UTF-8
// (page fragments are the formats; user text is only ever an argument, so a "%" typed by
// the user is written as typed), every "\n" is written as CR LF (so a CR LF in the text becomes
// CR CR LF, as in a file written in text mode) and the text is encoded as CP932 (see Encoding.h).
// A character that CP932 cannot hold becomes a numeric character reference with print() and
// a "\uXXXX" escape with printScript() (for text inside a script string literal).
class PageStream {
public:
    // Opens (creates or truncates) the page file. Returns null when it cannot be opened.
    static std::unique_ptr<PageStream> open(const std::string& path);

    // A stream that appends the encoded bytes to sink (the caller keeps sink alive).
    explicit PageStream(std::string& sink);
    // Closes the file if close() was not called; a write error is then not reported.
    ~PageStream();
    PageStream(const PageStream&) = delete;
    PageStream& operator=(const PageStream&) = delete;

    // Formatted output of any length. A format the C library cannot format, or output after
    // close(), writes nothing and counts as a failed write.
    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void printScript(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Flushes and closes the file. False when any write failed.
    bool close();

private:
    explicit PageStream(std::FILE* file);
    void write(const char* format, va_list args, bool script) __attribute__((format(printf, 2, 0)));
    bool formatText(const char* format, va_list args) __attribute__((format(printf, 2, 0)));
    void expandLineEnds();

    std::FILE* m_file = nullptr;
    std::string* m_sink = nullptr;
    bool m_failed = false;
    // Reused from call to call: a page is thousands of small writes.
    std::string m_formatted;
    std::string m_lines;
    std::string m_encoded;
};

} // namespace vistrel
