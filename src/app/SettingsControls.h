// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vistrel {

struct Settings;

// The rules the settings pages apply when a control changes, as pure functions, so that the
// window and the command line store the same values.

// The HTML file name box as typed: everything from the first ".htm" on (in the letter case
// typed) is cut; "gallery.htm" stores "gallery", "Gallery.HTML" stays as it is.
std::string htmlFileFromTyped(std::string_view text);

// The HTML file name box at page start: a lower-case copy of the stored name cut before its
// first ".htm" when that copy holds one ("Index.HTM" shows as "index"); otherwise the stored
// name unchanged.
std::string htmlFileAtPageStart(std::string_view stored);

// The thumbnails-per-row box: its text read as a decimal number, more than 10 giving 10, 0 or
// less (or a text that is no number) giving 1.
std::int32_t imageNumFromText(std::string_view text);

// The index link text box: the text, or the default link text when the box is empty.
std::string thumbNailFromText(std::string_view text);

// The thumbnail suffix box of the options: the text, or the default suffix "_thumb" when the
// box is empty, so that thumbnails never take their source's own name.
std::string addStringFromText(std::string_view text);

// The volume box: Volume for the EMBED tag (Tag 0), Volume x 100 - 10000 for BGSOUND.
std::int64_t volumeDisplay(std::int32_t volume, std::int32_t tag);

// What the volume box shows after a click on a tag, from the number it shows now: EMBED turns
// it into shown / 100 + 100 (integer division), BGSOUND into shown x 100 - 10000.
std::int64_t volumeShownForEmbed(std::int64_t shown);
std::int64_t volumeShownForBgsound(std::int64_t shown);

// The current-setting line of the thumbnail size ("現在の設定 ： 80x80" ..., or
// "現在の設定 ： %d x %d" of ThumSize for any other Thumbres). The presets 2, 3 and 4 also set
// ThumSize to 80, 100 or 120.
std::string thumbnailSizeLine(Settings& settings);

} // namespace vistrel
