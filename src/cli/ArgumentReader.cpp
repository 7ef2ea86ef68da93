// SPDX-License-Identifier: MIT
#include "cli/ArgumentReader.h"

namespace vistrel::cli {

bool ArgumentReader::flag(std::string_view name) {
    if (atEnd() || m_arguments[m_next] != name) {
        return false;
    }
    ++m_next;
    return true;
}

std::optional<std::string> ArgumentReader::option(std::string_view name) {
    if (atEnd()) {
        return std::nullopt;
    }
    const std::string& current = m_arguments[m_next];
    if (current == name) {
        if (m_next + 1 >= m_arguments.size()) {
            m_missingValue = std::string(name);
            ++m_next;
            return std::nullopt;
        }
        m_next += 2;
        return m_arguments[m_next - 1];
    }
    if (current.size() > name.size() && current.starts_with(name) && current[name.size()] == '=') {
        ++m_next;
        return current.substr(name.size() + 1);
    }
    return std::nullopt;
}

} // namespace vistrel::cli
