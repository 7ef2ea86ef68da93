// SPDX-License-Identifier: MIT
// The settings of the Comment page: where comments go, the file items, the EXIF items and the
// comments' colour, each stored the moment its control changes.
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "app/RunInProgress.h"
#include "pages/comment/PageWidgets.h"
#include "ui/controls/CIconButton.h"
#include "ui/controls/ColourRow.h"

namespace vistrel::ui::test {
namespace {

constexpr int kCommentPage = 1;

QCheckBox* box(const QWidget& page, const char* name) {
    return pageControl<QCheckBox>(page, name);
}

// The labels of the ticked rows of the EXIF list, in list order.
QStringList tickedExifItems(const QTreeWidget* list) {
    QStringList ticked;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->checkState(0) == Qt::Checked) {
            ticked << list->topLevelItem(row)->text(0);
        }
    }
    return ticked;
}

// Ticks or clears row of the EXIF list as the user does with the space bar.
void toggleExifRow(QTreeWidget* list, int row) {
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(row));
    QTest::keyClick(list, Qt::Key_Space);
}

TEST(TheCommentPlacementBoxes, StoreFourForBothAndShowAStoredThreeAsNeither) {
    WindowFixture fixture;
    fixture.settings.CommentPos = 3;
    const QWidget& page = openOnPage(fixture, kCommentPage);
    QCheckBox* thumbnailPage = box(page, "thumbnailPageBox");
    QCheckBox* mainPages = box(page, "mainPagesBox");
    EXPECT_FALSE(thumbnailPage->isChecked());
    EXPECT_FALSE(mainPages->isChecked());
    EXPECT_EQ(fixture.settings.CommentPos, 3) << "showing the page stores nothing";

    clickBox(mainPages);
    EXPECT_EQ(fixture.settings.CommentPos, 2);
    clickBox(thumbnailPage);
    EXPECT_EQ(fixture.settings.CommentPos, 4);
    clickBox(mainPages);
    EXPECT_EQ(fixture.settings.CommentPos, 1);
    clickBox(thumbnailPage);
    EXPECT_EQ(fixture.settings.CommentPos, 0);
}

TEST(TheFileItemBoxes, SetAndClearTheirOwnBitOfTheirSetting) {
    WindowFixture fixture;
    fixture.settings.Information = 11;
    fixture.settings.MainInfo = 0;
    const QWidget& page = openOnPage(fixture, kCommentPage);
    EXPECT_TRUE(box(page, "thumbnailNameBox")->isChecked());
    EXPECT_TRUE(box(page, "thumbnailSizeBox")->isChecked());
    EXPECT_FALSE(box(page, "thumbnailDateBox")->isChecked());
    EXPECT_TRUE(box(page, "thumbnailResolutionBox")->isChecked());

    clickBox(box(page, "thumbnailSizeBox"));
    EXPECT_EQ(fixture.settings.Information, 9);
    clickBox(box(page, "thumbnailDateBox"));
    EXPECT_EQ(fixture.settings.Information, 13);
    clickBox(box(page, "mainResolutionBox"));
    EXPECT_EQ(fixture.settings.MainInfo, 8);
    clickBox(box(page, "mainNameBox"));
    EXPECT_EQ(fixture.settings.MainInfo, 9);
    EXPECT_EQ(fixture.settings.Information, 13);
}

TEST(TheExifList, TicksTheItemsOfExifInfoAndStoresEachTickAtOnce) {
    WindowFixture fixture;
    fixture.settings.ExifInfo = 0xF000 | 479; // bits 12 to 15 mean nothing here
    const QWidget& page = openOnPage(fixture, kCommentPage);
    auto* list = pageControl<QTreeWidget>(page, "exifList");
    ASSERT_EQ(list->topLevelItemCount(), 12);
    EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("表示項目"));
    EXPECT_EQ(list->topLevelItem(11)->text(0), QStringLiteral("機種名"));
    EXPECT_EQ(tickedExifItems(list), (QStringList{"レンズＦ値", "露光制御モード", "ISO 感度",
                                                  "撮影年月日", "シャッター速度（又は露光時間）",
                                                  "測光モード", "フラッシュ発光", "焦点距離"}));

    toggleExifRow(list, 5); // レンズ絞り値
    EXPECT_EQ(list->topLevelItem(5)->checkState(0), Qt::Checked);
    EXPECT_EQ(fixture.settings.ExifInfo, 0xF000 | 511) << "stored with the list still focused";
    EXPECT_EQ(fixture.settings.ExifItemCount, 9);
    toggleExifRow(list, 0);
    EXPECT_EQ(fixture.settings.ExifInfo, 0xF000 | 510);
    EXPECT_EQ(fixture.settings.ExifItemCount, 8);
}

