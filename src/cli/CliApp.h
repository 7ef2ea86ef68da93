// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace vistrel::cli {

// Exit codes of vistrel-cli.
inline constexpr int kExitDone = 0;
inline constexpr int kExitStopped = 1; // a check failed, a question was answered No, cancelled
inline constexpr int kExitUsage = 2;

// Where a command writes: results on out (UTF-8), messages on err.
struct Streams {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
};

// Runs vistrel-cli with the arguments after the program name; returns the exit code.
int runCli(const std::vector<std::string>& arguments, const Streams& streams);

} // namespace vistrel::cli
