// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes through the comment file reader, and what it read through a save and a
// new read.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue/CommentFileFormat.h"
#include "text/Encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte is the number of rows in the list, the rest the file.
    const int rowCount = data[0] % 64;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto content = vistrel::parseCommentFile(vistrel::decodeStoredText(bytes), rowCount);
    if (content.comments.size() != static_cast<std::size_t>(rowCount)) {
        __builtin_trap();
    }
    // Comments as a read gives them come back unchanged from a saved file.
    const auto saved = vistrel::encodeStoredText(vistrel::formatCommentFile(content.comments));
    const auto reread = vistrel::parseCommentFile(vistrel::decodeStoredText(saved), rowCount);
    if (reread.savedCount != rowCount || reread.comments != content.comments) {
        __builtin_trap();
    }
    return 0;
}
