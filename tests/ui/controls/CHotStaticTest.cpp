// SPDX-License-Identifier: MIT
#include "ui/controls/CHotStatic.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include "PaintedPixels.h"
#include "support/RecordingOpener.h"

namespace vistrel::ui {
namespace {

// The link's colour as drawn: the one of the three link colours its underline is drawn in.
QColor drawnColour(QWidget& label) {
    const QImage image = label.grab().toImage();
    for (const QColor colour :
         {CHotStatic::kNormalColour, CHotStatic::kVisitedColour, CHotStatic::kHoverColour}) {
        if (!test::pixelsWhere(image, [&](QColor pixel) { return pixel == colour; }).isNull()) {
            return colour;
        }
    }
    return {};
}

class AHotStatic : public testing::Test {
protected:
    AHotStatic() {
        label.setText(QStringLiteral("team@example.org"));
        label.SetTarget(QStringLiteral("mailto:team@example.org"));
        label.resize(label.sizeHint());
        label.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&label));
        // A window shown where the offscreen pointer rests is entered at once.
        pointerLeaves();
    }

    void pointerEnters() {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&label, &enter);
    }
    void pointerLeaves() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&label, &leave);
    }
    void click() {
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(2, 2));
        pointerLeaves();
    }

    test::RecordingOpener opener;
    CHotStatic label{opener};
};

TEST_F(AHotStatic, IsABlueLinkThatTurnsRedUnderThePointer) {
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(drawnColour(label), CHotStatic::kNormalColour);
    pointerEnters();
    EXPECT_EQ(drawnColour(label), CHotStatic::kHoverColour);
    pointerLeaves();
    EXPECT_EQ(drawnColour(label), CHotStatic::kNormalColour);
}

TEST_F(AHotStatic, OpensItsTargetAndTurnsPurpleButRedStillWinsUnderThePointer) {
    click();
    EXPECT_EQ(opener.opened, std::vector<std::string>{"mailto:team@example.org"});
    EXPECT_EQ(drawnColour(label), CHotStatic::kVisitedColour);
    pointerEnters();
    EXPECT_EQ(drawnColour(label), CHotStatic::kHoverColour);
}

TEST_F(AHotStatic, StaysBlueWhenItsTargetCannotBeOpened) {
    opener.fails = true;
    click();
    EXPECT_EQ(opener.opened.size(), 1U);
    EXPECT_EQ(drawnColour(label), CHotStatic::kNormalColour);
}

TEST_F(AHotStatic, OpensItsOwnTextWithoutTargetAndNothingForAPressReleasedOffIt) {
    label.SetTarget({});
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(2, label.height() + 5));
    EXPECT_TRUE(opener.opened.empty());
    click();
    EXPECT_EQ(opener.opened, std::vector<std::string>{"team@example.org"});
}

} // namespace
} // namespace vistrel::ui
