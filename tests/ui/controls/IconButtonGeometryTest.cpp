// SPDX-License-Identifier: MIT
#include "ui/controls/IconButtonGeometry.h"

#include <gtest/gtest.h>

namespace vistrel::ui {
namespace {

const QSize kIcon(16, 16);

TEST(AnIconButtonsGeometry, CentresALoneIconAndSinksItOnePixelWhilePressed) {
    EXPECT_EQ(iconPosition({40, 24}, kIcon, {}, false, false), QPoint(12, 4));
    EXPECT_EQ(iconPosition({40, 24}, kIcon, {}, false, true), QPoint(13, 5));
    EXPECT_EQ(iconPosition({41, 25}, kIcon, {}, false, false), QPoint(12, 4));
    // An icon taller than its button rises by the odd pixel rather than sinks.
    EXPECT_EQ(iconPosition({16, 13}, kIcon, {}, false, false), QPoint(0, -2));
}

TEST(AnIconButtonsGeometry, PutsTheIconAtTheMarginWhenACaptionFollows) {
    EXPECT_EQ(iconPosition({75, 32}, kIcon, {10, 8}, true, false), QPoint(10, 8));
    EXPECT_EQ(iconPosition({75, 32}, kIcon, {10, 8}, true, true), QPoint(11, 9));
}

TEST(AnIconButtonsGeometry, CentresTheCaptionInTheRoomBesideTheIconButNeverOverIt) {
    const IconButtonSpacing spacing{4, 8};
    // 100 - 8 - 16 - 4 - 40 leaves 32: half of it before the caption, after margin, icon, gap.
    EXPECT_EQ(captionPosition({100, 30}, {40, 18}, kIcon, spacing, false), QPoint(44, 5));
    EXPECT_EQ(captionPosition({100, 30}, {40, 18}, kIcon, spacing, true), QPoint(45, 6));
    EXPECT_EQ(captionPosition({100, 30}, {90, 18}, kIcon, spacing, false), QPoint(28, 5));
    // Without icon, centred across.
    EXPECT_EQ(captionPosition({100, 30}, {40, 18}, {}, {}, false), QPoint(30, 5));
    EXPECT_EQ(captionPosition({100, 30}, {40, 18}, {}, {}, true), QPoint(31, 6));
}

TEST(AnIconButtonsGeometry, InsetsTheFocusByAQuarterOfASmallSideAndByThreeOtherwise) {
    EXPECT_EQ(focusRect({50, 20}), QRect(3, 3, 44, 14));
    EXPECT_EQ(focusRect({50, 16}), QRect(3, 3, 44, 10));
    EXPECT_EQ(focusRect({50, 10}), QRect(2, 2, 46, 6));
    EXPECT_EQ(focusRect({13, 40}), QRect(3, 3, 7, 34));
}

} // namespace
} // namespace vistrel::ui
