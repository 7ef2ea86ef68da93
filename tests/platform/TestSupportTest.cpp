// SPDX-License-Identifier: MIT
#include <cstring>
#include <filesystem>
#include <vector>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/PeakMemory.h"
#include "support/RecordingProgressSink.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace vistrel::test {
namespace {

namespace fs = std::filesystem;
using Call = ScriptedPrompter::Call;
using Kind = ScriptedPrompter::Kind;

TEST(ScriptedPrompter, RecordsCallsAndAnswersInScriptOrder) {
    ScriptedPrompter prompter{true, false};

    prompter.message("情報", "完了", PromptIcon::Information);
    EXPECT_TRUE(prompter.ask("確認", "一つ目", PromptIcon::Question));
    EXPECT_FALSE(prompter.ask("確認", "二つ目", PromptIcon::Warning));
    prompter.willAnswer(true);
    EXPECT_TRUE(prompter.ask("確認", "三つ目", PromptIcon::Question));

    EXPECT_EQ(prompter.calls, (std::vector<Call>{
                                  {Kind::Message, "情報", "完了", PromptIcon::Information},
                                  {Kind::Ask, "確認", "一つ目", PromptIcon::Question},
                                  {Kind::Ask, "確認", "二つ目", PromptIcon::Warning},
                                  {Kind::Ask, "確認", "三つ目", PromptIcon::Question},
                              }));
}

TEST(ScriptedPrompter, FailsTheTestOnAnUnscriptedQuestionOrAnUnusedAnswer) {
    ScriptedPrompter unscripted;
    bool answer = true;
    EXPECT_NONFATAL_FAILURE(answer =
                                unscripted.ask("確認", "置き換えますか？", PromptIcon::Question),
                            "unscripted question [確認] 置き換えますか？");
    EXPECT_FALSE(answer);
    EXPECT_EQ(unscripted.calls.size(), 1U);

    EXPECT_NONFATAL_FAILURE({ ScriptedPrompter unused{true}; }, "never asked for");
}

TEST(RecordingProgressSink, RecordsCallsAndLetsTheTestActOnPumps) {
    RecordingProgressSink progress;
    std::vector<int> pumps;
    progress.onPump = [&pumps](int count) { pumps.push_back(count); };

    progress.open(ProgressKind::Thumbnails, "作成中");
    progress.setProgress(0, 2);
    progress.pump();
    progress.setProgress(1, 2);
    progress.pump();
    progress.close();

    EXPECT_EQ(progress.events, (std::vector<std::string>{"open 作成中", "progress 0/2", "pump",
                                                         "progress 1/2", "pump", "close"}));
    EXPECT_EQ(pumps, (std::vector<int>{1, 2}));
}

TEST(TempDir, GivesAFreshFolderThatIsRemovedWithItsContent) {
    fs::path kept;
    {
        const TempDir dir;
        const TempDir other;
        kept = dir.path();
        EXPECT_TRUE(fs::is_directory(kept));
        EXPECT_TRUE(fs::is_empty(kept));
        EXPECT_NE(kept, other.path());

        EXPECT_EQ(dir.write("sub/写真.jpg", std::string("a\0b", 3)), dir.file("sub/写真.jpg"));
        EXPECT_EQ(dir.file("sub/写真.jpg"), (kept / "sub" / "写真.jpg").string());
        EXPECT_EQ(dir.read("sub/写真.jpg"), std::string("a\0b", 3));
        EXPECT_EQ(readBytes(kept / "sub" / "写真.jpg"), std::string("a\0b", 3));

        dir.write("sub/写真.jpg", "shorter");
        EXPECT_EQ(dir.read("sub/写真.jpg"), "shorter");

        const TempDir nested(kept);
        EXPECT_EQ(nested.path().parent_path(), kept);
    }
    EXPECT_FALSE(fs::exists(kept));
}

TEST(PeakMemoryGrowth, SeesMemoryFilledAndFreedWithinTheWorkButNotBeforeIt) {
    constexpr std::size_t kFilled = std::size_t{64} << 20;
    {
        // Filled before the measure: it must not count.
        std::vector<char> earlier(kFilled);
        std::memset(earlier.data(), 1, earlier.size());
    }
    const auto idle = peakMemoryGrowthKiB([] {});
    ASSERT_TRUE(idle.has_value());
    EXPECT_LT(*idle, 8 * 1024);

    const auto filled = peakMemoryGrowthKiB([] {
        std::vector<char> block(kFilled);
        std::memset(block.data(), 1, block.size());
    });
    ASSERT_TRUE(filled.has_value());
    EXPECT_GE(*filled, 60 * 1024);
}

} // namespace
} // namespace vistrel::test
