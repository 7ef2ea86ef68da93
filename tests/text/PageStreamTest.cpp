// SPDX-License-Identifier: MIT
#include "text/PageStream.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "TextBytes.h"
#include "support/TempDir.h"
#include "text/Encoding.h"

namespace vistrel {
namespace {

using detail::bytesOf;

const std::string kGazou = bytesOf({0x89, 0xE6, 0x91, 0x9C}); // 画像 in CP932

TEST(APageStream, WritesCp932WithCrLfLineEndsToAFile) {
    const test::TempDir folder;
    const std::string path = folder.file("index.html");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    PageStream page(file);
    page.print("<title>%s</title>\n", "画像一覧");
    page.print("<p>%d/%d</p>\n\n", 3, 12);
    EXPECT_TRUE(page.close());
    ASSERT_EQ(std::fclose(file), 0);
    EXPECT_EQ(test::readBytes(path),
              "<title>" + *utf8ToCp932("画像一覧") + "</title>\r\n<p>3/12</p>\r\n\r\n");
}

TEST(APageStream, WritesReferencesInPageTextAndEscapesInScriptText) {
    std::string sink;
    PageStream page(sink);
    page.print("<p>%s</p>\n", "画像😀é");
    page.printScript("var t = '%s';\n", "画像😀é");
    EXPECT_TRUE(page.close());
    EXPECT_EQ(sink, "<p>" + kGazou + "&#x1F600;&#xE9;</p>\r\n" + "var t = '" + kGazou +
                        "\\uD83D\\uDE00\\u00E9';\r\n");
}

TEST(APageStream, WritesAPercentSignInAnArgumentAsTyped) {
    std::string sink;
    PageStream page(sink);
    page.print("<p>%s</p>", "100% 画像 %d %s %%");
    page.print("%d%%", 50);
    EXPECT_TRUE(page.close());
    EXPECT_EQ(sink, "<p>100% " + kGazou + " %d %s %%</p>50%");
}

TEST(APageStream, WritesFormattedLinesLongerThan64KiB) {
    std::string text;
    std::string expected;
    for (int i = 0; i < 30000; ++i) {
        text += "画像" + std::to_string(i % 10);
        expected += kGazou + std::to_string(i % 10);
    }
    ASSERT_GT(text.size(), 128U * 1024U);

    std::string sink;
    PageStream memory(sink);
    memory.print("<p>%s</p>\n", text.c_str());
    EXPECT_TRUE(memory.close());
    EXPECT_EQ(sink, "<p>" + expected + "</p>\r\n");

    const test::TempDir folder;
    const std::string path = folder.file("long.html");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    PageStream page(file);
    page.print("<p>%s</p>\n", text.c_str());
    page.print("%s", "short");
    EXPECT_TRUE(page.close());
    ASSERT_EQ(std::fclose(file), 0);
    EXPECT_EQ(test::readBytes(path), "<p>" + expected + "</p>\r\nshort");
}

TEST(APageStream, WritesEveryLengthOfOutputWhole) {
    for (std::size_t length = 1; length <= 4100; ++length) {
        const std::string text(length, 'x');
        std::string sink;
        PageStream page(sink);
        page.print("%s|", text.c_str());
        ASSERT_TRUE(page.close());
        ASSERT_EQ(sink, text + "|") << length;
    }
}

TEST(APageStream, WritesEveryLfAsCrLfAsATextModeFileDoes) {
    std::string sink;
    PageStream page(sink);
    page.print("a\r\nb\n");
    page.print("%s", "c\r");
    page.print("\nd\r");
    page.print("e\n");
    EXPECT_TRUE(page.close());
    EXPECT_EQ(sink, "a\r\r\nb\r\nc\r\r\nd\re\r\n");
}

TEST(APageStream, AppendsToWhatTheSinkAlreadyHolds) {
    std::string sink = "<html>";
    PageStream page(sink);
    page.print("%s", "画像");
    EXPECT_TRUE(page.close());
    EXPECT_EQ(sink, "<html>" + kGazou);
}

TEST(APageStream, ReportsAWriteThatFailed) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full to fill";
    }
    std::FILE* file = std::fopen("/dev/full", "wb");
    ASSERT_NE(file, nullptr);
    PageStream full(file);
    full.print("%s\n", "画像一覧");
    EXPECT_FALSE(full.close());
    EXPECT_EQ(full.error(), ENOSPC);
    std::fclose(file);

    PageStream nowhere(static_cast<std::FILE*>(nullptr));
    nowhere.print("lost");
    EXPECT_FALSE(nowhere.close());

    std::string sink;
    PageStream closed(sink);
    EXPECT_TRUE(closed.close());
    closed.print("late");
    EXPECT_EQ(sink, "");
    EXPECT_FALSE(closed.close());
}

} // namespace
} // namespace vistrel
