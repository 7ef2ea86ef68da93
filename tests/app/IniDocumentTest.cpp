// SPDX-License-Identifier: MIT
#include "app/IniDocument.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(AnIniDocument, MatchesSectionsAndKeysIgnoringAsciiCaseAndTakesTheFirstMatch) {
    const auto document = IniDocument::parse("[general]\r\n"
                                             "imagemode=3\r\n"
                                             "ImageMode=5\r\n"
                                             "[GENERAL]\r\n"
                                             "Select=0\r\n");
    EXPECT_EQ(document.value("General", "ImageMode"), "3");
    // The first [general] section wins; keys of a later section with the same name are unseen.
    EXPECT_EQ(document.value("General", "Select"), std::nullopt);
}

TEST(AnIniDocument, TrimsBlanksAndOnePairOfQuotesFromValues) {
    const auto document = IniDocument::parse("[Page3]\n"
                                             "  Title  =  \t My photos \t \n"
                                             "FontFace=\"MS UI Gothic\"\n"
                                             "FontSize=\"\"10.5\"\"\n"
                                             "LeftFile=\"menu\n"
                                             "RightTarget=\n"
                                             "HPURL=http://a/?x=1\n");
    EXPECT_EQ(document.value("Page3", "Title"), "My photos");
    EXPECT_EQ(document.value("Page3", "FontFace"), "MS UI Gothic");
    EXPECT_EQ(document.value("Page3", "FontSize"), "\"10.5\"");
    EXPECT_EQ(document.value("Page3", "LeftFile"), "\"menu");
    EXPECT_EQ(document.value("Page3", "RightTarget"), "");
    EXPECT_EQ(document.value("Page3", "HPURL"), "http://a/?x=1");
    EXPECT_EQ(document.value("Page3", "Missing"), std::nullopt);
    EXPECT_EQ(document.value("Page4", "Title"), std::nullopt);
}

TEST(AnIniDocument, ReadsLinesEndedByLfCrLfOrCr) {
    const auto document = IniDocument::parse("[A]\rone=1\r\ntwo=2\nthree=3");
    EXPECT_EQ(document.value("A", "one"), "1");
    EXPECT_EQ(document.value("A", "two"), "2");
    EXPECT_EQ(document.value("A", "three"), "3");
}

TEST(AnIniDocument, KeepsForeignLinesInPlaceWhenValuesAreWritten) {
    auto document = IniDocument::parse("; my notes\n"
                                       "[General]\n"
                                       "ImageMode=7\n"
                                       "Unknown=kept\n"
                                       "\n"
                                       "[Mine]\n"
                                       "x=y\n");
    document.setValue("General", "ImageMode", "3");
    document.setValue("General", "Select", "1");
    document.setValue("Page1", "Mode", "0");
    EXPECT_EQ(document.text("\n"), "; my notes\n"
                                   "[General]\n"
                                   "ImageMode=3\n"
                                   "Unknown=kept\n"
                                   "Select=1\n"
                                   "\n"
                                   "[Mine]\n"
                                   "x=y\n"
                                   "\n"
                                   "[Page1]\n"
                                   "Mode=0\n");
}

TEST(AnIniDocument, RewritesAnExistingKeyInPlaceWhateverItsCase) {
    auto document = IniDocument::parse("[page2]\nexifinfo = 1\nCommentPos=1\n");
    document.setValue("Page2", "ExifInfo", "65535");
    EXPECT_EQ(document.text("\n"), "[page2]\nExifInfo=65535\nCommentPos=1\n");
}

TEST(AnIniDocument, NeverLetsAValueSpillOntoANewLine) {
    IniDocument document;
    document.setValue("Page3", "Title", "one\r\n[General]\nImageMode=0");
    EXPECT_EQ(document.text("\n"), "[Page3]\nTitle=one  [General] ImageMode=0\n");
    EXPECT_EQ(document.value("General", "ImageMode"), std::nullopt);
}

TEST(AnIniDocument, KeepsValuesLongerThanAnyOldBuffer) {
    const std::string longValue(10000, 'x');
    IniDocument document;
    document.setValue("Page3", "Title", longValue);
    EXPECT_EQ(IniDocument::parse(document.text("\r\n")).value("Page3", "Title"), longValue);
}

} // namespace
} // namespace vistrel
