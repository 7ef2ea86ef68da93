// SPDX-License-Identifier: MIT
#include "output/BatchCopy.h"

#include <sys/resource.h>
#include <sys/time.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "SinglePumps.h"
#include "platform/CancelFlag.h"
#include "platform/FileSystem.h"
#include "platform/WorkNames.h"
#include "support/RecordingProgressSink.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using test::RecordingProgressSink;
using test::ScriptedPrompter;
using test::TempDir;
using test::withSinglePumps;
using Call = ScriptedPrompter::Call;
using Kind = ScriptedPrompter::Kind;
using Lines = std::vector<std::string>;

constexpr std::string_view kTitle = "ファイルをコピーしています";

Call replaceQuestion(const std::string& name) {
    return {Kind::Ask, "ファイルの上書き確認", name + " は既に存在します。置き換えますか？",
            PromptIcon::Question};
}

Call copyFailure(const std::string& path, int error) {
    return {Kind::Message, "ファイルエラー",
            path + " をコピーできませんでした。\n" + std::generic_category().message(error),
            PromptIcon::Stop};
}

// A failure message for path whose cause is left to the system.
void expectCopyFailure(const Call& call, const std::string& path) {
    const std::string lead = path + " をコピーできませんでした。\n";
    EXPECT_EQ(call.kind, Kind::Message);
    EXPECT_EQ(call.caption, "ファイルエラー");
    EXPECT_EQ(call.icon, PromptIcon::Stop);
    EXPECT_EQ(call.text.rfind(lead, 0), 0U) << call.text;
    EXPECT_GT(call.text.size(), lead.size()) << "no cause given";
}

class BatchCopyTest : public ::testing::Test {
protected:
    bool copy(const std::vector<std::string>& sources, const fs::path& folder) {
        return BatchCopy(underOwnNames(sources), folder.string(), kTitle, m_prompter, m_progress,
                         m_cancel);
    }

    // Names in the target folder: shows what was copied and that nothing was left behind.
    Lines targetNames() const {
        Lines names;
        for (const DirEntry& entry : listDirectory(m_to.path().string())) {
            names.push_back(entry.name);
        }
        return names;
    }

    const TempDir m_from;
    const TempDir m_to;
    ScriptedPrompter m_prompter;
    RecordingProgressSink m_progress;
    CancelFlag m_cancel;
};

TEST_F(BatchCopyTest, CopiesFilesInOrderReportingProgress) {
    const std::string a = m_from.write("a.jpg", "first");
    const std::string b = m_from.write("写真.jpg", "second");

    EXPECT_TRUE(copy({a, b}, m_to.path()));

    EXPECT_EQ(m_to.read("a.jpg"), "first");
    EXPECT_EQ(m_to.read("写真.jpg"), "second");
    EXPECT_EQ(targetNames(), (Lines{"a.jpg", "写真.jpg"}));
    EXPECT_TRUE(m_prompter.calls.empty());
    EXPECT_EQ(withSinglePumps(m_progress.events),
              (Lines{"open ファイルをコピーしています", "progress 0/200", "pump",
                     "progress 100/200", "pump", "progress 200/200", "close"}));
}

TEST_F(BatchCopyTest, KeepsTheModificationTime) {
    const std::string a = m_from.write("a.jpg", "first");
    const std::array<timeval, 2> times = {{{1600000000, 0}, {1600000000, 0}}};
    ASSERT_EQ(::lutimes(a.c_str(), times.data()), 0);

    ASSERT_TRUE(copy({a}, m_to.path()));
    const std::vector<DirEntry> copied = listDirectory(m_to.path().string());
    ASSERT_EQ(copied.size(), 1U);
    EXPECT_EQ(copied[0].mtime, 1600000000);
}

TEST_F(BatchCopyTest, NothingToCopyStillOpensAndClosesTheProgress) {
    EXPECT_TRUE(copy({}, m_to.path()));
    EXPECT_EQ(withSinglePumps(m_progress.events),
              (Lines{"open ファイルをコピーしています", "progress 0/0", "close"}));
}

TEST_F(BatchCopyTest, AsksBeforeReplacingYesReplacesNoKeeps) {
    const std::string a = m_from.write("a.jpg", "new a");
    const std::string b = m_from.write("b.jpg", "new b");
    const std::string c = m_from.write("c.jpg", "new c");
    m_to.write("a.jpg", "old a");
    m_to.write("b.jpg", "old b");
    m_prompter.willAnswer(true);
    m_prompter.willAnswer(false);

    EXPECT_TRUE(copy({a, b, c}, m_to.path()));

    EXPECT_EQ(m_to.read("a.jpg"), "new a");
    EXPECT_EQ(m_to.read("b.jpg"), "old b");
    EXPECT_EQ(m_to.read("c.jpg"), "new c");
    EXPECT_EQ(m_prompter.calls,
              (std::vector<Call>{replaceQuestion("a.jpg"), replaceQuestion("b.jpg")}));
    EXPECT_EQ(targetNames(), (Lines{"a.jpg", "b.jpg", "c.jpg"}));
}

