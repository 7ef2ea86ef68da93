// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vistrel::cli {

// Walks the arguments of one command. Options are "--name VALUE" or "--name=VALUE".
class ArgumentReader {
public:
    explicit ArgumentReader(std::span<const std::string> arguments) : m_arguments(arguments) {}

    bool atEnd() const { return m_next >= m_arguments.size(); }

    // The next argument, consumed.
    const std::string& take() { return m_arguments[m_next++]; }

    // When the current argument is the option name: consumes it and returns true.
    bool flag(std::string_view name);

    // When the current argument is the option name with a value: consumes both and returns
    // the value. A name without a value sets missingValue and returns nullopt.
    std::optional<std::string> option(std::string_view name);

    // The option whose value was missing, when there was one.
    const std::string& missingValue() const { return m_missingValue; }

private:
    std::span<const std::string> m_arguments;
    std::size_t m_next = 0;
    std::string m_missingValue;
};

} // namespace vistrel::cli
