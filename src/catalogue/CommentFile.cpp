// SPDX-License-Identifier: MIT
#include "catalogue/CommentFile.h"

#include <string_view>

#include "catalogue/CommentFileFormat.h"
#include "catalogue/ImageList.h"
#include "platform/FileContent.h"
#include "platform/Prompter.h"
#include "text/Encoding.h"

namespace vistrel {
namespace {

constexpr std::string_view kFileErrorCaption = "ファイルエラー";
constexpr std::string_view kReadCaption = "コメント読みとり";
constexpr std::string_view kMoreImagesQuestion =
    "画像数がコメント保存時より多いため、画像とコメントが同期しない恐れが有ります。\n"
    "処理を続けますか？（不足分は空白で埋められます。）";
constexpr std::string_view kFewerImagesQuestion =
    "画像数がコメント保存時より少ないため、画像とコメントが同期しない恐れが有ります。\n"
    "処理を続けますか？（余分なコメントは切り捨てられます。）";

void reportFailure(Prompter& prompter, std::string_view what, const Status& status) {
    std::string text = status.path();
    text.append(" ").append(what).append("\n").append(status.cause());
    prompter.message(kFileErrorCaption, text, PromptIcon::Stop);
}

} // namespace

bool SaveComments(const ImageList& list, const std::string& path, Prompter& prompter) {
    const Status status =
        writeFileAtomically(path, encodeStoredText(formatCommentFile(list.comments())));
    if (!status) {
        reportFailure(prompter, "に書き込めませんでした。", status);
        return false;
    }
    return true;
}

bool LoadComments(ImageList& list, const std::string& path, Prompter& prompter) {
    std::string bytes;
    if (const Status status = readFileInto(path, bytes); !status) {
        reportFailure(prompter, "を読み込めませんでした。", status);
        return false;
    }
    const int rowCount = list.rowCount();
    const CommentFileContent content = parseCommentFile(decodeStoredText(bytes), rowCount);
    if (content.savedCount < rowCount &&
        !prompter.ask(kReadCaption, kMoreImagesQuestion, PromptIcon::Question)) {
        return false;
    }
    if (content.savedCount > rowCount &&
        !prompter.ask(kReadCaption, kFewerImagesQuestion, PromptIcon::Question)) {
        return false;
    }
    for (int row = 0; row < rowCount; ++row) {
        list.setComment(row, content.comments[static_cast<std::size_t>(row)]);
    }
    if (list.currentRow() == ImageList::kNoRow) {
        list.stepCurrentRow(1);
    }
    return true;
}

} // namespace vistrel
