// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace vistrel::ui {

// The settings page スライドショー (Slideshow): delay, effects and buttons. Its controls come
// with the page's own work; until then the page holds its place in the tab control.
class CPage5 final : public QWidget {
    Q_OBJECT

public:
    explicit CPage5(QWidget* parent) : QWidget(parent) {}
};

} // namespace vistrel::ui
