// SPDX-License-Identifier: MIT
#pragma once

#include "app/ControlStates.h"
#include "ui/pages/SettingsPage.h"

namespace vistrel::ui {

// The settings page スライドショー (Slideshow): delay, effects and buttons. Its controls come
// with the page's own work; until then the page holds its place in the tab control and
// keeps what the mode rule asks of it.
class CPage5 final : public SettingsPage {
    Q_OBJECT

public:
    CPage5(PageContext& context, QWidget* parent) : SettingsPage(context, parent) {}

    void showControlStates(const ControlStates& states) override { m_states = states; }
    // What the mode rule last asked of the page.
    const ControlStates& controlStates() const { return m_states; }

private:
    ControlStates m_states;
};

} // namespace vistrel::ui
