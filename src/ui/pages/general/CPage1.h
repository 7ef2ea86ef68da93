// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "app/SettingsChanges.h"
#include "ui/pages/SettingsPage.h"

namespace Ui {
class CPage1;
}

namespace vistrel::ui {

// The settings page 全般 (General): the output folder, the main page's name and extension, the
// image subfolder, the creation mode, the thumbnail size and the display size of the main
// images (the Page1 settings). Its mode buttons, main-page box and resize box decide, through
// the window's mode rule, which controls of every page are usable. The output folder box
// follows the folder a run completes with its final "/".
class CPage1 final : public SettingsPage, private SettingsObserver {
    Q_OBJECT

public:
    CPage1(PageContext& context, QWidget* parent);
    ~CPage1() override;
    CPage1(const CPage1&) = delete;
    CPage1& operator=(const CPage1&) = delete;

    void showControlStates(const ControlStates& states) override;

private:
    void settingChanged(std::string_view key) override;
    void wireControls();

    void showHtmlPath();
    void showHtmlFile();
    void showMode();
    void showMakePage();
    void showThumbnailSize();
    void showResize();

    void htmlPathEdited(const QString& text);
    void browseHtmlPath();
    void htmlFileEdited(const QString& text);
    void modeClicked(std::int32_t mode);
    void makePageClicked(bool checked);
    void presetClicked(std::int32_t thumbres);
    void otherSizeClicked();
    // Opens the thumbnail size dialog; Cancel puts presetBefore back into Thumbres.
    void askThumbnailSize(std::int32_t presetBefore);
    void changeResClicked(bool checked);
    // Stores number, read from text, into the setting key.
    void numberEdited(std::string_view key, const QString& text);

    std::unique_ptr<Ui::CPage1> m_ui;
};

} // namespace vistrel::ui
