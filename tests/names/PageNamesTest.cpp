// SPDX-License-Identifier: MIT
#include "names/PageNames.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(PageFileNames, NumberRepeatedBasesAndNamesOfTheSitesOwnPages) {
    const PageNames names({"a.jpg", "a.gif", "b.jpg", "a.png", "catalog.jpg", "menu.jpg", "A.jpg"},
                          "html", "/out/", {"catalog.html"});
    EXPECT_EQ(names.PageFileName(0, false), "a.html");
    EXPECT_EQ(names.PageFileName(1, false), "a1.html");
    EXPECT_EQ(names.PageFileName(2, false), "b.html");
    EXPECT_EQ(names.PageFileName(3, true), "/out/a3.html");
    EXPECT_EQ(names.PageFileName(4, false), "catalog4.html");
    EXPECT_EQ(names.PageFileName(5, false), "menu.html");
    EXPECT_EQ(names.PageFileName(6, false), "A.html");

    const PageNames framed({"menu.jpg", "x.jpeg"}, "htm", "/out/", {"catalog.htm", "menu.htm"});
    EXPECT_EQ(framed.PageFileName(0, false), "menu0.htm");
    EXPECT_EQ(framed.PageFileName(1, false), "x.htm");
}

} // namespace
} // namespace vistrel
