// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include "ui/window/DialogUnits.h"

namespace vistrel::ui {

// What a row of the main window's control table makes.
enum class ControlKind {
    GroupBox,
    Label,
    Edit,
    ReadOnlyEdit,
    IconButton,
    Button,
    List,
    Preview,
    CheckBox,
    TabControl,
    ProgramIcon,
};

// One control of the main window: its id (0 for the frames and labels nobody addresses), kind,
// rectangle in dialog units and caption.
struct ControlRow {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    DialogRect rect;
    std::string_view caption;
};

// The ids the window addresses its controls by.
namespace control {
inline constexpr int kFolderBox = 1000;
inline constexpr int kBrowse = 1001;
inline constexpr int kPreview = 1002;
inline constexpr int kFileList = 1003;
inline constexpr int kAllFiles = 1004;
inline constexpr int kJpeg = 1005;
inline constexpr int kPng = 1006;
inline constexpr int kGif = 1007;
inline constexpr int kResolution = 1008;
inline constexpr int kColours = 1009;
inline constexpr int kSelectAll = 1010;
inline constexpr int kTabs = 1012;
inline constexpr int kHelp = 1024;
inline constexpr int kView = 1025;
inline constexpr int kCreate = 1026;
inline constexpr int kOptions = 1027;
inline constexpr int kCountLabel = 1052;
inline constexpr int kExit = 1053;
inline constexpr int kProgramIcon = 1100;
inline constexpr int kSecondLine = 1101;
} // namespace control

// The window's size in dialog units.
inline constexpr DialogRect kMainWindowRect{0, 0, 451, 317};

// Every control of the main window, in creation order (frames before what they frame, so what
// they frame lies on top).
std::span<const ControlRow> mainWindowControls();

} // namespace vistrel::ui
