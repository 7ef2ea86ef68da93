// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace vistrel::ui {

// The settings page HTML ② : background, links and link colours. Its controls come
// with the page's own work; until then the page holds its place in the tab control.
class CPage4 final : public QWidget {
    Q_OBJECT

public:
    explicit CPage4(QWidget* parent) : QWidget(parent) {}
};

} // namespace vistrel::ui
