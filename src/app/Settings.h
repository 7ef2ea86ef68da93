// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace vistrel {

// Every option of the program, one record for the whole run. Members are named by their INI
// keys; strings are UTF-8; colours are "#RRGGBB" text. A value-initialised record is all zeros
// and empty texts; the defaults of a first start come from the settings table
// (makeDefaultSettings). Nothing is range-checked: what the INI file holds is what pages show.
struct Settings {
    // [General]
    std::string ImagePath;
    std::int32_t ImageMode{};  // bits: 1 JPEG, 2 PNG, 4 GIF, 8 all files
    std::int32_t AllowUndo{};  // old pages: 0 delete, 1 trash, 2 leave
    std::int32_t Select{};     // check state of newly listed images
    std::int32_t MainImage{};  // old main images: 0 delete, 1 trash, 2 leave
    std::int32_t ThumbImage{}; // old thumbnails: 0 delete, 1 trash, 2 leave
    std::string AddString{};
    std::int32_t ThumbType{}; // 0 PNG, 1 JPEG, 2 GIF
    std::int32_t Unsharp{};
    std::int32_t ImageCase{}; // 0 upper, 1 lower, 2 unchanged
    std::int32_t Hover{};
    std::int32_t Filter{};    // 0 none, 1 transparency, 2 drop shadow
    std::int32_t MainClick{}; // 0 nothing, 1 index, 2 next image, 3 image file

    // [Page1]
    std::string HTMLPath;
    std::string HTMLFile{};
    std::int32_t HTMLExt{}; // 0 html, 1 htm, 2 shtml
    std::string SubFolder{};
    std::int32_t Mode{};     // 0 thumbnail index, 1 slideshow
    std::int32_t Thumbres{}; // 2 80, 3 100, 4 120, 5 ThumSize
    std::int32_t ThumSize{};
    std::int32_t Changeres{};
    std::int32_t Resx{};
    std::int32_t Resy{};
    std::int32_t KeepRatio{};
    std::int32_t Unit{}; // 0 pixels, 1 percent
    std::int32_t MakePage{};

    // [Page2]
    std::int32_t CommentPos{};  // 0 nowhere, 1 index, 2 image pages, 4 both
    std::int32_t Information{}; // bits: 1 name, 2 size, 4 date, 8 resolution
    std::int32_t MainInfo{};
    std::uint16_t ExifInfo{}; // bit i selects EXIF item i (0 to 11)
    std::string CommentColor{};
    std::int32_t SetCommentCol{};

    // [Page3]
    std::string Title{};
    std::string FontFace{};
    std::string FontSize{};
    std::int32_t SetTitleColor{};
    std::string TitleColor{};
    std::int32_t Frame{};
    std::int32_t ImageNum{};
    std::int32_t Window{};
    std::int32_t Border{};
    std::int32_t UseImage{};
    std::string BGImagePath;
    std::string BGImageName;
    std::string BGColor{};
    std::string LeftTarget{};
    std::string RightTarget{};
    std::string LeftFile{};

    // [Page4]
    std::string HPName{};
    std::string HPURL{};
    std::string NextImage{};
    std::string PrevImage{};
    std::int32_t NavPos{}; // bits: 2 above the image, 1 below
    std::string ThumbNail{};
    std::string AlinkColor{}; // written as LINK
    std::string VlinkColor{}; // written as VLINK
    std::string HlinkColor{}; // written as ALINK
    std::int32_t AutoNav{};
    std::string NavWidth{};
    std::int32_t TOPLAYOUT{};
    std::int32_t THUMBLAYOUT{};

    // [Page5]
    std::string Timeout{};
    std::int32_t PreLoad{};
    std::int32_t PreLoadNum{}; // 0 a third, 1 half, 2 all
    std::int32_t Transition{};
    std::int32_t TransNum{}; // 23 = every effect at random
    std::int32_t Button{};
    std::int32_t Comment{};
    std::int32_t Start{};
    std::int32_t Align{};
    std::int32_t SlideStop{};

    // [Page6]
    std::int32_t PlayMusic{};
    std::string MIDIFile;
    std::string MIDIFileName;
    std::int32_t Tag{};    // 0 EMBED, 1 BGSOUND
    std::int32_t Repeat{}; // 0 endless, 1 once, 2 RepeatVal times
    std::int32_t RepeatVal{};
    std::int32_t Volume{};
    std::int32_t AutoPlay{};
    std::int32_t Panel{};

    // Derived, never stored.
    std::int32_t ExifItemCount{};       // number of EXIF items selected in ExifInfo
    std::int32_t LegacyWindowsFamily{}; // always 0 here; the thumbnail maker honours 1
};

} // namespace vistrel
