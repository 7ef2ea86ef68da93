// SPDX-License-Identifier: MIT
#include "names/ThumbnailNamer.h"

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vistrel {
namespace {

using Lines = std::vector<std::string>;

constexpr std::int32_t kPngKind = 0;
constexpr std::int32_t kJpegKind = 2;
constexpr std::int32_t kGifKind = 4;

// The thumbnail file names of fileNames named in order, as one collection names them.
Lines thumbnailNames(const Lines& fileNames, std::int32_t imageCase, std::int32_t kind = kPngKind,
                     std::string_view suffix = "_thumb") {
    ThumbnailNamer namer("/site/img/", imageCase);
    Lines names;
    for (std::size_t i = 0; i < fileNames.size(); ++i) {
        names.push_back(
            namer.MakeThumbnailName(static_cast<std::int32_t>(i), fileNames[i], kind, suffix)
                .fileName);
    }
    return names;
}

TEST(MakeThumbnailName, NumbersASecondFileWithTheSameStem) {
    EXPECT_EQ(thumbnailNames({"photo.jpg", "photo.png", "a.gif"}, 1),
              (Lines{"photo_thumb.png", "photo1_thumb.png", "a_thumb.png"}));
}

TEST(MakeThumbnailName, UpperCasesSuffixAndExtensionForImageCaseZero) {
    EXPECT_EQ(thumbnailNames({"PHOTO.JPG", "PHOTO.PNG"}, 0),
              (Lines{"PHOTO_THUMB.PNG", "PHOTO1_THUMB.PNG"}));
}

TEST(MakeThumbnailName, LowerCasesSuffixAndExtensionForEveryOtherImageCase) {
    EXPECT_EQ(thumbnailNames({"Photo.JPG"}, 2, kPngKind, "_Thumb"), (Lines{"Photo_thumb.png"}));
    EXPECT_EQ(thumbnailNames({"Photo.JPG"}, 1, kPngKind, "_THUMB"), (Lines{"Photo_thumb.png"}));
}

TEST(MakeThumbnailName, LeavesTheStemAsGiven) {
    // The caller has already put the file name into the case of ImageCase.
    EXPECT_EQ(thumbnailNames({"photo.jpg", "写真.jpg"}, 0),
              (Lines{"photo_THUMB.PNG", "写真_THUMB.PNG"}));
}

TEST(MakeThumbnailName, ComparesStemsWithTheirCase) {
    EXPECT_EQ(thumbnailNames({"photo.jpg", "Photo.png"}, 2),
              (Lines{"photo_thumb.png", "Photo_thumb.png"}));
}

TEST(MakeThumbnailName, NumbersByTheEntryIndexNotByTheNumberOfClashes) {
    EXPECT_EQ(thumbnailNames({"x.jpg", "x.gif", "x.png"}, 1),
              (Lines{"x_thumb.png", "x1_thumb.png", "x2_thumb.png"}));
    EXPECT_EQ(thumbnailNames({"x.jpg", "a.jpg", "b.jpg", "x.gif"}, 1),
              (Lines{"x_thumb.png", "a_thumb.png", "b_thumb.png", "x3_thumb.png"}));
}

TEST(MakeThumbnailName, CutsTheStemAtTheLastDot) {
    EXPECT_EQ(thumbnailNames({"a.b.png", "a.b.jpg", "a.c.jpg"}, 1),
              (Lines{"a.b_thumb.png", "a.b1_thumb.png", "a.c_thumb.png"}));
    // "photo.jpg" and "photo.jpg.png" have different stems ("photo." and "photo.jpg.").
    EXPECT_EQ(thumbnailNames({"photo.jpg", "photo.jpg.png"}, 1),
              (Lines{"photo_thumb.png", "photo.jpg_thumb.png"}));
}

TEST(MakeThumbnailName, GivesNamesWithoutADotAnEmptyStem) {
    EXPECT_EQ(thumbnailNames({"README", "photo.jpg", "NOTES"}, 1),
              (Lines{"_thumb.png", "photo_thumb.png", "2_thumb.png"}));
}

TEST(MakeThumbnailName, TakesTheExtensionFromTheThumbnailKind) {
    EXPECT_EQ(thumbnailNames({"a.png"}, 1, kJpegKind), (Lines{"a_thumb.jpg"}));
    EXPECT_EQ(thumbnailNames({"a.png"}, 0, kGifKind), (Lines{"a_THUMB.GIF"}));
    EXPECT_EQ(thumbnailNames({"a.png"}, 1, kPngKind, ""), (Lines{"a.png"}));
    EXPECT_EQ(thumbnailNames({"a.png"}, 1, 6), (Lines{"a_thumb"}));
}

TEST(MakeThumbnailName, PutsTheThumbnailIntoTheOutputImageFolder) {
    ThumbnailNamer namer("/site/img/", 1);
    EXPECT_EQ(namer.MakeThumbnailName(0, "photo.jpg", kPngKind, "_thumb"),
              (ThumbnailName{"/site/img/photo_thumb.png", "photo_thumb.png"}));
}

TEST(MakeThumbnailName, NumbersEveryLaterClashInALongCollection) {
    Lines fileNames;
    for (int i = 0; i < 3000; ++i) {
        fileNames.push_back("img" + std::to_string(i % 1000) + (i < 1000 ? ".jpg" : ".png"));
    }
    const Lines names = thumbnailNames(fileNames, 1);
    EXPECT_EQ(names[999], "img999_thumb.png");
    EXPECT_EQ(names[1000], "img01000_thumb.png");
    EXPECT_EQ(names[2000], "img02000_thumb.png");
    EXPECT_EQ(names[2999], "img9992999_thumb.png");
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
}

} // namespace
} // namespace vistrel
