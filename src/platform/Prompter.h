// SPDX-License-Identifier: MIT
#pragma once

#include <string>
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

    // Shows text about one file, named without its folder. A window shows the name under the
    // text, which is what this does unless a front end shows it otherwise.
    virtual void messageAbout(std::string_view caption, std::string_view text, PromptIcon icon,
                              std::string_view fileName) {
        std::string withName(text);
        withName.append("\n").append(fileName);
        message(caption, withName, icon);
    }

    // Asks a Yes/No question. True means Yes.
    virtual bool ask(std::string_view caption, std::string_view text, PromptIcon icon) = 0;

    // Asks at the end of a finished run whether to open the result now: a question like any
    // other unless a front end answers it otherwise (the command line opens the browser only
    // when asked to on its command line).
    virtual bool askToViewResult(std::string_view caption, std::string_view text, PromptIcon icon) {
        return ask(caption, text, icon);
    }
};

} // namespace vistrel
