// SPDX-License-Identifier: MIT
#include "names/NameCase.h"

#include <gtest/gtest.h>

#include "app/Settings.h"
#include "catalogue/OutputImageFolder.h"

namespace vistrel {
namespace {

TEST(ApplyImageCase, ConvertsAsciiLettersByTheImageCaseSetting) {
    EXPECT_EQ(applyImageCase("Photo_01.Jpg", 0), "PHOTO_01.JPG");
    EXPECT_EQ(applyImageCase("Photo_01.Jpg", 1), "photo_01.jpg");
    EXPECT_EQ(applyImageCase("Photo_01.Jpg", 2), "Photo_01.Jpg");
}

TEST(ApplyImageCase, LeavesNamesUnchangedForValuesOtherThanUpperOrLower) {
    EXPECT_EQ(applyImageCase("Photo.Jpg", 3), "Photo.Jpg");
    EXPECT_EQ(applyImageCase("Photo.Jpg", -1), "Photo.Jpg");
}

TEST(ApplyImageCase, NeverTouchesMultiByteCharacters) {
    // Full-width letters and accented letters are not ASCII and keep their case and bytes.
    EXPECT_EQ(applyImageCase("写真Ａａ.Jpg", 0), "写真Ａａ.JPG");
    EXPECT_EQ(applyImageCase("写真Ａａ.Jpg", 1), "写真Ａａ.jpg");
    EXPECT_EQ(applyImageCase("äb.png", 0), "äB.PNG");
    EXPECT_EQ(applyImageCase("ÄB.PNG", 1), "Äb.png");
}

TEST(OutputImageFolder, AddsTheSubFolderWithASeparatorWhenOneIsSet) {
    Settings settings;
    settings.HTMLPath = "/home/user/site/";
    settings.SubFolder = "images";
    EXPECT_EQ(outputImageFolder(settings), "/home/user/site/images/");
}

TEST(OutputImageFolder, IsTheHtmlFolderItselfWithoutASubFolder) {
    Settings settings;
    settings.HTMLPath = "/home/user/site/";
    EXPECT_EQ(outputImageFolder(settings), "/home/user/site/");
}

} // namespace
} // namespace vistrel
