// SPDX-License-Identifier: MIT
#include "ui/controls/CIconButton.h"

#include <QPixmap>

#include <gtest/gtest.h>

#include "PaintedPixels.h"
#include "ui/icons/IconPaths.h"
#include "ui/icons/IconResources.h"

namespace vistrel::ui {
namespace {

// An icon of a colour no style paints a button with, so that its pixels can be found.
QIcon magentaIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::magenta);
    return QIcon(pixmap);
}

QRect magentaPixels(QWidget& widget) {
    return test::pixelsWhere(widget.grab().toImage(),
                             [](QColor colour) { return colour == QColor(Qt::magenta); });
}

// Where an icon of the program's own draws anything.
QRect drawnPixels(const char* path, int size) {
    return test::pixelsWhere(QIcon(path).pixmap(size, size).toImage(),
                             [](QColor colour) { return colour.alpha() > 0; });
}

TEST(AnIconButton, DrawsALoneIconCentredAndOnePixelDownRightWhilePressed) {
    CIconButton button;
    ASSERT_TRUE(button.SetIcon(magentaIcon(), 16, 16));
    button.resize(41, 24);
    EXPECT_EQ(magentaPixels(button), QRect(12, 4, 16, 16));
    button.setDown(true);
    EXPECT_EQ(magentaPixels(button), QRect(13, 5, 16, 16));
}

TEST(AnIconButton, DrawsTheIconAtItsMarginBeforeACaption) {
    CIconButton button(QStringLiteral("作成"));
    ASSERT_TRUE(button.SetIcon(magentaIcon(), 16, 16));
    button.resize(90, 30);
    EXPECT_EQ(magentaPixels(button), QRect(4, 7, 16, 16));
    EXPECT_EQ(button.SetIconMargin(10), 4);
    EXPECT_EQ(magentaPixels(button), QRect(10, 7, 16, 16));
    EXPECT_EQ(button.SetIconMargin(8), 10);
}

TEST(AnIconButton, GreysItsIconWhenDisabledAndLosesItToAnIconThatCannotBeLoaded) {
    CIconButton button;
    ASSERT_TRUE(button.SetIcon(magentaIcon(), 16, 16));
    button.resize(40, 24);
    button.setEnabled(false);
    EXPECT_TRUE(magentaPixels(button).isNull());
    button.setEnabled(true);
    EXPECT_FALSE(button.SetIcon(QStringLiteral(":/icons/no-such-icon.svg"), 16, 16));
    EXPECT_TRUE(magentaPixels(button).isNull());
}

TEST(AnIconButton, AsksForRoomForItsIconAndCaptionInItsFont) {
    CIconButton button(QStringLiteral("オプション"));
    ASSERT_TRUE(button.SetIcon(magentaIcon(), 16, 16));
    const QSize small = button.sizeHint();
    button.resize(small);
    EXPECT_EQ(magentaPixels(button).size(), QSize(16, 16));
    EXPECT_GT(small.width(), button.fontMetrics().horizontalAdvance(button.text()) + 16 + 8);

    QFont larger = button.font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    button.setFont(larger);
    EXPECT_GT(button.sizeHint().width(), small.width());
    EXPECT_GT(button.sizeHint().height(), small.height());
    EXPECT_EQ(button.minimumSizeHint(), button.sizeHint());
}

TEST(TheProgramsIcons, DrawAcrossAButtonIconAndTheProgramIconAtAnySize) {
    initIconResources();
    for (const char* path : {icons::kBrowse, icons::kCreate, icons::kExit, icons::kHelp,
                             icons::kOptions, icons::kView}) {
        SCOPED_TRACE(path);
        EXPECT_GE(drawnPixels(path, 16).width(), 12);
        EXPECT_GE(drawnPixels(path, 16).height(), 12);
        CIconButton button;
        EXPECT_TRUE(button.SetIcon(path, 16, 16));
    }
    EXPECT_EQ(drawnPixels(icons::kProgram, 48), QRect(2, 2, 44, 44));
    EXPECT_GE(drawnPixels(icons::kProgram, 256).width(), 230);
}

} // namespace
} // namespace vistrel::ui
