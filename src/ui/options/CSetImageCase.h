// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QWidget>

#include "ui/options/ChoiceGroup.h"

namespace Ui {
class CSetImageCase;
}

namespace vistrel {
struct Settings;
}

namespace vistrel::ui {

// The options page "画像ファイル名": the letter case the copied main images are renamed to
// (ImageCase). Enter and Escape typed on this page are taken by it and do nothing.
class CSetImageCase : public QWidget {
    Q_OBJECT

public:
    explicit CSetImageCase(QWidget* parent = nullptr);
    ~CSetImageCase() override;

    // Checks the button of the stored value; call once, on a page that shows nothing yet.
    void load(const Settings& settings);
    // ImageCase from the checked button.
    void store(Settings& settings) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::CSetImageCase> m_ui;
    ChoiceGroup m_imageCase;
};

} // namespace vistrel::ui
