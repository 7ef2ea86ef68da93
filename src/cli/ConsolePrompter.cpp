// SPDX-License-Identifier: MIT
#include "cli/ConsolePrompter.h"

#include <unistd.h>

#include <string>

#include "text/AsciiCase.h"

namespace vistrel {
namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

} // namespace

ConsolePrompter::ConsolePrompter(Policy policy, std::FILE* output, std::FILE* input)
    : m_policy(policy), m_output(output), m_input(input) {}

void ConsolePrompter::message(std::string_view caption, std::string_view text, PromptIcon) {
    writeLine(caption, text, "\n");
}

void ConsolePrompter::messageAbout(std::string_view caption, std::string_view text, PromptIcon,
                                   std::string_view fileName) {
    std::string named(fileName);
    named.append(": ").append(text);
    writeLine(caption, named, "\n");
}

bool ConsolePrompter::ask(std::string_view caption, std::string_view text, PromptIcon) {
    if (m_policy == Policy::AskTerminal && ::isatty(::fileno(m_input)) == 1) {
        writeLine(caption, text, " (y/n) ");
        return readYes();
    }
    writeLine(caption, text, "\n");
    return m_policy == Policy::AnswerYes;
}

void ConsolePrompter::writeLine(std::string_view caption, std::string_view text,
                                std::string_view ending) {
    std::string line;
    line.reserve(caption.size() + text.size() + ending.size() + 3);
    line.append("[").append(caption).append("] ").append(text).append(ending);
    std::fwrite(line.data(), 1, line.size(), m_output);
    // The user must see the question before the program waits for the answer.
    std::fflush(m_output);
}

bool ConsolePrompter::readYes() {
    std::string answer;
    int c = 0;
    while ((c = std::fgetc(m_input)) != EOF && c != '\n') {
        answer.push_back(static_cast<char>(c));
    }
    const std::string_view word = trimmed(answer);
    return equalsIgnoringAsciiCase(word, "y") || equalsIgnoringAsciiCase(word, "yes");
}

} // namespace vistrel
