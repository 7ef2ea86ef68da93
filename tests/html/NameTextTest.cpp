// SPDX-License-Identifier: MIT
#include "html/NameText.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(AFileNameInAUrl, IsWrittenAsItIsUnlessItHoldsCharactersThatBreakTheUrl) {
    EXPECT_EQ(urlStart("photo_01.jpg"), "photo_01.jpg");
    EXPECT_EQ(urlStart("旅 行.jpg"), "旅 行.jpg");
    EXPECT_EQ(urlSegment("100% \"best\" #1?&.jpg"), "100%25 %22best%22 %231%3F%26.jpg");
    EXPECT_EQ(urlSegment("tab\there\x1f.jpg"), "tab%09here%1F.jpg");
}

TEST(AFileNameInAUrl, HasBackslashesEscapedSinceBrowsersReadThemAsSlashes) {
    EXPECT_EQ(urlSegment("a\\b.jpg"), "a%5Cb.jpg");
    EXPECT_EQ(urlStart("\\\\host\\share.jpg"), "%5C%5Chost%5Cshare.jpg");
    // The trail byte 0x5C of a Shift_JIS character never reaches here: names are UTF-8.
    EXPECT_EQ(urlSegment("表.jpg"), "表.jpg");
}

TEST(AFileNameInAUrl, HasTheBytesOfPiecesThatAreNoUtf8AsPercentEscapesOfThoseBytes) {
    // Latin-1 "café", a lone continuation byte, a truncated three-byte sequence before a good
    // character, an overlong "/" and a surrogate: each byte as it is in the name.
    EXPECT_EQ(urlSegment("caf\xE9.jpg"), "caf%E9.jpg");
    EXPECT_EQ(urlSegment("\x80x.jpg"), "%80x.jpg");
    EXPECT_EQ(urlSegment("\xE5\x86写.jpg"), "%E5%86写.jpg");
    EXPECT_EQ(urlSegment("\xC0\xAF.jpg"), "%C0%AF.jpg");
    EXPECT_EQ(urlSegment("\xED\xA0\x80.jpg"), "%ED%A0%80.jpg");
    EXPECT_EQ(urlStart("\xFF:\xFE.jpg"), "./%FF:%FE.jpg");
    // Well-formed characters next to them are unchanged, escapes of other characters too.
    EXPECT_EQ(urlSegment("\xFF&写真 #.jpg"), "%FF%26写真 %23.jpg");
}

TEST(AFileNameInAUrl, NeverStartsWithASchemeAndKeepsLaterColons) {
    EXPECT_EQ(urlStart("javascript:alert(1).jpg"), "./javascript:alert(1).jpg");
    EXPECT_EQ(urlStart("img:x/a.jpg"), "./img:x/a.jpg");
    EXPECT_EQ(urlStart("img/a:b.jpg"), "img/a:b.jpg");
    EXPECT_EQ(urlSegment("a:b.jpg"), "a:b.jpg");
}

TEST(AFileNameAsText, HasMarkupCharactersAsEntities) {
    EXPECT_EQ(htmlText("a&b \"c\" <d>.jpg"), "a&amp;b &quot;c&quot; &lt;d&gt;.jpg");
    EXPECT_EQ(htmlText("new\nline"), "new&#10;line");
    EXPECT_EQ(htmlText("写真.jpg"), "写真.jpg");
}

TEST(AScriptString, CannotEndTheStringOrTheScript) {
    EXPECT_EQ(scriptString("a\\b\"c\r\nd</SCRIPT>e\u2028f\u2029"),
              "a\\\\b\\\"c\\r\\nd<\\/SCRIPT>e\\u2028f\\u2029");
    EXPECT_EQ(scriptString("plain 写真"), "plain 写真");
}

TEST(ACommentInAPage, LosesTrailingWhiteSpaceBeforeLineBreaksBecomeBr) {
    EXPECT_EQ(commentHtml("first\r\nsecond\r\n\r\n"), "first<BR>second");
    EXPECT_EQ(commentHtml("a\r\n\r\nb  "), "a<BR><BR>b");
    EXPECT_EQ(commentHtml("<b>bold</b>"), "<b>bold</b>");
    EXPECT_EQ(commentHtml(" \r\n"), "");
}

} // namespace
} // namespace vistrel
