// SPDX-License-Identifier: MIT
#pragma once

#include <cstdarg>
#include <cstdio>
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
    // A stream that appends the encoded bytes to sink (the caller keeps sink alive).
    explicit PageStream(std::string& sink);
    // A stream that writes the encoded bytes to file, which the caller owns and closes; null
    // gives a stream whose every write fails.
    explicit PageStream(std::FILE* file);
    PageStream(const PageStream&) = delete;
    PageStream& operator=(const PageStream&) = delete;

    // Formatted output of any length. A format the C library cannot format, or output after
    // close(), writes nothing and counts as a failed write.
    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void printScript(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Flushes the file and ends the stream. False when any write failed.
    bool close();

    // The errno of the first write that failed, 0 when none did or the cause is unknown.
    int error() const { return m_error; }

private:
    void write(const char* format, va_list args, bool script) __attribute__((format(printf, 2, 0)));
    bool formatText(const char* format, va_list args) __attribute__((format(printf, 2, 0)));
    void expandLineEnds();
    void fail(int error);

    std::FILE* m_file = nullptr;
    std::string* m_sink = nullptr;
    bool m_failed = false;
    int m_error = 0;
    // Reused from call to call: a page is thousands of small writes.
    std::string m_formatted;
    std::string m_lines;
    std::string m_encoded;
};

} // namespace vistrel
