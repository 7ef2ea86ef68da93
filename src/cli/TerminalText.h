// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace vistrel::cli {

// Text from files and folders as one field of a line the commands print. A name or an EXIF
// text may hold anything, and the terminal must neither act on it (an ESC sequence) nor see a
// field or record end in it, and escaped text must read back one way only. So TAB, LF and CR
// are written "\t", "\n" and "\r", a backslash "\\", and every byte of another control
// character (C0, DEL, C1) or of a piece that is not UTF-8 "\xHH" (ESC is "\x1B", U+009B
// "\xC2\x9B"). All other text is written as it is.
std::string terminalText(std::string_view text);

} // namespace vistrel::cli
