// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "ui/pages/SettingsPage.h"

class QCheckBox;

namespace Ui {
class CPage5;
}

namespace vistrel::ui {

// The settings page スライドショー (Slideshow): the time each image is shown, preloading, the
// transition effect, start stopped, the number of rounds before the show stops, and the page's
// start/stop buttons and comments (the Page5 settings). The whole page is usable only in
// slideshow mode. Every control stores its setting the moment the user changes it.
class CPage5 final : public SettingsPage {
    Q_OBJECT

public:
    CPage5(PageContext& context, QWidget* parent);
    ~CPage5() override;

    void showControlStates(const ControlStates& states) override;

private:
    void wireControls();

    // Shows what is stored; the user's signals do not fire on these, so they store nothing.
    void fill();
    void showPreLoadNum();
    void showTransNum();
    void showRounds();
    void showRoundCount(std::int32_t count);
    // The start-stopped box follows the button box, the centre box the comment box.
    void showDependentBoxes();
    // The rule over all six pages, after a setting it reads has changed.
    void applyModeRule();

    void timeoutEdited(const QString& text);
    void preLoadNumClicked(std::int32_t value);
    void transNumChosen(int index);
    void slideStopClicked(bool checked);
    void roundsChanged(const QString& text);

    std::unique_ptr<Ui::CPage5> m_ui;
};

} // namespace vistrel::ui
