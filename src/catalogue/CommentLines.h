// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace vistrel {

// A comment's line breaks as the list stores them and as the comment box shows them. The list
// holds CR LF, as a comment file load gives them, so that a comment typed in the box and the
// same comment loaded from a file make the same pages and the same comment file; the box works
// with "\n" alone.

// The comment to store for the text of the box: every line break (LF, CR LF or a lone CR)
// becomes CR LF.
std::string storedCommentFromBox(std::string_view boxText);

// The text the box shows for a stored comment: every line break (CR LF, a lone CR or a lone
// LF) becomes "\n".
std::string boxTextFromStoredComment(std::string_view stored);

} // namespace vistrel
