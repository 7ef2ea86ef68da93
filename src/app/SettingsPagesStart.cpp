// SPDX-License-Identifier: MIT
#include "app/SettingsPagesStart.h"

#include <string>

#include "app/Settings.h"
#include "app/SettingsControls.h"
#include "platform/PathText.h"

namespace vistrel {

void applySettingsPagesStart(Settings& s) {
    s.HTMLFile = htmlFileAtPageStart(s.HTMLFile);
    thumbnailSizeLine(s);
    s.ImageNum = imageNumFromText(std::to_string(s.ImageNum));
    s.BGImageName = fileNamePart(s.BGImagePath);
    s.MIDIFileName = fileNamePart(s.MIDIFile);
    s.ThumbNail = thumbNailFromText(s.ThumbNail);
}

} // namespace vistrel
