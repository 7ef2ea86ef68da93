// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace vistrel {

// How file and folder names are written into pages. A name is not HTML: written into a URL it
// must not end the attribute or change the meaning of the URL, and written as text it must not
// become markup. Names without the characters below are written exactly as they are.

// A name (or one path segment) as part of a relative URL: "%" "\"" "#" "?" "&" "\\" and control
// characters are written as %XX escapes, and so is each byte of a piece that is not UTF-8 (the
// name's own bytes, so the link reaches the file that holds them).
std::string urlSegment(std::string_view name);

// The first segment of a relative URL: urlSegment, and "./" in front when the segment holds a
// ":", so that "javascript:alert(1).jpg" can never be read as a scheme.
std::string urlStart(std::string_view name);

// A name as attribute or element text: "&" "\"" "<" ">" as entities, control characters as
// numeric references.
std::string htmlText(std::string_view text);

// Text inside a double-quoted script string: backslash, double quote, CR, LF, U+2028 and
// U+2029 escaped, and "</" written "<\/" so nothing can end the string or the script element.
std::string scriptString(std::string_view text);

// A comment as the pages show it: trailing white space removed, then every "\n" replaced by
// "<BR>" and every "\r" removed.
std::string commentHtml(std::string_view comment);

} // namespace vistrel
