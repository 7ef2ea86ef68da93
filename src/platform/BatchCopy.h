// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

class CancelFlag;
class ProgressSink;
class Prompter;

// Copies files, in the order given, into one folder, as the program's batch copy does:
// progress is reported under title; before replacing an existing file the user is asked
// ("ファイルの上書き確認"; Yes replaces, No skips that file); a file copied onto itself is
// skipped and never truncated. Returns false when the user cancelled (the cancel flag is
// tested and cleared between files) or a copy failed (the failure was shown); true otherwise.
bool BatchCopy(const std::vector<std::string>& sources, const std::string& targetFolder,
               std::string_view title, Prompter& prompter, ProgressSink& progress,
               CancelFlag& cancel);

} // namespace vistrel
