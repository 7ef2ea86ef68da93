// SPDX-License-Identifier: MIT
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace vistrel::test {
namespace {

std::string_view iconName(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::None:
        return "None";
    case PromptIcon::Information:
        return "Information";
    case PromptIcon::Warning:
        return "Warning";
    case PromptIcon::Question:
        return "Question";
    case PromptIcon::Stop:
        return "Stop";
    }
    return "?";
}

} // namespace

ScriptedPrompter::ScriptedPrompter(std::initializer_list<bool> answers) : m_answers(answers) {}

ScriptedPrompter::~ScriptedPrompter() {
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " scripted answer(s) never asked for";
}

void ScriptedPrompter::willAnswer(bool yes) {
    m_answers.push_back(yes);
}

void ScriptedPrompter::message(std::string_view caption, std::string_view text, PromptIcon icon) {
    calls.push_back({Kind::Message, std::string(caption), std::string(text), icon});
}

bool ScriptedPrompter::ask(std::string_view caption, std::string_view text, PromptIcon icon) {
    calls.push_back({Kind::Ask, std::string(caption), std::string(text), icon});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unscripted question [" << caption << "] " << text;
        return false;
    }
    const bool answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void PrintTo(const ScriptedPrompter::Call& call, std::ostream* out) {
    *out << (call.kind == ScriptedPrompter::Kind::Ask ? "ask" : "message") << " [" << call.caption
         << "] \"" << call.text << "\" icon " << iconName(call.icon);
}

} // namespace vistrel::test
