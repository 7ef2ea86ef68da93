// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

class CancelFlag;
class ImageList;
class ProgressSink;
class Prompter;
struct Settings;

// Copies the checked images of list (and the page background image when UseImage is set) byte
// for byte into the output image folder, then renames each copy to the letter case of
// ImageCase. Rows that are not images are unchecked. An empty list is reported
// ("画像ファイルエラー") and stops the run. The copy asks before replacing a file and can be
// cancelled; a failed or cancelled copy returns 0. A rename never replaces another file.
// Returns 1 when the rename of the last copied image succeeded, 0 otherwise (also when no
// image was copied). Not for a run whose source folder is the output image folder.
int CopyMainImages(ImageList& list, const Settings& settings, Prompter& prompter,
                   ProgressSink& progress, CancelFlag& cancel);

} // namespace vistrel