TEST_F(BatchCopyTest, NeverTruncatesAFileCopiedOntoItself) {
    const std::string a = m_to.write("a.jpg", "precious");
    fs::create_directory_symlink(m_to.path(), m_from.path() / "linked");
    fs::create_symlink(a, m_from.path() / "b.jpg");
    fs::create_hard_link(a, m_to.path() / "b.jpg");

    // The same folder, another spelling of it, a linked folder, a file reached through a link,
    // and another name of the same file.
    const std::string sameFolder = m_to.path().string();
    for (const auto& [source, folder] :
         std::vector<std::pair<std::string, std::string>>{{a, sameFolder},
                                                          {a, sameFolder + "/./"},
                                                          {a, m_from.file("linked")},
                                                          {m_from.file("linked/a.jpg"), sameFolder},
                                                          {m_from.file("b.jpg"), sameFolder}}) {
        SCOPED_TRACE(source + " -> " + folder);
        EXPECT_TRUE(copy({source}, folder));
        EXPECT_EQ(m_to.read("a.jpg"), "precious");
    }
    EXPECT_TRUE(m_prompter.calls.empty());
    EXPECT_EQ(targetNames(), (Lines{"a.jpg", "b.jpg"}));
}

TEST_F(BatchCopyTest, CancelStopsBetweenFiles) {
    const std::string a = m_from.write("a.jpg", "a");
    const std::string b = m_from.write("b.jpg", "b");
    const std::string c = m_from.write("c.jpg", "c");
    // The user cancels while the first file is being copied; the pump before the second file
    // takes the request.
    m_progress.onPump = [this](int pumps) {
        if (pumps == 2) {
            m_cancel.request();
        }
    };

    EXPECT_FALSE(copy({a, b, c}, m_to.path()));

    EXPECT_EQ(targetNames(), (Lines{"a.jpg"}));
    EXPECT_FALSE(m_cancel.isRequested());
    EXPECT_TRUE(m_prompter.calls.empty());
    EXPECT_EQ(withSinglePumps(m_progress.events),
              (Lines{"open ファイルをコピーしています", "progress 0/300", "pump",
                     "progress 100/300", "pump", "close"}));
}

TEST_F(BatchCopyTest, MovesTheBarWithinALargeFileAndStopsThereOnCancel) {
    // Five blocks of copying: the bar moves after each of the first four, and a cancel taken
    // after the second leaves neither the copy nor a half of it.
    const std::string big = m_from.write("big.jpg", std::string(5U << 20U, 'x'));
    EXPECT_TRUE(copy({big}, m_to.path()));
    EXPECT_EQ(withSinglePumps(m_progress.events),
              (Lines{"open ファイルをコピーしています", "progress 0/100", "pump", "progress 20/100",
                     "pump", "progress 40/100", "pump", "progress 60/100", "pump",
                     "progress 80/100", "pump", "progress 100/100", "close"}));

    fs::remove(m_to.path() / "big.jpg");
    RecordingProgressSink cancelled;
    cancelled.onPump = [this, &cancelled](int) {
        const std::vector<std::string>& events = cancelled.events;
        if (events.size() >= 2 && events[events.size() - 2] == "progress 40/100") {
            m_cancel.request();
        }
    };
    EXPECT_FALSE(BatchCopy(underOwnNames({big}), m_to.path().string(), kTitle, m_prompter,
                           cancelled, m_cancel));
    EXPECT_EQ(targetNames(), Lines{});
    EXPECT_TRUE(m_prompter.calls.empty()) << "a cancel is no failure to report";
}

TEST_F(BatchCopyTest, CancelBeforeTheFirstFileCopiesNothing) {
    const std::string a = m_from.write("a.jpg", "a");
    m_cancel.request();

    EXPECT_FALSE(copy({a}, m_to.path()));
    EXPECT_TRUE(targetNames().empty());
    EXPECT_FALSE(m_cancel.isRequested());
    EXPECT_EQ(m_progress.events.back(), "close");
}

TEST_F(BatchCopyTest, AMissingSourceIsReportedAndStopsTheCopy) {
    const std::string a = m_from.write("a.jpg", "a");
    const std::string missing = m_from.file("missing.jpg");
    const std::string c = m_from.write("c.jpg", "c");

    EXPECT_FALSE(copy({a, missing, c}, m_to.path()));

    EXPECT_EQ(targetNames(), (Lines{"a.jpg"}));
    EXPECT_EQ(m_prompter.calls, (std::vector<Call>{copyFailure(missing, ENOENT)}));
    EXPECT_EQ(m_progress.events.back(), "close");
}

TEST_F(BatchCopyTest, AMissingTargetFolderIsReported) {
    const std::string a = m_from.write("a.jpg", "a");

    EXPECT_FALSE(copy({a}, m_to.path() / "missing"));
    EXPECT_EQ(m_prompter.calls, (std::vector<Call>{copyFailure(a, ENOENT)}));
    EXPECT_TRUE(targetNames().empty());
}

