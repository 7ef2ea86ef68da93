// SPDX-License-Identifier: MIT
#include "output/BatchCopy.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <system_error>

#include "platform/CancelFlag.h"
#include "platform/ErrorText.h"
#include "platform/FileDescriptor.h"
#include "platform/ProgressSink.h"
#include "platform/Prompter.h"
#include "platform/Status.h"
#include "platform/WorkNames.h"
#include "text/ProgramTexts.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;

constexpr mode_t kNewFileMode = 0666;
constexpr std::size_t kCopyBlock = 1U << 20U;
// Each file counts as this many steps of the progress, so that a large one moves the bar.
constexpr int kStepsPerFile = 100;

// Told how many of the size bytes of a file are copied, after each block but its last; false
// cancels the copy.
using BlockReport = std::function<bool(std::uint64_t copied, std::uint64_t size)>;

enum class CopyOutcome { Done, Failed, Cancelled };

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

// Copies what is left of in to out by reading and writing, copied bytes already done; 0, the
// errno of the failure, or ECANCELED when report cancelled.
int copyByReading(int in, int out, std::uint64_t size, std::uint64_t copied,
                  const BlockReport& report) {
    std::vector<char> block(kCopyBlock);
    for (;;) {
        const ssize_t got = ::read(in, block.data(), block.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got < 0 ? errno : 0;
        }
        if (!writeAll(out, block.data(), static_cast<std::size_t>(got))) {
            return errno;
        }
        copied += static_cast<std::uint64_t>(got);
        if (copied < size && !report(copied, size)) {
            return ECANCELED;
        }
    }
}

// Copies in (size bytes) to out inside the kernel, which can share the blocks on a file system
// that allows it; falls back to reading and writing where the two files cannot be copied so.
// 0, the errno of the failure, or ECANCELED when report cancelled.
int copyContent(int in, int out, std::uint64_t size, const BlockReport& report) {
    std::uint64_t copied = 0;
    for (;;) {
        const ssize_t got = ::copy_file_range(in, nullptr, out, nullptr, kCopyBlock, 0);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 && copied == 0 &&
            (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) {
            return copyByReading(in, out, size, copied, report);
        }
        if (got <= 0) {
            return got < 0 ? errno : 0;
        }
        copied += static_cast<std::uint64_t>(got);
        if (copied < size && !report(copied, size)) {
            return ECANCELED;
        }
    }
}

// Copies the bytes of source into the new file copy; 0 or the errno of the failure.
int copyBytes(const std::string& source, const fs::path& copy, std::uint64_t size,
              const BlockReport& report) {
    FileDescriptor in;
    struct stat info {};
    if (const int error = openRegularFile(source, in, info); error != 0) {
        return error;
    }
    // Made here rather than by a library copy, which would give the copy the source's mode.
    FileDescriptor out(::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode));
    if (out.get() < 0) {
        return errno;
    }
    int cause = copyContent(in.get(), out.get(), size, report);
    if (out.closeNow() != 0 && cause == 0) {
        cause = errno;
    }
    return cause;
}

// Writes the copy inside a private folder in the target folder and renames it into place only
// once complete, so a failed copy never leaves a half-written file under the target name, nor
// destroys the file it was to replace. 0, the errno of the failure, or ECANCELED.
int copyIntoPlace(const std::string& source, const fs::path& target, std::uint64_t size,
                  const BlockReport& report) {
    std::string staging = (target.parent_path() / kCopyWorkFolder).string();
    if (::mkdtemp(staging.data()) == nullptr) {
        return errno;
    }
    const fs::path staged = fs::path(staging) / "copy";
    int cause = copyBytes(source, staged, size, report);
    if (cause == 0) {
        keepModificationTime(source, staged);
        if (::rename(staged.c_str(), target.c_str()) != 0) {
            cause = errno;
        }
    }
    std::error_code ignored;
    fs::remove_all(staging, ignored);
    return cause;
}

void reportFailure(Prompter& prompter, const Status& failure) {
    prompter.message(texts::kFileErrorCaption,
                     failure.path() + std::string(texts::kCopyFailed) + failure.cause(),
                     PromptIcon::Stop);
}

// Copies one file; a failure has been shown.
CopyOutcome copyOne(const FileCopy& file, const std::string& targetFolder, Prompter& prompter,
                    const BlockReport& report) {
    const std::string& source = file.source;
    struct stat sourceInfo {};
    if (::stat(source.c_str(), &sourceInfo) != 0) {
        reportFailure(prompter, Status::failure(source, errorText(errno)));
        return CopyOutcome::Failed;
    }
    if (!S_ISREG(sourceInfo.st_mode)) {
        reportFailure(prompter, Status::failure(source, errorText(EINVAL)));
        return CopyOutcome::Failed;
    }
    const fs::path name = fs::path(file.targetName);
    const fs::path target = (targetFolder.empty() ? fs::path(".") : fs::path(targetFolder)) / name;

    struct stat targetInfo {};
    if (::stat(target.c_str(), &targetInfo) == 0) {
        // The same file under another spelling or through a link: copying would truncate the
        // very file being read, and there is nothing to copy anyway.
        if (targetInfo.st_dev == sourceInfo.st_dev && targetInfo.st_ino == sourceInfo.st_ino) {
            return CopyOutcome::Done;
        }
        if (S_ISDIR(targetInfo.st_mode)) {
            reportFailure(prompter, Status::failure(source, errorText(EISDIR)));
            return CopyOutcome::Failed;
        }
        if (!prompter.ask(texts::kOverwriteCaption,
                          name.string() + std::string(texts::kReplaceQuestion),
                          PromptIcon::Question)) {
            return CopyOutcome::Done;
        }
    }
    const int copied =
        copyIntoPlace(source, target, static_cast<std::uint64_t>(sourceInfo.st_size), report);
    if (copied == 0) {
        return CopyOutcome::Done;
    }
    if (copied == ECANCELED) {
        return CopyOutcome::Cancelled;
    }
    reportFailure(prompter, Status::failure(source, errorText(copied)));
    return CopyOutcome::Failed;
}

} // namespace

std::vector<FileCopy> underOwnNames(const std::vector<std::string>& sources) {
    std::vector<FileCopy> copies;
    copies.reserve(sources.size());
    for (const std::string& source : sources) {
        copies.push_back({source, fs::path(source).filename().string()});
    }
    return copies;
}

bool BatchCopy(const std::vector<FileCopy>& copies, const std::string& targetFolder,
               std::string_view title, Prompter& prompter, ProgressSink& progress,
               CancelFlag& cancel) {
    const int total = static_cast<int>(copies.size()) * kStepsPerFile;
    progress.open(ProgressKind::Copy, title);
    bool finished = true;
    for (std::size_t i = 0; i < copies.size() && finished; ++i) {
        const int done = static_cast<int>(i) * kStepsPerFile;
        progress.setProgress(done, total);
        progress.pump();
        if (cancel.testAndClear()) {
            finished = false;
            break;
        }
        // Within a large file the bar moves block by block, and Cancel is seen there too.
        const BlockReport report = [&](std::uint64_t copied, std::uint64_t size) {
            progress.setProgress(done + static_cast<int>(copied * kStepsPerFile / size), total);
            progress.pump();
            return !cancel.testAndClear();
        };
        finished = copyOne(copies[i], targetFolder, prompter, report) == CopyOutcome::Done;
    }
    if (finished) {
        progress.setProgress(total, total);
    }
    progress.close();
    return finished;
}

} // namespace vistrel
