// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace vistrel::ui {

// The settings page 音楽 (Music): background music and its preview. Its controls come
// with the page's own work; until then the page holds its place in the tab control.
class CPage6 final : public QWidget {
    Q_OBJECT

public:
    explicit CPage6(QWidget* parent) : QWidget(parent) {}
};

} // namespace vistrel::ui