TEST(TheCommentColour, StoresTypedTextAsItIsAndPaintsItByTheReadingRule) {
    WindowFixture fixture;
    fixture.settings.SetCommentCol = 1;
    fixture.settings.CommentColor = "#123456";
    const QWidget& page = openOnPage(fixture, kCommentPage);
    auto* colour = pageControl<ColourRow>(page, "commentColourRow");
    EXPECT_EQ(colour->text(), QStringLiteral("#123456"));
    EXPECT_TRUE(colour->textBox()->isEnabled());

    colour->textBox()->selectAll();
    QTest::keyClicks(colour->textBox(), QStringLiteral("00FF00"));
    EXPECT_EQ(fixture.settings.CommentColor, "00FF00");
    EXPECT_EQ(colour->swatchColour(), QColor(0x0F, 0xF0, 0x00));

    fixture.dialogs.colours = {QColor(0xAB, 0xCD, 0xEF)};
    QTest::mouseClick(colour->button(), Qt::LeftButton);
    EXPECT_EQ(fixture.settings.CommentColor, "#ABCDEF");
}

TEST(TheCommentColourBox, BlacksOutCommentsWhenClearedAndStoresTheShownColourWhenTicked) {
    WindowFixture fixture;
    fixture.settings.SetCommentCol = 1;
    fixture.settings.CommentColor = "#123456";
    const QWidget& page = openOnPage(fixture, kCommentPage);
    QCheckBox* colourBox = box(page, "commentColourBox");
    auto* colour = pageControl<ColourRow>(page, "commentColourRow");
    ASSERT_TRUE(colourBox->isChecked());

    clickBox(colourBox);
    EXPECT_EQ(fixture.settings.SetCommentCol, 0);
    EXPECT_EQ(fixture.settings.CommentColor, "#000000");
    EXPECT_EQ(colour->text(), QStringLiteral("#123456"));
    EXPECT_FALSE(colour->textBox()->isEnabled());
    EXPECT_FALSE(colour->button()->isEnabled());

    clickBox(colourBox);
    EXPECT_EQ(fixture.settings.SetCommentCol, 1);
    EXPECT_EQ(fixture.settings.CommentColor, "#123456");
    EXPECT_TRUE(colour->textBox()->isEnabled());
}

TEST(TheCommentPage, OpensWithItsColourRowDisabledWhenNoColourIsSet) {
    WindowFixture fixture;
    fixture.settings.SetCommentCol = 0;
    const QWidget& page = openOnPage(fixture, kCommentPage);
    EXPECT_FALSE(box(page, "commentColourBox")->isChecked());
    EXPECT_FALSE(pageControl<ColourRow>(page, "commentColourRow")->textBox()->isEnabled());
}

TEST(TheCommentPage, DisablesItsItemControlsForTheSlideshowButNotTheEditorOrColour) {
    WindowFixture fixture;
    fixture.settings.Mode = 1;
    fixture.settings.SetCommentCol = 1;
    const QWidget& page = openOnPage(fixture, kCommentPage);
    for (const char* name : {"thumbnailPageBox", "mainPagesBox", "thumbnailNameBox",
                             "thumbnailResolutionBox", "mainNameBox", "mainResolutionBox"}) {
        EXPECT_FALSE(box(page, name)->isEnabled()) << name;
    }
    EXPECT_FALSE(pageControl<QTreeWidget>(page, "exifList")->isEnabled());
    EXPECT_TRUE(box(page, "commentColourBox")->isEnabled());
    EXPECT_TRUE(pageControl<ColourRow>(page, "commentColourRow")->textBox()->isEnabled());
    EXPECT_TRUE(pageControl<CIconButton>(page, "nextButton")->isEnabled());
}

TEST(TheCommentPage, PutsItsControlsBackWhenARunRefusesTheEdit) {
    WindowFixture fixture;
    fixture.settings.CommentPos = 1;
    fixture.settings.Information = 11;
    const QWidget& page = openOnPage(fixture, kCommentPage);
    auto* list = pageControl<QTreeWidget>(page, "exifList");
    const RunInProgress::Scope run(fixture.window().panel().runInProgress());

    clickBox(box(page, "mainPagesBox"));
    EXPECT_FALSE(box(page, "mainPagesBox")->isChecked());
    EXPECT_TRUE(box(page, "thumbnailPageBox")->isChecked());
    clickBox(box(page, "thumbnailNameBox"));
    EXPECT_TRUE(box(page, "thumbnailNameBox")->isChecked());
    toggleExifRow(list, 0);
    EXPECT_EQ(list->topLevelItem(0)->checkState(0), Qt::Checked);
    EXPECT_EQ(fixture.settings.CommentPos, 1);
    EXPECT_EQ(fixture.settings.Information, 11);
    EXPECT_EQ(fixture.settings.ExifInfo, 479);
}

} // namespace
} // namespace vistrel::ui::test
