// SPDX-License-Identifier: MIT
#include "html/ConfirmOverwrite.h"

#include <string_view>

#include "html/PageNames.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"

namespace vistrel {
namespace {

constexpr std::string_view kOverwriteCaption = "ファイルの上書き確認";
constexpr std::string_view kOverwriteQuestionTail = " ファイルは既に存在します。\n上書きしますか？";
constexpr std::string_view kRefusedCaption = "メッセージ";
constexpr std::string_view kRefusedText = "出力 HTML ファイルの名前を変更してやり直して下さい。";

} // namespace

int ConfirmOverwrite(const std::string& path, const Settings& settings, Prompter& prompter) {
    if (!FileExists(path)) {
        return 1;
    }
    const std::string question = indexPageName(settings) + std::string(kOverwriteQuestionTail);
    if (prompter.ask(kOverwriteCaption, question, PromptIcon::Question)) {
        return 1;
    }
    prompter.message(kRefusedCaption, kRefusedText, PromptIcon::Information);
    return 0;
}

} // namespace vistrel
