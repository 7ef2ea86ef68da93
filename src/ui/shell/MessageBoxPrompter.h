// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Prompter.h"

namespace vistrel::ui {

// Messages and questions as Qt message boxes over the window the user is working in: the
// caption as the title, the text, the icon, OK or Yes/No. A message about one file shows the
// file's name under the text.
class MessageBoxPrompter final : public Prompter {
public:
    void message(std::string_view caption, std::string_view text, PromptIcon icon) override;
    void messageAbout(std::string_view caption, std::string_view text, PromptIcon icon,
                      std::string_view fileName) override;
    bool ask(std::string_view caption, std::string_view text, PromptIcon icon) override;
};

} // namespace vistrel::ui
