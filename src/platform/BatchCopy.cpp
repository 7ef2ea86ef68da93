// SPDX-License-Identifier: MIT
#include "platform/BatchCopy.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/CancelFlag.h"
#include "platform/ProgressSink.h"
#include "platform/Prompter.h"
#include "platform/Status.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kReplaceCaption = "ファイルの上書き確認";
constexpr std::string_view kReplaceQuestion = " は既に存在します。置き換えますか？";
constexpr std::string_view kErrorCaption = "ファイルエラー";
constexpr std::string_view kCopyFailed = " をコピーできませんでした。\n";

std::string errnoText(int error) {
    return std::generic_category().message(error);
}

// Keeps the source's modification time on the copy, as copying a file on the desktop does, so
// that listings sorted or shown by date do not change because a file was copied.
void keepModificationTime(const std::string& source, const fs::path& copy) {
    // A file system that cannot store the time still holds a good copy, so this never fails it.
    std::error_code ignored;
    const fs::file_time_type modified = fs::last_write_time(source, ignored);
    if (!ignored) {
        fs::last_write_time(copy, modified, ignored);
    }
}

// Writes the copy inside a private folder in the target folder and renames it into place only
// once complete, so a failed copy never leaves a half-written file under the target name, nor
// destroys the file it was to replace.
Status copyIntoPlace(const std::string& source, const fs::path& target) {
    std::string staging = (target.parent_path() / ".vistrel-copy-XXXXXX").string();
    if (::mkdtemp(staging.data()) == nullptr) {
        return Status::failure(source, errnoText(errno));
    }
    const fs::path staged = fs::path(staging) / target.filename();
    Status result = Status::success();
    std::error_code error;
    if (!fs::copy_file(source, staged, error)) {
        result = Status::failure(source, error.message());
    } else {
        keepModificationTime(source, staged);
        if (::rename(staged.c_str(), target.c_str()) != 0) {
            result = Status::failure(source, errnoText(errno));
        }
    }
    std::error_code ignored;
    fs::remove_all(staging, ignored);
    return result;
}

bool reportFailure(Prompter& prompter, const Status& failure) {
    prompter.message(kErrorCaption, failure.path() + std::string(kCopyFailed) + failure.cause(),
                     PromptIcon::Stop);
    return false;
}

// Copies one file; false when the copy failed (and the failure was shown).
bool copyOne(const std::string& source, const std::string& targetFolder, Prompter& prompter) {
    struct stat sourceInfo {};
    if (::stat(source.c_str(), &sourceInfo) != 0) {
        return reportFailure(prompter, Status::failure(source, errnoText(errno)));
    }
    const fs::path name = fs::path(source).filename();
    const fs::path target = (targetFolder.empty() ? fs::path(".") : fs::path(targetFolder)) / name;

    struct stat targetInfo {};
    if (::stat(target.c_str(), &targetInfo) == 0) {
        // The same file under another spelling or through a link: copying would truncate the
        // very file being read, and there is nothing to copy anyway.
        if (targetInfo.st_dev == sourceInfo.st_dev && targetInfo.st_ino == sourceInfo.st_ino) {
            return true;
        }
        if (S_ISDIR(targetInfo.st_mode)) {
            return reportFailure(prompter, Status::failure(source, errnoText(EISDIR)));
        }
        if (!prompter.ask(kReplaceCaption, name.string() + std::string(kReplaceQuestion),
                          PromptIcon::Question)) {
            return true;
        }
    }
    const Status copied = copyIntoPlace(source, target);
    return copied ? true : reportFailure(prompter, copied);
}

} // namespace

bool BatchCopy(const std::vector<std::string>& sources, const std::string& targetFolder,
               std::string_view title, Prompter& prompter, ProgressSink& progress,
               CancelFlag& cancel) {
    const int total = static_cast<int>(sources.size());
    progress.open(title);
    bool finished = true;
    for (int i = 0; i < total && finished; ++i) {
        progress.setProgress(i, total);
        progress.pump();
        if (cancel.testAndClear()) {
            finished = false;
        } else {
            finished = copyOne(sources[static_cast<std::size_t>(i)], targetFolder, prompter);
        }
    }
    if (finished) {
        progress.setProgress(total, total);
    }
    progress.close();
    return finished;
}

} // namespace vistrel
