// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>

#include "platform/Prompter.h"

namespace vistrel {

// The Prompter of the command line. Every message and question is written as
// "[caption] text" on the output stream; questions are answered as the policy says.
// The streams belong to the caller and must outlive the prompter.
class ConsolePrompter final : public Prompter {
public:
    enum class Policy {
        AnswerYes,  // every question is answered Yes ("--yes" runs)
        AnswerNo,   // every question is answered No (quiet, unattended runs)
        AskTerminal // the user answers on the terminal; No when input is not a terminal
    };

    explicit ConsolePrompter(Policy policy, std::FILE* output = stderr, std::FILE* input = stdin);

    // Writes "[caption] text" and a line break; the icon is not shown.
    void message(std::string_view caption, std::string_view text, PromptIcon icon) override;

    // Writes "[caption] fileName: text" and a line break.
    void messageAbout(std::string_view caption, std::string_view text, PromptIcon icon,
                      std::string_view fileName) override;

    // AnswerYes and AnswerNo write "[caption] text" and a line break and answer at once.
    // AskTerminal, when input is a terminal, writes "[caption] text (y/n) " and reads one line:
    // "y" or "yes" in either case, spaces around allowed, is Yes; anything else, or the end of
    // input, is No. When input is not a terminal it writes the line as the others do and
    // answers No without reading, as there is nobody to ask.
    bool ask(std::string_view caption, std::string_view text, PromptIcon icon) override;

private:
    void writeLine(std::string_view caption, std::string_view text, std::string_view ending);
    bool readYes();

    Policy m_policy;
    std::FILE* m_output;
    std::FILE* m_input;
};

} // namespace vistrel
