// SPDX-License-Identifier: MIT
#include "ui/pages/comment/CommentPageRules.h"

#include <gtest/gtest.h>

namespace vistrel::ui {
namespace {

TEST(CommentPlacement, IsFourForBothBoxesAndTicksNeitherBoxForThree) {
    EXPECT_EQ(commentPosFromBoxes(false, false), 0);
    EXPECT_EQ(commentPosFromBoxes(true, false), 1);
    EXPECT_EQ(commentPosFromBoxes(false, true), 2);
    EXPECT_EQ(commentPosFromBoxes(true, true), 4);

    struct Shown {
        std::int32_t stored;
        bool thumbnailPage;
        bool mainPages;
    };
    for (const Shown shown :
         {Shown{0, false, false}, Shown{1, true, false}, Shown{2, false, true},
          Shown{3, false, false}, Shown{4, true, true}, Shown{5, false, false}}) {
        EXPECT_EQ(commentPosTicksThumbnailPage(shown.stored), shown.thumbnailPage) << shown.stored;
        EXPECT_EQ(commentPosTicksMainPages(shown.stored), shown.mainPages) << shown.stored;
    }
}

TEST(ExifItems, TakeTheTwelveTicksAndKeepTheUpperFourBits) {
    EXPECT_EQ(exifInfoFromTicks(0x01DF, 0x01FF), 0x01FF);
    EXPECT_EQ(exifInfoFromTicks(0xF1DF, 0x0000), 0xF000);
    EXPECT_EQ(exifInfoFromTicks(0x0000, 0xFFFF), 0x0FFF) << "only the twelve rows tick";
}

} // namespace
} // namespace vistrel::ui
