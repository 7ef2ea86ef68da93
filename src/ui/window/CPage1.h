// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace vistrel::ui {

// The settings page 全般 (General): the output folder, the mode and the sizes. Its controls come
// with the page's own work; until then the page holds its place in the tab control.
class CPage1 final : public QWidget {
    Q_OBJECT

public:
    explicit CPage1(QWidget* parent) : QWidget(parent) {}
};

} // namespace vistrel::ui
