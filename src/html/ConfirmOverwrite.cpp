// SPDX-License-Identifier: MIT
#include "html/ConfirmOverwrite.h"

#include <string_view>

#include "app/PageFileNames.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "text/ProgramTexts.h"

namespace vistrel {
namespace {} // namespace

int ConfirmOverwrite(const std::string& path, const Settings& settings, Prompter& prompter) {
    if (!FileExists(path)) {
        return 1;
    }
    const std::string question =
        indexPageName(settings) + std::string(texts::kOverwriteQuestionTail);
    if (prompter.ask(texts::kOverwriteCaption, question, PromptIcon::Question)) {
        return 1;
    }
    prompter.message(texts::kMessageCaption, texts::kRefusedText, PromptIcon::Information);
    return 0;
}

} // namespace vistrel
