// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QWidget>

#include "ui/options/ChoiceGroup.h"

namespace Ui {
class CSetOption;
}

namespace vistrel {
struct Settings;
}

namespace vistrel::ui {

// The options page "既存ファイル処理": what a run does with the pages, main images and
// thumbnails an earlier run left in the output folder (AllowUndo, MainImage, ThumbImage).
class CSetOption : public QWidget {
    Q_OBJECT

public:
    explicit CSetOption(QWidget* parent = nullptr);
    ~CSetOption() override;

    // Checks the buttons of the stored values; call once, on a page that shows nothing yet.
    void load(const Settings& settings);
    // AllowUndo, MainImage, ThumbImage, in this order, from the checked buttons.
    void store(Settings& settings) const;

private:
    std::unique_ptr<Ui::CSetOption> m_ui;
    ChoiceGroup m_allowUndo;
    ChoiceGroup m_mainImage;
    ChoiceGroup m_thumbImage;
};

} // namespace vistrel::ui