TEST_F(BatchCopyTest, SourcesThatAreNoFilesAreReportedAndLeaveNothingBehind) {
    fs::create_directory(m_from.path() / "album");
    const std::string fifo = m_from.makeFifo("x.jpg");

    for (const std::string& source : {m_from.file("album"), fifo}) {
        SCOPED_TRACE(source);
        m_prompter.calls.clear();
        EXPECT_FALSE(copy({source}, m_to.path()));
        ASSERT_EQ(m_prompter.calls.size(), 1U);
        expectCopyFailure(m_prompter.calls[0], source);
        EXPECT_TRUE(targetNames().empty());
    }
}

TEST_F(BatchCopyTest, AFolderInTheWayIsReportedWithoutAsking) {
    const std::string a = m_from.write("a.jpg", "a");
    m_to.write("a.jpg/inside.txt", "kept");

    EXPECT_FALSE(copy({a}, m_to.path()));
    EXPECT_EQ(m_prompter.calls, (std::vector<Call>{copyFailure(a, EISDIR)}));
    EXPECT_EQ(m_to.read("a.jpg/inside.txt"), "kept");
}

TEST_F(BatchCopyTest, ACopyFailingHalfWayKeepsTheFileItWasToReplace) {
    const std::string big = m_from.write("b.jpg", std::string(256 * 1024, 'n'));
    m_to.write("b.jpg", "old b");
    m_prompter.willAnswer(true);

    // For the length of the copy no file may grow past 64 KiB, so the copy fails half-way as it
    // would on a full disk. The signal for that is ignored so the write reports EFBIG instead.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const rlimit small{64 * 1024, saved.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool copied = copy({big}, m_to.path());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(copied);
    EXPECT_EQ(m_to.read("b.jpg"), "old b");
    EXPECT_EQ(targetNames(), (Lines{"b.jpg"}));
    // The cause is whatever the system or library gave (EFBIG, or EIO for a short write).
    ASSERT_EQ(m_prompter.calls.size(), 2U);
    EXPECT_EQ(m_prompter.calls[0], replaceQuestion("b.jpg"));
    expectCopyFailure(m_prompter.calls[1], big);
}

TEST_F(BatchCopyTest, CopiesManyFilesThroughOneWorkFolderAndLeavesNoneBehind) {
    std::vector<std::string> sources;
    Lines names;
    for (int i = 0; i < 40; ++i) {
        const std::string name = "p" + std::to_string(100 + i) + ".jpg";
        sources.push_back(m_from.write(name, "photo " + name));
        names.push_back(name);
    }
    // At each pump: the work folders in the target folder then.
    std::vector<Lines> workFolders;
    m_progress.onPump = [this, &workFolders](int) {
        Lines work;
        for (const std::string& name : targetNames()) {
            if (isWorkName(name)) {
                work.push_back(name);
            }
        }
        workFolders.push_back(work);
    };

    EXPECT_TRUE(copy(sources, m_to.path()));

    EXPECT_EQ(targetNames(), names);
    EXPECT_EQ(m_to.read("p139.jpg"), "photo p139.jpg");
    // The window took its events before every file.
    ASSERT_GE(workFolders.size(), sources.size());
    EXPECT_TRUE(workFolders.front().empty()) << "nothing is made before the first copy";
    std::set<std::string> seen;
    for (const Lines& work : workFolders) {
        seen.insert(work.begin(), work.end());
    }
    EXPECT_EQ(seen.size(), 1U) << "one folder serves the whole batch";
}

TEST_F(BatchCopyTest, ReplacesALinkInTheTargetsPlaceRatherThanWritingThroughIt) {
    const std::string a = m_from.write("a.jpg", "new a");
    const TempDir elsewhere;
    const std::string outside = elsewhere.write("notes.txt", "the user's own notes");
    fs::create_symlink(outside, m_to.path() / "a.jpg");
    m_prompter.willAnswer(true);

    EXPECT_TRUE(copy({a}, m_to.path()));

    EXPECT_EQ(m_prompter.calls, (std::vector<Call>{replaceQuestion("a.jpg")}));
    EXPECT_FALSE(fs::is_symlink(m_to.path() / "a.jpg"));
    EXPECT_EQ(m_to.read("a.jpg"), "new a");
    EXPECT_EQ(elsewhere.read("notes.txt"), "the user's own notes");
    EXPECT_EQ(targetNames(), (Lines{"a.jpg"}));
}

TEST_F(BatchCopyTest, AFailureAfterEarlierCopiesLeavesThemAndNoWorkFolder) {
    const std::string a = m_from.write("a.jpg", "a");
    const std::string b = m_from.write("b.jpg", "b");
    m_to.write("c.jpg/inside.txt", "kept");
    const std::string c = m_from.write("c.jpg", "c");

    EXPECT_FALSE(copy({a, b, c}, m_to.path()));

    EXPECT_EQ(m_prompter.calls, (std::vector<Call>{copyFailure(c, EISDIR)}));
    EXPECT_EQ(targetNames(), (Lines{"a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_EQ(m_to.read("b.jpg"), "b");
}

} // namespace
} // namespace vistrel
