// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

struct Settings;

// What the settings pages store the moment they show the settings at start, so that a run from
// the command line uses the same values as one from the window: HTMLFile cut before its first
// ".htm" (letter case aside; the cut name in lower case), ThumSize of the presets 2, 3 and 4
// (80, 100, 120), ImageNum limited to 1 to 10, BGImageName and MIDIFileName as the file-name
// parts of BGImagePath and MIDIFile, and an empty ThumbNail back to its default text.
void applySettingsPagesStart(Settings& settings);

} // namespace vistrel
