// SPDX-License-Identifier: MIT
#include "catalogue/TypeBoxes.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

constexpr TypeBox kAll = TypeBox::AllFiles;

TEST(TypeBoxesAtStart, CheckTheTypesOfImageMode) {
    const TypeBoxes boxes(5);
    EXPECT_FALSE(boxes.isChecked(kAll));
    EXPECT_TRUE(boxes.isChecked(TypeBox::Jpeg));
    EXPECT_FALSE(boxes.isChecked(TypeBox::Png));
    EXPECT_TRUE(boxes.isChecked(TypeBox::Gif));
    for (const TypeBox box : {kAll, TypeBox::Jpeg, TypeBox::Png, TypeBox::Gif}) {
        EXPECT_TRUE(boxes.isEnabled(box));
    }
    EXPECT_EQ(boxes.mask(), 5);
}

TEST(TypeBoxesAtStart, CheckAllFilesAndDisableTheTypesForMode8) {
    const TypeBoxes boxes(8);
    EXPECT_TRUE(boxes.isChecked(kAll));
    EXPECT_TRUE(boxes.isEnabled(kAll));
    for (const TypeBox box : {TypeBox::Jpeg, TypeBox::Png, TypeBox::Gif}) {
        EXPECT_FALSE(boxes.isChecked(box));
        EXPECT_FALSE(boxes.isEnabled(box));
    }
    EXPECT_EQ(boxes.mask(), 8);
}

TEST(TypeBoxesClick, SetsAndClearsTheBitOfATypeBox) {
    TypeBoxes boxes(1);
    EXPECT_TRUE(boxes.click(TypeBox::Png));
    EXPECT_TRUE(boxes.isChecked(TypeBox::Png));
    EXPECT_EQ(boxes.mask(), 3);
    EXPECT_TRUE(boxes.click(TypeBox::Jpeg));
    EXPECT_FALSE(boxes.isChecked(TypeBox::Jpeg));
    EXPECT_EQ(boxes.mask(), 2);
    EXPECT_TRUE(boxes.click(TypeBox::Png));
    EXPECT_EQ(boxes.mask(), 0);
}

TEST(TypeBoxesClick, OnAllFilesDisablesTheTypesKeepingTheirMarks) {
    TypeBoxes boxes(6);
    EXPECT_TRUE(boxes.click(kAll));
    EXPECT_EQ(boxes.mask(), 8);
    EXPECT_FALSE(boxes.isEnabled(TypeBox::Jpeg));
    EXPECT_FALSE(boxes.isEnabled(TypeBox::Png));
    EXPECT_FALSE(boxes.isEnabled(TypeBox::Gif));
    EXPECT_FALSE(boxes.isChecked(TypeBox::Jpeg));
    EXPECT_TRUE(boxes.isChecked(TypeBox::Png));
    EXPECT_TRUE(boxes.isChecked(TypeBox::Gif));

    EXPECT_FALSE(boxes.click(TypeBox::Png)) << "a disabled box cannot be clicked";
    EXPECT_TRUE(boxes.isChecked(TypeBox::Png));
    EXPECT_EQ(boxes.mask(), 8);
}

TEST(TypeBoxesClick, OffAllFilesTakesTheMaskFromTheTypeMarks) {
    TypeBoxes boxes(6);
    boxes.click(kAll);
    EXPECT_TRUE(boxes.click(kAll));
    EXPECT_FALSE(boxes.isChecked(kAll));
    EXPECT_TRUE(boxes.isEnabled(TypeBox::Png));
    EXPECT_EQ(boxes.mask(), 6);
}

TEST(TypeBoxesClick, OffAllFilesWithNoTypeMarkedGivesAnEmptyMask) {
    TypeBoxes boxes(8);
    EXPECT_TRUE(boxes.click(kAll));
    EXPECT_EQ(boxes.mask(), 0);
    EXPECT_TRUE(boxes.isEnabled(TypeBox::Jpeg));
}

} // namespace
} // namespace vistrel
