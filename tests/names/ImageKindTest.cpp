// SPDX-License-Identifier: MIT
#include "names/ImageKind.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(ClassifyImageName, RecognisesEachImageTypeByItsExtensionInAnyCase) {
    EXPECT_EQ(ClassifyImageName("photo.jpg"), ImageKind::Jpeg);
    EXPECT_EQ(ClassifyImageName("PHOTO.JPEG"), ImageKind::Jpeg);
    EXPECT_EQ(ClassifyImageName("Photo.Png"), ImageKind::Png);
    EXPECT_EQ(ClassifyImageName("anim.GIF"), ImageKind::Gif);
    EXPECT_EQ(ClassifyImageName("写真.JPG"), ImageKind::Jpeg);
}

TEST(ClassifyImageName, GivesNoneForNamesWithoutAnImageExtension) {
    EXPECT_EQ(ClassifyImageName("notes.txt"), ImageKind::None);
    EXPECT_EQ(ClassifyImageName("README"), ImageKind::None);
    EXPECT_EQ(ClassifyImageName(""), ImageKind::None);
    EXPECT_EQ(ClassifyImageName("photojpg"), ImageKind::None);
}

TEST(ClassifyImageName, TestsSubstringsSoTheLastMatchingTypeWins) {
    EXPECT_EQ(ClassifyImageName("a.png.jpg"), ImageKind::Png);
    EXPECT_EQ(ClassifyImageName("b.jpg.gif"), ImageKind::Gif);
    EXPECT_EQ(ClassifyImageName("c.jpg.txt"), ImageKind::Jpeg);
    EXPECT_EQ(ClassifyImageName("d.gif.png"), ImageKind::Gif);
    EXPECT_EQ(ClassifyImageName("e.jpeg.backup"), ImageKind::Jpeg);
}

TEST(ClassifyImageName, IgnoresPngAndGifAtTheStartButNotJpg) {
    EXPECT_EQ(ClassifyImageName(".png"), ImageKind::None);
    EXPECT_EQ(ClassifyImageName(".GIF"), ImageKind::None);
    EXPECT_EQ(ClassifyImageName(".jpg"), ImageKind::Jpeg);
    EXPECT_EQ(ClassifyImageName(".jpeg"), ImageKind::Jpeg);
    // Only the first occurrence counts, and here it stands at the start.
    EXPECT_EQ(ClassifyImageName(".png.png"), ImageKind::None);
    // A later pattern still applies to a name that starts with another one.
    EXPECT_EQ(ClassifyImageName(".png.jpg"), ImageKind::Jpeg);
    EXPECT_EQ(ClassifyImageName(".gif.x.png"), ImageKind::Png);
}

TEST(ImageKindBits, AreTheBitsOfTheTypeMask) {
    EXPECT_EQ(kindBit(ImageKind::None), 0);
    EXPECT_EQ(kindBit(ImageKind::Jpeg), 1);
    EXPECT_EQ(kindBit(ImageKind::Png), 2);
    EXPECT_EQ(kindBit(ImageKind::Gif), 4);
    EXPECT_EQ(kAllFilesMask, 8);
}

} // namespace
} // namespace vistrel
