// SPDX-License-Identifier: MIT
// The rules that place the main window's controls: dialog units to pixels, growing for a
// Japanese font, and the place of a settings page.
#include <QFont>

#include <gtest/gtest.h>

#include "ui/window/DialogUnits.h"
#include "ui/window/EdgeGrowth.h"
#include "ui/window/SettingsTabs.h"

namespace vistrel::ui::test {
namespace {

TEST(DialogUnits, ConvertEachEdgeOnItsOwnSoSharedEdgesStayShared) {
    const DialogBaseUnits units{7, 13};
    // 10 units at 7/4 = 17.5 -> 18; the right edge 10 + 5 = 15 units -> 26.25 -> 26.
    EXPECT_EQ(toPixels({10, 8, 5, 4}, units), QRect(18, 13, 8, 7));
    const QRect left = toPixels({0, 0, 10, 8}, units);
    const QRect right = toPixels({10, 0, 10, 8}, units);
    EXPECT_EQ(left.x() + left.width(), right.x());
}

TEST(DialogUnits, ComeFromTheLetterWidthAndEmHeightOfTheFont) {
    QFont font;
    font.setPixelSize(16);
    const DialogBaseUnits units = dialogBaseUnits(font);
    EXPECT_EQ(units.vertical, 16);
    EXPECT_GT(units.horizontal, 4);
    EXPECT_LT(units.horizontal, 16);
}

TEST(EdgeGrowth, MovesWhatFollowsAGrownControlAndKeepsTheGaps) {
    // A row of three controls 10 pixels apart under a wide title, inside a window.
    const std::vector<QRect> rects{
        {0, 0, 20, 10}, {30, 0, 20, 10}, {60, 0, 20, 10}, {0, 20, 80, 10}, {0, 0, 90, 40}};
    const std::vector<QSize> needs{{20, 10}, {35, 14}, {5, 5}, {0, 0}, {0, 0}};
    const std::vector<QRect> grown = growToMinimumSizes(rects, needs);
    EXPECT_EQ(grown[0], QRect(0, 0, 20, 14)) << "as high as the neighbour it shares edges with";
    EXPECT_EQ(grown[1], QRect(30, 0, 35, 14));
    EXPECT_EQ(grown[2], QRect(75, 0, 20, 14)) << "moved along and as high as its neighbour";
    EXPECT_EQ(grown[3], QRect(0, 24, 95, 10)) << "below and as wide as the row above";
    EXPECT_EQ(grown[4], QRect(0, 0, 105, 44)) << "the window grows by as much";
}

TEST(EdgeGrowth, LeavesControlsThatFitAlone) {
    const std::vector<QRect> rects{{5, 5, 50, 20}, {60, 5, 30, 20}};
    const std::vector<QSize> needs{{40, 15}, {30, 20}};
    EXPECT_EQ(growToMinimumSizes(rects, needs), rects);
}

TEST(ASettingsPage, StandsInsideTheFrameBelowTheFirstTab) {
    EXPECT_EQ(settingsPageRect(QSize(300, 200), QRect(2, 0, 60, 24)), QRect(3, 26, 294, 171));
}

} // namespace
} // namespace vistrel::ui::test
