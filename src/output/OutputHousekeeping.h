// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

class CancelFlag;
class ProgressSink;
class Prompter;
struct Settings;

// Clears the pages of earlier runs from HTMLPath (that folder only, not its subfolders): every
// regular file or link whose name ends in "." and the page extension (letter case aside) is
// deleted or moved to the Trash as AllowUndo says (0 delete, 1 Trash, 2 leave). Failures are
// silent. progress is pumped before each file and while a removal waits on the disk. Always
// returns 1.
int ClearOldPages(const Settings& settings, ProgressSink& progress);

// Clears the images of earlier runs from the output image folder. Its regular files and links
// (never followed, never entered) fall into two groups: thumbnails, whose names end in
// AddString in lower or in upper case followed by "." and a thumbnail extension (png, jpg,
// jpeg, gif in any case; an empty AddString makes no thumbnails), and main images, the other
// files whose names are images. When ImagePath is not the same folder on
// disk as the output image folder, main images are treated as MainImage says and thumbnails as
// ThumbImage says (0 delete, 1 Trash, 2 leave). When it is the same folder, the main images
// (the user's source images) are left alone and the thumbnails are always deleted. A move to
// the Trash that fails leaves the file in place. Failures are silent. progress is pumped before
// each file and while a removal waits on the disk.
void ClearOldImages(const Settings& settings, ProgressSink& progress);

// Copies the slideshow's music file into HTMLPath + SubFolder. When music is on but MIDIFile
// is empty or missing, asks whether to go on without music: Yes turns PlayMusic off and returns
// 1, No returns 0. The copy asks before replacing a file; a failed or cancelled copy returns 0.
int CopyMusicFile(Settings& settings, Prompter& prompter, ProgressSink& progress,
                  CancelFlag& cancel);

} // namespace vistrel
