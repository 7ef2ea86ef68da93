// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

class CancelFlag;
class ProgressSink;
class Prompter;

// One file to copy: its path and the name it gets in the target folder.
struct FileCopy {
    std::string source;
    std::string targetName;
};

// The copies of sources under their own file names.
std::vector<FileCopy> underOwnNames(const std::vector<std::string>& sources);

// Copies files, in the order given, into one folder, as the program's batch copy does:
// progress is reported under title; before replacing an existing file the user is asked
// ("ファイルの上書き確認"; Yes replaces, No skips that file); a file copied onto itself is
// skipped and never truncated. Returns false when the user cancelled (the cancel flag is
// tested and cleared between files) or a copy failed (the failure was shown); true otherwise.
//
// Each source goes to targetFolder + its target name (an empty targetFolder is the current
// folder); the question names the target. Progress: open(title); before file i of n, setProgress(i,
// n) then pump(), then the cancel test; setProgress(n, n) after the last file; close() always, also
// after a cancel or a failure. The question is "<name> は既に存在します。置き換えますか？" with the
// file name only, icon Question. "Onto itself" means the target is the source's own file (same
// device and inode): the same folder spelt differently, a linked folder, a link or a second hard
// link. A failure stops the run with the message "<source> をコピーできませんでした。\n<cause>",
// caption "ファイルエラー", icon Stop; a missing source, a missing target folder, a source that
// is not a regular file and a folder in the target's place all count as failures. The copy is
// written under a temporary name in a private folder of the target folder and renamed into
// place when complete, so a failed or cancelled copy leaves neither a partial file nor damage
// to the file it was to replace; the folder goes when the batch ends, however it ends. Every
// step that touches the disk runs on a thread of its own, and while one waits the progress is
// pumped every few tens of milliseconds besides the pumps above.
// The copy keeps the source's modification time and gets the mode of any new file (0666 less
// the umask), so a photo readable only by its owner is still served by a web server.
bool BatchCopy(const std::vector<FileCopy>& copies, const std::string& targetFolder,
               std::string_view title, Prompter& prompter, ProgressSink& progress,
               CancelFlag& cancel);

} // namespace vistrel
