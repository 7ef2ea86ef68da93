// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "ui/pages/SettingsPage.h"

class QCheckBox;

namespace Ui {
class CPage2;
}

namespace vistrel::ui {

class ColourRow;
class CommentEditor;

// The settings page コメント (Comment): the comment editor of the current image, and where
// comments go, which file details accompany the thumbnails and the main images, which EXIF
// items the main pages show and the comments' text colour. Every control stores its setting
// the moment the user changes it.
class CPage2 final : public SettingsPage {
    Q_OBJECT

public:
    CPage2(PageContext& context, QWidget* parent);
    ~CPage2() override;

    void showControlStates(const ControlStates& states) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Four boxes for the bits 1, 2, 4 and 8 of an item setting (file name, size, date,
    // resolution).
    using ItemBoxes = std::array<QCheckBox*, 4>;

    void fill();
    void fillItemBoxes(const ItemBoxes& boxes, std::int32_t bits);
    void fillExifList();
    void connectItemBoxes(const ItemBoxes& boxes, std::string_view key, const std::int32_t& bits);

    void placementClicked();
    void itemBoxClicked(QCheckBox* box, std::int32_t bit, std::string_view key,
                        const std::int32_t& bits);
    void exifItemChanged();
    void colourBoxClicked(bool ticked);
    void colourEdited(const QString& text);

    std::unique_ptr<Ui::CPage2> m_ui;
    ColourRow* m_colour = nullptr;
    std::unique_ptr<CommentEditor> m_editor;
    ItemBoxes m_thumbnailItems{};
    ItemBoxes m_mainItems{};
};

} // namespace vistrel::ui
