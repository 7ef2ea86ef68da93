// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QWidget>

#include "ui/options/ChoiceGroup.h"

namespace Ui {
class CSetThumb;
}

namespace vistrel {
struct Settings;
}

namespace vistrel::ui {

// The options page "サムネイル画像": the thumbnails' file type, their name suffix, sharpening
// and the index's effects (ThumbType, AddString, Unsharp, Hover, Filter). Enter and Escape
// typed on this page are taken by it, so that finishing the suffix with Enter neither confirms
// nor cancels the dialog.
class CSetThumb : public QWidget {
    Q_OBJECT

public:
    explicit CSetThumb(QWidget* parent = nullptr);
    ~CSetThumb() override;

    // Shows the stored values; call once, on a page that shows nothing yet.
    void load(const Settings& settings);
    // ThumbType, AddString, Unsharp, Hover, Filter, in this order, from the controls.
    void store(Settings& settings) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::CSetThumb> m_ui;
    ChoiceGroup m_thumbType;
    ChoiceGroup m_filter;
};

} // namespace vistrel::ui
