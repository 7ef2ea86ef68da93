// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vistrel {

// The icon of a message or question.
enum class PromptIcon { None, Information, Warning, Question, Stop };

// Every message and question of the program goes through a Prompter, so the core never knows
// whether a window, a terminal or a test answers.
class Prompter {
public:
    virtual ~Prompter() = default;

    // Shows text under caption with an OK button.
    virtual void message(std::string_view caption, std::string_view text, PromptIcon icon) = 0;

    // Asks a Yes/No question. True means Yes.
    virtual bool ask(std::string_view caption, std::string_view text, PromptIcon icon) = 0;
};

} // namespace vistrel
