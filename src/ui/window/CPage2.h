// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace vistrel::ui {

// The settings page コメント (Comment): the comment settings and the comment editor. Its controls
// come with the page's own work; until then the page holds its place in the tab control.
class CPage2 final : public QWidget {
    Q_OBJECT

public:
    explicit CPage2(QWidget* parent) : QWidget(parent) {}
};

} // namespace vistrel::ui
