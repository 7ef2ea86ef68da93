// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel::ui::icons {

// The program's own icons in its resources (see initIconResources). The button icons are
// drawn for 16 × 16 pixels; the program icon for 48 × 48 and scales to any size.
inline constexpr const char* kBrowse = ":/icons/browse.svg";
inline constexpr const char* kColour = ":/icons/colour.svg";
inline constexpr const char* kCreate = ":/icons/create.svg";
inline constexpr const char* kExit = ":/icons/exit.svg";
inline constexpr const char* kHelp = ":/icons/help.svg";
inline constexpr const char* kOptions = ":/icons/options.svg";
inline constexpr const char* kView = ":/icons/view.svg";
// The comment editor's buttons and the restore-defaults button of the link colours.
inline constexpr const char* kPrevious = ":/icons/previous.svg";
inline constexpr const char* kNext = ":/icons/next.svg";
inline constexpr const char* kSaveComments = ":/icons/save.svg";
inline constexpr const char* kLoadComments = ":/icons/load.svg";
inline constexpr const char* kDefaults = ":/icons/defaults.svg";
inline constexpr const char* kProgram = ":/icons/program.svg";
// The music preview: plays the chosen MIDI file, and stops it.
inline constexpr const char* kPreviewMusic = ":/icons/speaker.svg";

} // namespace vistrel::ui::icons
