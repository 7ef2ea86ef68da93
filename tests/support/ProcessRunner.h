// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>
#include <vector>

namespace vistrel::test {

// What a finished child process left behind.
struct ProcessResult {
    int exitCode = -1; // -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs program with arguments, standard input from /dev/null, and collects its output.
// environment entries are set (or, with an empty value, removed) in the child only.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment = {});

} // namespace vistrel::test
