// SPDX-License-Identifier: MIT
#include "app/SettingsTable.h"
#include "text/DecimalText.h"
#include "text/ProgramTexts.h"

#include <array>
#include <type_traits>

namespace vistrel {
namespace {

constexpr std::string_view kGeneral = "General";
constexpr std::string_view kPage1 = "Page1";
constexpr std::string_view kPage2 = "Page2";
constexpr std::string_view kPage3 = "Page3";
constexpr std::string_view kPage4 = "Page4";
constexpr std::string_view kPage5 = "Page5";
constexpr std::string_view kPage6 = "Page6";

constexpr std::array<std::string_view, 7> kSections = {kGeneral, kPage1, kPage2, kPage3,
                                                       kPage4,   kPage5, kPage6};

constexpr SettingDescriptor number(std::string_view section, std::string_view key,
                                   std::int32_t Settings::*member, std::int32_t value,
                                   int loadPosition) {
    return {section, key, member, value, {}, FolderDefault::None, loadPosition};
}

constexpr SettingDescriptor bitSet16(std::string_view section, std::string_view key,
                                     std::uint16_t Settings::*member, std::int32_t value,
                                     int loadPosition) {
    return {section, key, member, value, {}, FolderDefault::None, loadPosition};
}

constexpr SettingDescriptor text(std::string_view section, std::string_view key,
                                 std::string Settings::*member, std::string_view value,
                                 int loadPosition) {
    return {section, key, member, 0, value, FolderDefault::None, loadPosition};
}

constexpr SettingDescriptor folder(std::string_view section, std::string_view key,
                                   std::string Settings::*member, FolderDefault value,
                                   int loadPosition) {
    return {section, key, member, 0, {}, value, loadPosition};
}

// Rows in the save order; loadPosition gives the load order, which differs in [General].
constexpr std::array kTable = {
    folder(kGeneral, "ImagePath", &Settings::ImagePath, FolderDefault::ProgramFolder, 0),
    number(kGeneral, "ImageMode", &Settings::ImageMode, 7, 1),
    number(kGeneral, "Select", &Settings::Select, 1, 3),
    number(kGeneral, "AllowUndo", &Settings::AllowUndo, 0, 2),
    number(kGeneral, "MainImage", &Settings::MainImage, 2, 4),
    number(kGeneral, "ThumbImage", &Settings::ThumbImage, 0, 5),
    number(kGeneral, "ThumbType", &Settings::ThumbType, 0, 7),
    text(kGeneral, "AddString", &Settings::AddString, "_thumb", 6),
    number(kGeneral, "Unsharp", &Settings::Unsharp, 0, 8),
    number(kGeneral, "ImageCase", &Settings::ImageCase, 2, 9),
    number(kGeneral, "Hover", &Settings::Hover, 0, 10),
    number(kGeneral, "MainClick", &Settings::MainClick, 0, 12),
    number(kGeneral, "Filter", &Settings::Filter, 0, 11),

    folder(kPage1, "HTMLPath", &Settings::HTMLPath, FolderDefault::ProgramFolderHtml, 13),
    text(kPage1, "HTMLFile", &Settings::HTMLFile, "catalog.html", 14),
    number(kPage1, "HTMLExt", &Settings::HTMLExt, 0, 15),
    text(kPage1, "SubFolder", &Settings::SubFolder, "image", 16),
    number(kPage1, "Mode", &Settings::Mode, 0, 17),
    number(kPage1, "Thumbres", &Settings::Thumbres, 3, 18),
    number(kPage1, "ThumSize", &Settings::ThumSize, 100, 19),
    number(kPage1, "Changeres", &Settings::Changeres, 0, 20),
    number(kPage1, "Resx", &Settings::Resx, 480, 21),
    number(kPage1, "Resy", &Settings::Resy, 360, 22),
    number(kPage1, "KeepRatio", &Settings::KeepRatio, 1, 23),
    number(kPage1, "Unit", &Settings::Unit, 0, 24),
    number(kPage1, "MakePage", &Settings::MakePage, 1, 25),

    number(kPage2, "CommentPos", &Settings::CommentPos, 1, 26),
    number(kPage2, "Information", &Settings::Information, 11, 27),
    number(kPage2, "MainInfo", &Settings::MainInfo, 0, 28),
    bitSet16(kPage2, "ExifInfo", &Settings::ExifInfo, 0x1DF, 29),
    text(kPage2, "CommentColor", &Settings::CommentColor, "#000000", 30),
    number(kPage2, "SetCommentCol", &Settings::SetCommentCol, 0, 31),

    text(kPage3, "Title", &Settings::Title, "画像一覧", 32),
    text(kPage3, "FontFace", &Settings::FontFace, "MS UI Gothic", 33),
    text(kPage3, "FontSize", &Settings::FontSize, "10.5", 34),
    number(kPage3, "SetTitleColor", &Settings::SetTitleColor, 1, 35),
    text(kPage3, "TitleColor", &Settings::TitleColor, "#009933", 36),
    number(kPage3, "Frame", &Settings::Frame, 0, 37),
    number(kPage3, "ImageNum", &Settings::ImageNum, 5, 38),
    number(kPage3, "Window", &Settings::Window, 0, 39),
    number(kPage3, "Border", &Settings::Border, 1, 40),
    number(kPage3, "UseImage", &Settings::UseImage, 0, 41),
    text(kPage3, "BGImagePath", &Settings::BGImagePath, "", 42),
    text(kPage3, "BGImageName", &Settings::BGImageName, "", 43),
    text(kPage3, "BGColor", &Settings::BGColor, "#FAF7FF", 44),
    text(kPage3, "LeftTarget", &Settings::LeftTarget, "Contents", 45),
    text(kPage3, "RightTarget", &Settings::RightTarget, "Image", 46),
    text(kPage3, "LeftFile", &Settings::LeftFile, "menu", 47),

    text(kPage4, "HPName", &Settings::HPName, "ホームページに戻る", 48),
    text(kPage4, "HPURL", &Settings::HPURL, "http://", 49),
    text(kPage4, "NextImage", &Settings::NextImage, "次の画像 >>", 50),
    text(kPage4, "PrevImage", &Settings::PrevImage, "<< 前の画像", 51),
    number(kPage4, "NavPos", &Settings::NavPos, 0, 52),
    text(kPage4, "ThumbNail", &Settings::ThumbNail, texts::kIndexLinkDefault, 53),
    text(kPage4, "AlinkColor", &Settings::AlinkColor, "#0000FF", 54),
    text(kPage4, "VlinkColor", &Settings::VlinkColor, "#800080", 55),
    text(kPage4, "HlinkColor", &Settings::HlinkColor, "#FF0000", 56),
    number(kPage4, "AutoNav", &Settings::AutoNav, 1, 57),
    text(kPage4, "NavWidth", &Settings::NavWidth, "640", 58),
    number(kPage4, "TOPLAYOUT", &Settings::TOPLAYOUT, 0, 59),
    number(kPage4, "THUMBLAYOUT", &Settings::THUMBLAYOUT, 0, 60),

    text(kPage5, "Timeout", &Settings::Timeout, "5", 61),
    number(kPage5, "PreLoad", &Settings::PreLoad, 1, 62),
    number(kPage5, "PreLoadNum", &Settings::PreLoadNum, 0, 63),
    number(kPage5, "Transition", &Settings::Transition, 0, 64),
    number(kPage5, "TransNum", &Settings::TransNum, 23, 65),
    number(kPage5, "Button", &Settings::Button, 0, 66),
    number(kPage5, "Comment", &Settings::Comment, 0, 67),
    number(kPage5, "Start", &Settings::Start, 0, 68),
    number(kPage5, "Align", &Settings::Align, 0, 69),
    number(kPage5, "SlideStop", &Settings::SlideStop, 0, 70),

    number(kPage6, "PlayMusic", &Settings::PlayMusic, 0, 71),
    text(kPage6, "MIDIFile", &Settings::MIDIFile, "", 72),
    text(kPage6, "MIDIFileName", &Settings::MIDIFileName, "", 73),
    number(kPage6, "Tag", &Settings::Tag, 0, 74),
    number(kPage6, "Repeat", &Settings::Repeat, 0, 75),
    number(kPage6, "RepeatVal", &Settings::RepeatVal, 10, 76),
    number(kPage6, "Volume", &Settings::Volume, 80, 77),
    number(kPage6, "AutoPlay", &Settings::AutoPlay, 1, 78),
    number(kPage6, "Panel", &Settings::Panel, 0, 79),
};

static_assert(kTable.size() == 80, "the INI file stores 80 settings");

std::string folderDefaultText(FolderDefault which, const std::string& programFolder) {
    switch (which) {
    case FolderDefault::ProgramFolder:
        return programFolder;
    case FolderDefault::ProgramFolderHtml:
        return programFolder + "html/";
    case FolderDefault::None:
        break;
    }
    return {};
}

} // namespace

std::span<const std::string_view> settingSections() {
    return kSections;
}

std::span<const SettingDescriptor> settingsInSaveOrder() {
    return kTable;
}

const SettingDescriptor* findSetting(std::string_view key) {
    for (const auto& descriptor : kTable) {
        if (descriptor.key == key) {
            return &descriptor;
        }
    }
    return nullptr;
}

Settings makeDefaultSettings(const std::string& programFolder) {
    Settings settings;
    for (const auto& d : kTable) {
        std::visit(
            [&](auto member) {
                using Value = std::remove_reference_t<decltype(settings.*member)>;
                if constexpr (std::is_same_v<Value, std::string>) {
                    settings.*member = d.folderDefault == FolderDefault::None
                                           ? std::string(d.defaultText)
                                           : folderDefaultText(d.folderDefault, programFolder);
                } else {
                    settings.*member = static_cast<Value>(d.defaultNumber);
                }
            },
            d.member);
    }
    return settings;
}

std::string settingText(const Settings& settings, const SettingDescriptor& descriptor) {
    return std::visit(
        [&](auto member) -> std::string {
            const auto& value = settings.*member;
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, std::string>) {
                return value;
            } else {
                return std::to_string(value);
            }
        },
        descriptor.member);
}

void assignSettingText(Settings& settings, const SettingDescriptor& descriptor,
                       std::string_view text) {
    std::visit(
        [&](auto member) {
            using Value = std::remove_reference_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<Value, std::string>) {
                settings.*member = std::string(text);
            } else if constexpr (std::is_same_v<Value, std::uint16_t>) {
                settings.*member = static_cast<std::uint16_t>(
                    static_cast<std::uint32_t>(parseProfileInteger(text)));
            } else {
                settings.*member = parseProfileInteger(text);
            }
        },
        descriptor.member);
}

bool isDecimalInteger(std::string_view text) {
    return readsWhole(scanDecimal(text, false), text);
}

std::int32_t parseProfileInteger(std::string_view text) {
    return wrappedInt32(scanDecimal(text, false));
}

} // namespace vistrel
