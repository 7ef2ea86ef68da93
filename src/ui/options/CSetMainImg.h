// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QWidget>

#include "ui/options/ChoiceGroup.h"

namespace Ui {
class CSetMainImg;
}

namespace vistrel {
struct Settings;
}

namespace vistrel::ui {

// The options page "メイン画像": what a click on the image of an image page does (MainClick).
class CSetMainImg : public QWidget {
    Q_OBJECT

public:
    explicit CSetMainImg(QWidget* parent = nullptr);
    ~CSetMainImg() override;

    // Checks the button of the stored value; call once, on a page that shows nothing yet.
    void load(const Settings& settings);
    // MainClick from the checked button.
    void store(Settings& settings) const;

private:
    std::unique_ptr<Ui::CSetMainImg> m_ui;
    ChoiceGroup m_mainClick;
};

} // namespace vistrel::ui
