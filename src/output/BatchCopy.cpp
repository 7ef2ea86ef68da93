// SPDX-License-Identifier: MIT
#include "output/BatchCopy.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include "output/BlockingCalls.h"
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

constexpr std::size_t kCopyBlock = 1U << 20U;
// Each file counts as this many steps of the progress, so that a large one moves the bar.
constexpr int kStepsPerFile = 100;

// Told how many of the size bytes of a file are copied, after each block but its last; false
// cancels the copy.
using BlockReport = std::function<bool(std::uint64_t copied, std::uint64_t size)>;

enum class CopyOutcome { Done, Failed, Cancelled };

// Keeps the source's modification time on the copy, as copying a file on the desktop does, so
// that listings sorted or shown by date do not change because a file was copied.
void keepModificationTime(const std::string& source, const std::string& copy) {
    // A file system that cannot store the time still holds a good copy, so this never fails it.
    std::error_code ignored;
    const fs::file_time_type modified = fs::last_write_time(source, ignored);
    if (!ignored) {
        fs::last_write_time(copy, modified, ignored);
    }
}

// The private folder of one batch inside its target folder. Each copy is written there under a
// name of its own and renamed into place only once complete, so a failed copy never leaves a
// half-written file under a target name, nor destroys the file it was to replace, and a link in
// a target's place is replaced rather than written through. Made at the first copy, so a batch
// that copies nothing makes none, and one for the whole batch: on some disks removing a folder
// waits a tenth of a second.
class WorkFolder {
public:
    explicit WorkFolder(const fs::path& parent) : m_pattern((parent / kCopyWorkFolder).string()) {}
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    // Only where an exception cut the batch short; otherwise remove() has run.
    ~WorkFolder() { remove(); }

    // Creates a new file in the folder, making the folder first when needed, into fd and its
    // path; 0 or the errno of the failure.
    int createFile(FileDescriptor& fd, std::string& path) {
        if (m_path.empty()) {
            std::string made = m_pattern;
            if (::mkdtemp(made.data()) == nullptr) {
                return errno;
            }
            m_path = std::move(made);
        }
        return createNumberedFile(m_path + "/copy", fd, path);
    }

    // Removes the folder with whatever a failed or cancelled copy left in it.
    void remove() {
        if (!m_path.empty()) {
            std::error_code ignored;
            fs::remove_all(m_path, ignored);
            m_path.clear();
        }
    }

private:
    std::string m_pattern;
    std::string m_path; // empty until made and once removed
};

// Copies the next block of in to out inside the kernel, which can share the blocks on a file
// system that allows it: the bytes copied, 0 at the end of in, or -1 with error set.
ssize_t copyBlockInKernel(int in, int out, int& error) {
    for (;;) {
        const ssize_t got = ::copy_file_range(in, nullptr, out, nullptr, kCopyBlock, 0);
        if (got >= 0 || errno != EINTR) {
            error = got < 0 ? errno : 0;
            return got;
        }
    }
}

// The same by reading into block and writing it, for two files the kernel cannot copy between.
ssize_t copyBlockByReading(int in, int out, std::vector<char>& block, int& error) {
    block.resize(kCopyBlock);
    for (;;) {
        const ssize_t got = ::read(in, block.data(), block.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        error = got < 0 ? errno : 0;
        errno = 0;
        if (got > 0 && !writeAll(out, block.data(), static_cast<std::size_t>(got))) {
            // A write that stores nothing without an error is a full disk by another name.
            error = errno != 0 ? errno : ENOSPC;
            return -1;
        }
        return got;
    }
}

bool kernelCannotCopy(int error) {
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

// Copies in (size bytes) to out block by block, each block on the thread of calls; report is
// told after each block but the last. 0, the errno of the failure, or ECANCELED when report
// cancelled.
int copyContent(int in, int out, std::uint64_t size, BlockingCalls& calls,
                const BlockReport& report) {
    std::uint64_t copied = 0;
    bool byReading = false;
    std::vector<char> block;
    for (;;) {
        ssize_t got = 0;
        int error = 0;
        calls.run([&] {
            got = byReading ? copyBlockByReading(in, out, block, error)
                            : copyBlockInKernel(in, out, error);
        });
        if (got < 0 && !byReading && copied == 0 && kernelCannotCopy(error)) {
            byReading = true;
            continue;
        }
        if (got <= 0) {
            return got < 0 ? error : 0;
        }
        copied += static_cast<std::uint64_t>(got);
        if (copied < size && !report(copied, size)) {
            return ECANCELED;
        }
    }
}

// Copies source (size bytes) to target through the work folder; every step that touches the
// disk runs on the thread of calls. 0, the errno of the failure, or ECANCELED.
int copyIntoPlace(const std::string& source, const fs::path& target, std::uint64_t size,
                  WorkFolder& work, BlockingCalls& calls, const BlockReport& report) {
    FileDescriptor in;
    FileDescriptor out;
    std::string staged;
    int cause = 0;
    calls.run([&] {
        struct stat info {};
        cause = openRegularFile(source, in, info);
        if (cause == 0) {
            // Made here rather than by a library copy, which would give the copy the source's
            // mode.
            cause = work.createFile(out, staged);
        }
    });
    if (cause == 0) {
        cause = copyContent(in.get(), out.get(), size, calls, report);
    }
    calls.run([&] {
        in = FileDescriptor();
        if (out.get() >= 0 && out.closeNow() != 0 && cause == 0) {
            cause = errno;
        }
        if (cause == 0) {
            keepModificationTime(source, staged);
            if (::rename(staged.c_str(), target.c_str()) != 0) {
                cause = errno;
            }
        }
    });
    return cause;
}

void reportFailure(Prompter& prompter, const Status& failure) {
    prompter.message(texts::kFileErrorCaption,
                     failure.path() + std::string(texts::kCopyFailed) + failure.cause(),
                     PromptIcon::Stop);
}

// Copies one file into folder; a failure has been shown.
CopyOutcome copyOne(const FileCopy& file, const fs::path& folder, WorkFolder& work,
                    BlockingCalls& calls, Prompter& prompter, const BlockReport& report) {
    const std::string& source = file.source;
    const fs::path name = fs::path(file.targetName);
    const fs::path target = folder / name;
    struct stat sourceInfo {};
    struct stat targetInfo {};
    int sourceError = 0;
    bool targetExists = false;
    calls.run([&] {
        sourceError = ::stat(source.c_str(), &sourceInfo) == 0 ? 0 : errno;
        targetExists = sourceError == 0 && ::stat(target.c_str(), &targetInfo) == 0;
    });
    if (sourceError != 0) {
        reportFailure(prompter, Status::failure(source, errorText(sourceError)));
        return CopyOutcome::Failed;
    }
    if (!S_ISREG(sourceInfo.st_mode)) {
        reportFailure(prompter, Status::failure(source, errorText(EINVAL)));
        return CopyOutcome::Failed;
    }
    if (targetExists) {
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
    const int copied = copyIntoPlace(source, target, static_cast<std::uint64_t>(sourceInfo.st_size),
                                     work, calls, report);
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
    const fs::path folder = targetFolder.empty() ? fs::path(".") : fs::path(targetFolder);
    WorkFolder work(folder);
    bool finished = true;
    {
        BlockingCalls calls(progress);
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
            finished =
                copyOne(copies[i], folder, work, calls, prompter, report) == CopyOutcome::Done;
        }
        // Also after a failure or a cancel: the folder holds at most a copy left unfinished.
        calls.run([&] { work.remove(); });
    }
    if (finished) {
        progress.setProgress(total, total);
    }
    progress.close();
    return finished;
}

} // namespace vistrel
