// SPDX-License-Identifier: MIT
#include "app/SettingsPagesStart.h"

#include <algorithm>
#include <string>

#include "app/Settings.h"
#include "platform/PathText.h"
#include "text/AsciiCase.h"
#include "text/ProgramTexts.h"

namespace vistrel {
namespace {

constexpr int kFewestPerRow = 1;
constexpr int kMostPerRow = 10;

} // namespace

void applySettingsPagesStart(Settings& s) {
    const std::string lower = toAsciiLower(s.HTMLFile);
    if (const auto cut = lower.find(".htm"); cut != std::string::npos) {
        s.HTMLFile = lower.substr(0, cut);
    }
    if (s.Thumbres >= 2 && s.Thumbres <= 4) {
        s.ThumSize = 20 * s.Thumbres + 40;
    }
    s.ImageNum = std::clamp(s.ImageNum, kFewestPerRow, kMostPerRow);
    s.BGImageName = fileNamePart(s.BGImagePath);
    s.MIDIFileName = fileNamePart(s.MIDIFile);
    if (s.ThumbNail.empty()) {
        s.ThumbNail = texts::kIndexLinkDefault;
    }
}

} // namespace vistrel
