// SPDX-License-Identifier: MIT
#include "run/ViewResult.h"

#include <string>
#include <string_view>

#include "app/PageFileNames.h"
#include "app/Settings.h"
#include "platform/DocumentOpener.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "text/ProgramTexts.h"

namespace vistrel {
void ViewResult(const Settings& settings, Prompter& prompter, DocumentOpener& opener) {
    const std::string page = settings.HTMLPath + indexPageName(settings);
    if (!FileExists(page)) {
        prompter.message(texts::kFileErrorCaption,
                         settings.HTMLFile + std::string(texts::kNotCreatedTail), PromptIcon::Stop);
        return;
    }
    if (!opener.open(page)) {
        prompter.message(texts::kErrorCaption, texts::kBrowserFailed, PromptIcon::Stop);
    }
}

} // namespace vistrel
