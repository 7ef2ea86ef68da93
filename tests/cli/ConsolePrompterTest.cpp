// SPDX-License-Identifier: MIT
#include "cli/ConsolePrompter.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace vistrel {
namespace {

using Policy = ConsolePrompter::Policy;
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File temporaryFile() {
    return File(std::tmpfile(), &std::fclose);
}

File fileWith(const std::string& text) {
    File file = temporaryFile();
    std::fputs(text.c_str(), file.get());
    std::rewind(file.get());
    return file;
}

std::string contentsOf(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string text;
    int c = 0;
    while ((c = std::fgetc(file)) != EOF) {
        text.push_back(static_cast<char>(c));
    }
    return text;
}

TEST(ConsolePrompter, WritesMessagesAsCaptionInBracketsThenText) {
    const File output = temporaryFile();
    const File input = fileWith("");
    ConsolePrompter prompter(Policy::AskTerminal, output.get(), input.get());

    prompter.message("ファイルエラー", "a.jpg をコピーできませんでした。\n理由", PromptIcon::Stop);
    prompter.message("情報", "完了しました。", PromptIcon::Information);

    EXPECT_EQ(contentsOf(output.get()),
              "[ファイルエラー] a.jpg をコピーできませんでした。\n理由\n[情報] 完了しました。\n");
}

TEST(ConsolePrompter, AnswersQuestionsAsItsPolicySays) {
    for (const auto& [policy, expected] :
         {std::pair{Policy::AnswerYes, true}, std::pair{Policy::AnswerNo, false}}) {
        SCOPED_TRACE(expected ? "AnswerYes" : "AnswerNo");
        const File output = temporaryFile();
        const File input = fileWith("n\n");
        ConsolePrompter prompter(policy, output.get(), input.get());

        EXPECT_EQ(prompter.ask("確認", "置き換えますか？", PromptIcon::Question), expected);
        EXPECT_EQ(contentsOf(output.get()), "[確認] 置き換えますか？\n");
        // The answer came from the policy; the input was not read.
        EXPECT_EQ(std::ftell(input.get()), 0);
    }
}

TEST(ConsolePrompter, AnswersNoWhenNobodyIsAtATerminal) {
    const File output = temporaryFile();
    const File input = fileWith("y\n");
    ConsolePrompter prompter(Policy::AskTerminal, output.get(), input.get());

    EXPECT_FALSE(prompter.ask("確認", "置き換えますか？", PromptIcon::Question));
    EXPECT_EQ(contentsOf(output.get()), "[確認] 置き換えますか？\n");
    EXPECT_EQ(std::ftell(input.get()), 0);
}

// A real terminal (a pseudo-terminal pair): the test types on the master side, the prompter
// reads from the terminal side.
class ConsolePrompterOnTerminal : public ::testing::Test {
protected:
    void SetUp() override {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(m_master, 0);
        ASSERT_EQ(::grantpt(m_master), 0);
        ASSERT_EQ(::unlockpt(m_master), 0);
        const char* name = ::ptsname(m_master);
        ASSERT_NE(name, nullptr);
        m_terminal.reset(std::fopen(name, "r"));
        ASSERT_NE(m_terminal, nullptr);
    }

    void TearDown() override {
        if (m_master >= 0) {
            ::close(m_master);
        }
    }

    // Types text on the terminal, as the user would.
    void type(const std::string& text) const {
        ASSERT_EQ(::write(m_master, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }

    int m_master = -1;
    File m_terminal{nullptr, &std::fclose};
};

TEST_F(ConsolePrompterOnTerminal, AsksAndReadsOneLinePerQuestion) {
    const std::vector<std::pair<std::string, bool>> answers = {
        {"y\n", true},  {"yes\n", true}, {"Y\n", true},     {"  YES \n", true},
        {"n\n", false}, {"\n", false},   {"yeah\n", false}, {"はい\n", false}};
    for (const auto& [typed, expected] : answers) {
        SCOPED_TRACE(typed);
        const File output = temporaryFile();
        ConsolePrompter prompter(Policy::AskTerminal, output.get(), m_terminal.get());

        type(typed);
        EXPECT_EQ(prompter.ask("ファイルの上書き確認", "a.jpg は既に存在します。置き換えますか？",
                               PromptIcon::Question),
                  expected);
        EXPECT_EQ(contentsOf(output.get()),
                  "[ファイルの上書き確認] a.jpg は既に存在します。置き換えますか？ (y/n) ");
    }
}

} // namespace
} // namespace vistrel
