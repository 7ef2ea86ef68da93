// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

class CancelFlag;
class ImageList;
class ProgressSink;
class Prompter;
struct Settings;

// Copies the checked images of list (and the page background image when UseImage is set) byte
// for byte into the output image folder, each under its name in the letter case of ImageCase.
// Rows that are not images are unchecked, and so are rows whose name in that case an earlier
// checked row already gives (uncheckNameClashes). An empty list is reported
// ("画像ファイルエラー") and stops the run. The copy asks before replacing a file of the same
// final name and can be cancelled; a failed or cancelled copy returns 0, any other 1 (also
// when nothing was checked: the page writer then says so). Not for a run whose source folder
// is the output image folder.
int CopyMainImages(ImageList& list, const Settings& settings, Prompter& prompter,
                   ProgressSink& progress, CancelFlag& cancel);

} // namespace vistrel
