// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vistrel {

class CancelFlag;
class ImageList;
class ProgressSink;
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
// that reads it. Reading the start of every file takes a while on a slow disk, so progress is
// pumped before each file and while a read waits, and the cancel flag is tested and cleared
// after each of those first pumps: a cancel stops the check, still naming the files unchecked
// so far. Returns false when cancelled so.
bool uncheckFilesThatAreNotImages(ImageList& list, const Settings& settings, Prompter& prompter,
                                  ProgressSink& progress, CancelFlag& cancel);

// Unchecks each checked row whose name in the letter case of ImageCase is the output name of an
// earlier checked row (A.JPG and a.jpg both give a.jpg in lower case), so one copy never
// replaces the other; each is named with the row it gives way to ("画像ファイルエラー",
// warning icon).
void uncheckNameClashes(ImageList& list, const Settings& settings, Prompter& prompter);

} // namespace vistrel
