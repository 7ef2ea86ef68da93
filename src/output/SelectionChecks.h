// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vistrel {

class ImageList;
class Prompter;
struct Settings;

// Whether bytes, the start of a file, begin with the signature of the image kind that name
// gives (JPEG FF D8 FF, the eight PNG bytes, "GIF87a" or "GIF89a"). False for a name of no
// image kind.
bool hasSignatureOfItsName(std::string_view name, std::string_view bytes);

// Unchecks every checked row of an image kind whose file (ImagePath + name, through any
// symbolic link) does not begin with the signature of that kind, so that a text file, or a
// link to one, that merely has an image name is never published. All of them are named in one
// message ("画像ファイルエラー", warning icon). A file that cannot be read is left to the step
// that reads it.
void uncheckFilesThatAreNotImages(ImageList& list, const Settings& settings, Prompter& prompter);

// Unchecks each checked row whose name in the letter case of ImageCase is the output name of an
// earlier checked row (A.JPG and a.jpg both give a.jpg in lower case), so one copy never
// replaces the other; each is named with the row it gives way to ("画像ファイルエラー",
// warning icon).
void uncheckNameClashes(ImageList& list, const Settings& settings, Prompter& prompter);

} // namespace vistrel
