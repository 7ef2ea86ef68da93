// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace vistrel::ui {

// The settings page HTML ① : title, font and layout of the pages. Its controls come
// with the page's own work; until then the page holds its place in the tab control.
class CPage3 final : public QWidget {
    Q_OBJECT

public:
    explicit CPage3(QWidget* parent) : QWidget(parent) {}
};

} // namespace vistrel::ui
