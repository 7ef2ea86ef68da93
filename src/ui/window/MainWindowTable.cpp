// SPDX-License-Identifier: MIT
#include "ui/window/MainWindowTable.h"

#include <array>

namespace vistrel::ui {
namespace {

using K = ControlKind;
namespace c = control;

// The second line under the product name is filled in by the window.
constexpr std::array kControls{
    ControlRow{0, K::GroupBox, {5, 10, 219, 270}, "表示画像の選択"},
    ControlRow{0, K::Label, {14, 30, 110, 8}, "画像の有るフォルダを指定して下さい"},
    ControlRow{c::kFolderBox, K::Edit, {15, 40, 168, 15}, ""},
    ControlRow{c::kBrowse, K::IconButton, {186, 40, 28, 15}, ""},
    ControlRow{0, K::Label, {15, 65, 54, 8}, "画像ファイルのリスト"},
    ControlRow{c::kCountLabel, K::Label, {71, 65, 82, 8}, "（ファイル数 ： ）"},
    ControlRow{c::kSelectAll, K::Button, {186, 58, 28, 15}, ""},
    ControlRow{c::kFileList, K::List, {15, 75, 199, 80}, ""},
    ControlRow{0, K::GroupBox, {15, 165, 94, 105}, "画像のブレビュー"},
    ControlRow{c::kPreview, K::Preview, {20, 185, 84, 64}, ""},
    ControlRow{0, K::GroupBox, {114, 165, 100, 51}, "対象ファイル"},
    ControlRow{c::kAllFiles, K::CheckBox, {124, 181, 77, 10}, "すべてのファイルを表示"},
    ControlRow{c::kJpeg, K::CheckBox, {124, 197, 29, 10}, "JPG"},
    ControlRow{c::kPng, K::CheckBox, {154, 197, 29, 10}, "PNG"},
    ControlRow{c::kGif, K::CheckBox, {184, 197, 26, 10}, "GIF"},
    ControlRow{0, K::GroupBox, {114, 219, 100, 50}, "元画像情報"},
    ControlRow{0, K::Label, {122, 239, 25, 8}, "解像度"},
    ControlRow{c::kResolution, K::ReadOnlyEdit, {149, 239, 60, 15}, ""},
    ControlRow{0, K::Label, {122, 251, 25, 8}, "色　数"},
    ControlRow{c::kColours, K::ReadOnlyEdit, {149, 251, 60, 15}, ""},
    ControlRow{0, K::GroupBox, {229, 10, 214, 270}, "ホームページの設定"},
    ControlRow{c::kTabs, K::TabControl, {234, 30, 202, 239}, ""},
    ControlRow{c::kProgramIcon, K::ProgramIcon, {7, 289, 20, 20}, ""},
    ControlRow{0, K::Label, {37, 291, 36, 8}, "Vistrel !! "},
    ControlRow{c::kSecondLine, K::Label, {37, 302, 107, 8}, ""},
    ControlRow{c::kOptions, K::IconButton, {161, 290, 50, 20}, "オプション"},
    ControlRow{c::kCreate, K::IconButton, {219, 290, 50, 20}, "作成"},
    ControlRow{c::kView, K::IconButton, {277, 290, 50, 20}, "表示"},
    ControlRow{c::kHelp, K::IconButton, {335, 290, 50, 20}, "ヘルプ"},
    ControlRow{c::kExit, K::IconButton, {393, 290, 50, 20}, "終了"},
};

} // namespace

std::span<const ControlRow> mainWindowControls() {
    return kControls;
}

} // namespace vistrel::ui
