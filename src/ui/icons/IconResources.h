// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel::ui {

// Registers the icons of IconPaths.h with Qt's resource system. They are built into the
// window's static library, whose resources the linker would otherwise leave out: the program
// and the tests call this once at start, before any window loads an icon.
void initIconResources();

} // namespace vistrel::ui
