// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "ui/pages/SettingsPage.h"

class QLineEdit;

namespace Ui {
class CPage3;
}

namespace vistrel::ui {

class ColourRow;

// The settings page HTML ① : the index page's title with its font, size and colour, plain page
// or frame set (with the frame names behind its "設定"), the thumbnail layout and the page
// background (the Page3 settings). A font face that is not installed selects no entry and stays
// stored until the user picks one.
class CPage3 final : public SettingsPage {
    Q_OBJECT

public:
    CPage3(PageContext& context, QWidget* parent);
    ~CPage3() override;

    void showControlStates(const ControlStates& states) override;

private:
    void wireControls();

    void showFontFace();
    void showTitleColour();
    void showFrame();
    void showBackground();

    void titleColourClicked(bool checked);
    void frameClicked(std::int32_t frame);
    void editFrameNames();
    void backgroundClicked(std::int32_t useImage);
    void bgImageEdited(const QString& text);
    void browseBgImage();
    // Stores text into the setting key; when that is refused, box shows what is stored.
    void storeText(std::string_view key, QLineEdit* box, const QString& text);

    std::unique_ptr<Ui::CPage3> m_ui;
    ColourRow* m_titleColour;
    ColourRow* m_bgColour;
};

} // namespace vistrel::ui
