// SPDX-License-Identifier: MIT
#include "app/SettingsControls.h"

#include <algorithm>
#include <array>

#include "app/Settings.h"
#include "app/SettingsTable.h"
#include "text/AsciiCase.h"
#include "text/DecimalText.h"
#include "text/ProgramTexts.h"

namespace vistrel {
namespace {

constexpr std::string_view kPageSuffix = ".htm";
constexpr std::int32_t kFewestPerRow = 1;
constexpr std::int32_t kMostPerRow = 10;
constexpr std::int64_t kBgsoundScale = 100;
constexpr std::int64_t kBgsoundOffset = 10000;
constexpr std::int32_t kFirstPreset = 2;
constexpr std::array<std::string_view, 3> kPresetLines = {
    texts::kThumbnailSize80, texts::kThumbnailSize100, texts::kThumbnailSize120};

std::string cutBeforePageSuffix(std::string_view name, std::string_view searched) {
    const auto cut = searched.find(kPageSuffix);
    return std::string(cut == std::string_view::npos ? name : name.substr(0, cut));
}

} // namespace

std::string htmlFileFromTyped(std::string_view text) {
    return cutBeforePageSuffix(text, text);
}

std::string htmlFileAtPageStart(std::string_view stored) {
    const std::string lower = toAsciiLower(stored);
    return lower.find(kPageSuffix) == std::string::npos ? std::string(stored)
                                                        : cutBeforePageSuffix(lower, lower);
}

std::int32_t imageNumFromText(std::string_view text) {
    return std::clamp(saturatedInt32(scanDecimal(text, true)), kFewestPerRow, kMostPerRow);
}

std::string thumbNailFromText(std::string_view text) {
    return std::string(text.empty() ? texts::kIndexLinkDefault : text);
}

std::string addStringFromText(std::string_view text) {
    if (!text.empty()) {
        return std::string(text);
    }
    // The suffix of a first start is the one an empty box falls back to.
    return std::string(findSetting("AddString")->defaultText);
}

std::int64_t volumeDisplay(std::int32_t volume, std::int32_t tag) {
    return tag == 0 ? volume : volumeShownForBgsound(volume);
}

std::int64_t volumeShownForEmbed(std::int64_t shown) {
    return shown / kBgsoundScale + kBgsoundScale;
}

std::int64_t volumeShownForBgsound(std::int64_t shown) {
    return shown * kBgsoundScale - kBgsoundOffset;
}

std::string thumbnailSizeLine(Settings& settings) {
    // Compared before any arithmetic: a settings file can hold any Thumbres.
    const std::int32_t lastPreset =
        kFirstPreset + static_cast<std::int32_t>(kPresetLines.size()) - 1;
    if (settings.Thumbres >= kFirstPreset && settings.Thumbres <= lastPreset) {
        settings.ThumSize = 20 * settings.Thumbres + 40;
        return std::string(
            kPresetLines[static_cast<std::size_t>(settings.Thumbres - kFirstPreset)]);
    }
    const std::string size = std::to_string(settings.ThumSize);
    return std::string(texts::kThumbnailSizeOther) + size + " x " + size;
}

} // namespace vistrel
