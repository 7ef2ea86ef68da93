// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "ui/shell/WindowSeams.h"

namespace vistrel {
class ImageListPanel;
class SettingsChanges;
struct Settings;
} // namespace vistrel

namespace vistrel::ui {

// What the settings pages share with the main window. Nothing is owned; all of it lives as long
// as the window.
struct PageContext {
    Settings& settings;
    WindowSeams seams;
    // The list of the images (the comment editor's rows) and whether a run is under way.
    ImageListPanel& panel;
    // Told of every stored setting that changes, by a page or by a step of the program.
    SettingsChanges& changes;
    // The window's one current-row handler: makes row current and shows it (list, preview and
    // information boxes follow).
    std::function<void(int row)> showRow;
    // Works out again which controls of all six pages are usable and shows it.
    std::function<void()> applyModeRule;
};

} // namespace vistrel::ui
