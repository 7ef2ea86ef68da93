// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

namespace vistrel {

// The result of an operation that can fail in an expected way: success, or a failure with the
// path concerned and a cause the user can read (from strerror or the library that failed).
class Status {
public:
    static Status success() { return Status(); }
    static Status failure(std::string path, std::string cause) {
        return Status(std::move(path), std::move(cause));
    }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const std::string& path() const { return m_path; }
    const std::string& cause() const { return m_cause; }

private:
    Status() = default;
    Status(std::string path, std::string cause)
        : m_ok(false), m_path(std::move(path)), m_cause(std::move(cause)) {}

    bool m_ok = true;
    std::string m_path;
    std::string m_cause;
};

} // namespace vistrel
