// SPDX-License-Identifier: MIT
#include "catalogue/CommentFile.h"

#include <string_view>

#include "catalogue/CommentFileFormat.h"
#include "catalogue/ImageList.h"
#include "platform/FileContent.h"
#include "platform/Prompter.h"
#include "text/Encoding.h"
#include "text/ProgramTexts.h"

namespace vistrel {
namespace {

void reportFailure(Prompter& prompter, std::string_view what, const Status& status) {
    std::string text = status.path();
    text.append(" ").append(what).append("\n").append(status.cause());
    prompter.message(texts::kFileErrorCaption, text, PromptIcon::Stop);
}

} // namespace

bool SaveComments(const ImageList& list, const std::string& path, Prompter& prompter) {
    const Status status =
        writeFileAtomically(path, encodeStoredText(formatCommentFile(list.comments())));
    if (!status) {
        reportFailure(prompter, texts::kCommentWriteFailedTail, status);
        return false;
    }
    return true;
}

bool LoadComments(ImageList& list, const std::string& path, Prompter& prompter) {
    std::string bytes;
    if (const Status status = readFileInto(path, bytes); !status) {
        reportFailure(prompter, texts::kCommentReadFailedTail, status);
        return false;
    }
    const int rowCount = list.rowCount();
    const CommentFileContent content = parseCommentFile(decodeStoredText(bytes), rowCount);
    if (content.savedCount < rowCount &&
        !prompter.ask(texts::kCommentReadCaption, texts::kMoreImagesQuestion,
                      PromptIcon::Question)) {
        return false;
    }
    if (content.savedCount > rowCount &&
        !prompter.ask(texts::kCommentReadCaption, texts::kFewerImagesQuestion,
                      PromptIcon::Question)) {
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
