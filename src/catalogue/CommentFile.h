// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel {

class ImageList;
class Prompter;

// The default name and extension of a comment file.
inline constexpr const char* kCommentFileName = "comment.vtc";
inline constexpr const char* kCommentFileExtension = "vtc";

// Saves the comment of every row of list into the comment file at path, written whole and then
// renamed into place (CP932, or UTF-8 with a byte order mark when a comment needs it). A file
// that cannot be written is reported, naming the file and the cause. True when saved.
bool SaveComments(const ImageList& list, const std::string& path, Prompter& prompter);

// Loads the comment file at path into list. When the file was saved for more or fewer images
// than the list has, the user is asked first ("コメント読みとり"); No changes nothing. On Yes,
// or with equal counts, every row's comment is replaced: rows the file names get its text,
// every other row an empty comment. With no current row, the first row becomes current.
// A file that cannot be read is reported, naming the file and the cause, and nothing changes.
// True when the comments were loaded.
bool LoadComments(ImageList& list, const std::string& path, Prompter& prompter);

} // namespace vistrel
