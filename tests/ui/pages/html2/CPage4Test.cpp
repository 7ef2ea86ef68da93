// SPDX-License-Identifier: MIT
// The HTML 2 page: the link texts, where the image links stand and the link colours, each
// stored the moment its control changes, and which link controls the main pages need.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/RunInProgress.h"
#include "pages/comment/PageWidgets.h"
#include "ui/controls/CIconButton.h"
#include "ui/controls/ColourRow.h"

namespace vistrel::ui::test {
namespace {

constexpr int kHtml2Page = 3;

QLineEdit* edit(const QWidget& page, const char* name) {
    return pageControl<QLineEdit>(page, name);
}

TEST(TheLinkTexts, StoreWhatIsTypedAndAnEmptiedIndexLinkAsItsDefault) {
    WindowFixture fixture;
    const QWidget& page = openOnPage(fixture, kHtml2Page);
    EXPECT_EQ(edit(page, "homeNameText")->text(), QStringLiteral("ホームページに戻る"));
    EXPECT_EQ(edit(page, "nextText")->text(), QStringLiteral("次の画像 >>"));

    retypeCommitted(edit(page, "homeNameText"), QStringLiteral("トップへ"));
    retypeCommitted(edit(page, "homeUrlText"), QStringLiteral("https://example.org/"));
    retypeCommitted(edit(page, "previousText"), QStringLiteral("前へ"));
    EXPECT_EQ(fixture.settings.HPName, "トップへ");
    EXPECT_EQ(fixture.settings.HPURL, "https://example.org/");
    EXPECT_EQ(fixture.settings.PrevImage, "前へ");

    retypeCommitted(edit(page, "nextText"), QString());
    EXPECT_EQ(fixture.settings.NextImage, "");

    retypeCommitted(edit(page, "indexText"), QStringLiteral("一覧"));
    EXPECT_EQ(fixture.settings.ThumbNail, "一覧");
    retypeCommitted(edit(page, "indexText"), QString());
    EXPECT_EQ(fixture.settings.ThumbNail, "画像一覧ページに戻る");
    EXPECT_TRUE(edit(page, "indexText")->text().isEmpty()) << "the box stays empty";
}

TEST(ThePositionBoxes, StoreThreeForBothAndZeroForNeither) {
    WindowFixture fixture;
    fixture.settings.NavPos = 0;
    const QWidget& page = openOnPage(fixture, kHtml2Page);
    auto* above = pageControl<QCheckBox>(page, "aboveBox");
    auto* below = pageControl<QCheckBox>(page, "belowBox");
    clickBox(above);
    EXPECT_EQ(fixture.settings.NavPos, 2);
    clickBox(below);
    EXPECT_EQ(fixture.settings.NavPos, 3);
    clickBox(above);
    EXPECT_EQ(fixture.settings.NavPos, 1);
    clickBox(below);
    EXPECT_EQ(fixture.settings.NavPos, 0);

    fixture.settings.NavPos = 2;
    const QWidget& reopened = openOnPage(fixture, kHtml2Page);
    EXPECT_TRUE(pageControl<QCheckBox>(reopened, "aboveBox")->isChecked());
    EXPECT_FALSE(pageControl<QCheckBox>(reopened, "belowBox")->isChecked());
}

TEST(TheLinkColours, StoreTheirRowsAndGoBackToBluePurpleAndRed) {
    WindowFixture fixture;
    fixture.settings.AlinkColor = "#111111";
    fixture.settings.VlinkColor = "#222222";
    fixture.settings.HlinkColor = "#333333";
    fixture.settings.HPName = "home";
    const QWidget& page = openOnPage(fixture, kHtml2Page);
    auto* link = pageControl<ColourRow>(page, "linkColourRow");
    auto* visited = pageControl<ColourRow>(page, "visitedColourRow");
    auto* active = pageControl<ColourRow>(page, "activeColourRow");
    EXPECT_EQ(link->text(), QStringLiteral("#111111"));
    EXPECT_EQ(active->text(), QStringLiteral("#333333"));

    retypeCommitted(visited->textBox(), QStringLiteral("#ABCDEF"));
    EXPECT_EQ(fixture.settings.VlinkColor, "#ABCDEF");
    fixture.dialogs.colours = {QColor(1, 2, 3)};
    QTest::mouseClick(active->button(), Qt::LeftButton);
    EXPECT_EQ(fixture.settings.HlinkColor, "#010203");

    QTest::mouseClick(pageControl<QAbstractButton>(page, "defaultsButton"), Qt::LeftButton);
    EXPECT_EQ(fixture.settings.AlinkColor, "#0000FF");
    EXPECT_EQ(fixture.settings.VlinkColor, "#800080");
    EXPECT_EQ(fixture.settings.HlinkColor, "#FF0000");
    EXPECT_EQ(link->text(), QStringLiteral("#0000FF"));
    EXPECT_EQ(visited->text(), QStringLiteral("#800080"));
    EXPECT_EQ(active->text(), QStringLiteral("#FF0000"));
    EXPECT_EQ(link->swatchColour(), QColor(0, 0, 255));
    EXPECT_EQ(fixture.settings.HPName, "home") << "the link texts stay";
    EXPECT_EQ(edit(page, "homeNameText")->text(), QStringLiteral("home"));
}

TEST(TheHtml2Page, OpensWithoutMainPagesWithOnlyTheHomeLinkAndColoursUsable) {
    WindowFixture fixture;
    fixture.settings.MakePage = 0;
    const QWidget& page = openOnPage(fixture, kHtml2Page);
    for (const char* name : {"nextText", "previousText", "indexText"}) {
        EXPECT_FALSE(edit(page, name)->isEnabled()) << name;
    }
    EXPECT_FALSE(pageControl<QCheckBox>(page, "aboveBox")->isEnabled());
    EXPECT_FALSE(pageControl<QCheckBox>(page, "belowBox")->isEnabled());
    EXPECT_FALSE(pageControl<QPushButton>(page, "layoutButton")->isEnabled());
    EXPECT_TRUE(edit(page, "homeNameText")->isEnabled());
    EXPECT_TRUE(edit(page, "homeUrlText")->isEnabled());
    for (const char* name : {"linkColourRow", "visitedColourRow", "activeColourRow"}) {
        EXPECT_TRUE(pageControl<ColourRow>(page, name)->textBox()->isEnabled()) << name;
    }
    EXPECT_TRUE(pageControl<QAbstractButton>(page, "defaultsButton")->isEnabled());
}

TEST(TheHtml2Page, DisablesOnlyTheIndexLinkInFrames) {
    WindowFixture fixture;
    fixture.settings.Frame = 1;
    const QWidget& page = openOnPage(fixture, kHtml2Page);
    EXPECT_FALSE(edit(page, "indexText")->isEnabled());
    EXPECT_TRUE(edit(page, "nextText")->isEnabled());
    EXPECT_TRUE(pageControl<QPushButton>(page, "layoutButton")->isEnabled());
}

TEST(TheHtml2Page, PutsItsControlsBackWhenARunRefusesTheEdit) {
    WindowFixture fixture;
    fixture.settings.NavPos = 0;
    fixture.settings.AlinkColor = "#111111";
    const QWidget& page = openOnPage(fixture, kHtml2Page);
    const RunInProgress::Scope run(fixture.window().panel().runInProgress());
    retypeCommitted(edit(page, "homeNameText"), QStringLiteral("x"));
    EXPECT_EQ(edit(page, "homeNameText")->text(), QStringLiteral("ホームページに戻る"));
    clickBox(pageControl<QCheckBox>(page, "aboveBox"));
    EXPECT_FALSE(pageControl<QCheckBox>(page, "aboveBox")->isChecked());
    QTest::mouseClick(pageControl<QAbstractButton>(page, "defaultsButton"), Qt::LeftButton);
    EXPECT_EQ(pageControl<ColourRow>(page, "linkColourRow")->text(), QStringLiteral("#111111"));
    EXPECT_EQ(fixture.settings.AlinkColor, "#111111");
    EXPECT_EQ(fixture.settings.NavPos, 0);
    EXPECT_EQ(fixture.settings.HPName, "ホームページに戻る");
}

} // namespace
} // namespace vistrel::ui::test
