// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include <QRect>
#include <QWidget>

class QTabBar;

namespace vistrel::ui {

// Where a settings page stands inside the tab control, in its client coordinates: one pixel
// right of the first tab's left edge, two below its bottom edge, and as wide and high as the
// rest of the control leaves (4 and 5 pixels short of its right and bottom edges).
QRect settingsPageRect(QSize client, QRect firstTab);

// The tab control of the main window: a row of tabs over a frame, with one settings page per
// tab placed inside the frame. Exactly one page is shown, the page of the selected tab; the tab
// bar never scrolls, so its size hint is the width of every tab.
class SettingsTabs final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPageCount = 6;

    explicit SettingsTabs(QWidget* parent);

    // Adds the tabs, in order.
    void addTab(const QString& caption);
    // Places page under tab index (the page becomes a child of this control) and shows it only
    // when its tab is the selected one.
    void setPage(int index, QWidget* page);
    QWidget* page(int index) const;
    QTabBar* tabBar() const { return m_tabBar; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showSelectedPage();
    void placePages();

    QTabBar* m_tabBar;
    std::array<QWidget*, kPageCount> m_pages{};
};

} // namespace vistrel::ui
