// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ui/pages/SettingsPage.h"

class QCheckBox;
class QLineEdit;

namespace Ui {
class CPage4;
}

namespace vistrel::ui {

class ColourRow;

// The settings page HTML ② : the link to the home page, the link texts of the main image pages
// and where they stand, the link back to the index page, and the three link colours of the
// pages' BODY tag. The layout of the image links is set in the dialog its "レイアウト" button
// opens. Every control stores its setting the moment the user changes it.
class CPage4 final : public SettingsPage {
    Q_OBJECT

public:
    CPage4(PageContext& context, QWidget* parent);
    ~CPage4() override;

    void showControlStates(const ControlStates& states) override;

private:
    // A colour of the BODY tag: its row and the setting it edits.
    struct LinkColour {
        ColourRow* row;
        std::string_view key;
        std::string& stored;
    };

    void fill();
    void connectText(QLineEdit* edit, std::string_view key, const std::string& stored);
    void indexLinkEdited(const QString& text);
    void positionClicked(QCheckBox* box, std::int32_t bit);
    void openLayout();
    void colourEdited(const LinkColour& colour, const QString& text);
    void restoreDefaultColours();

    std::unique_ptr<Ui::CPage4> m_ui;
    std::array<LinkColour, 3> m_colours;
};

} // namespace vistrel::ui
