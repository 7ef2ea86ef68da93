// SPDX-License-Identifier: MIT
#include "run/ViewResult.h"

#include <string>
#include <string_view>

#include "app/Settings.h"
#include "html/PageNames.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"

namespace vistrel {
namespace {

constexpr std::string_view kFileCaption = "ファイルエラー";
constexpr std::string_view kNotCreatedTail =
    " ファイルが作成されていません。最初にサムネイルを作成して下さい。";
constexpr std::string_view kErrorCaption = "エラー";
constexpr std::string_view kBrowserFailed = "ブラウザの起動に失敗しました。";

} // namespace

void ViewResult(const Settings& settings, Prompter& prompter) {
    const std::string page = settings.HTMLPath + indexPageName(settings);
    if (!FileExists(page)) {
        prompter.message(kFileCaption, settings.HTMLFile + std::string(kNotCreatedTail),
                         PromptIcon::Stop);
        return;
    }
    if (!openWithDefaultApplication(page)) {
        prompter.message(kErrorCaption, kBrowserFailed, PromptIcon::Stop);
    }
}

} // namespace vistrel
