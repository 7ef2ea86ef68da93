// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Prompter.h"

namespace vistrel::test {

// A Prompter that plays the user from a script: it records every message and question, and
// answers questions from a queue of scripted answers. A question with no answer left records a
// test failure and is answered No; answers still queued when the prompter goes away record a
// test failure too, since a question the test expected never came.
class ScriptedPrompter final : public Prompter {
public:
    enum class Kind { Message, Ask };

    struct Call {
        Kind kind = Kind::Message;
        std::string caption;
        std::string text;
        PromptIcon icon = PromptIcon::None;

        bool operator==(const Call&) const = default;
    };

    ScriptedPrompter() = default;
    // Queues the answers to the coming questions, first question first (true means Yes).
    explicit ScriptedPrompter(std::initializer_list<bool> answers);
    ~ScriptedPrompter() override;
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;

    // Queues one more answer.
    void willAnswer(bool yes);

    void message(std::string_view caption, std::string_view text, PromptIcon icon) override;
    bool ask(std::string_view caption, std::string_view text, PromptIcon icon) override;

    // Every call so far, in order.
    std::vector<Call> calls;

private:
    std::deque<bool> m_answers;
};

// Lets test failures show a recorded call readably.
void PrintTo(const ScriptedPrompter::Call& call, std::ostream* out);

} // namespace vistrel::test
