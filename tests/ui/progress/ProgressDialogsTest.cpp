// SPDX-License-Identifier: MIT
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include "platform/CancelFlag.h"
#include "text/ProgramTexts.h"
#include "ui/progress/CMsgDialog.h"
#include "ui/progress/CMsgSlide.h"
#include "ui/progress/WindowProgress.h"
#include "ui/shell/QtText.h"

namespace vistrel::ui {
namespace {

const QString kCreating = QStringLiteral("作成中...");

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

QAbstractButton* cancelButton(QDialog& dialog) {
    QAbstractButton* button = dialog.findChild<QAbstractButton*>();
    EXPECT_EQ(button->text(), QStringLiteral("キャンセル"));
    return button;
}

// Clicks target as the window system delivers a click: to its window, where a modal window
// elsewhere blocks it unless target's window belongs to that modal one.
void clickThroughWindow(QWidget* target) {
    QWidget* window = target->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      target->mapTo(window, target->rect().center()));
}

void showAndExpose(QWidget& widget) {
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
}

// The main window during a run: modal, and the owner of the progress displays.
class AModalMainWindow : public testing::Test {
protected:
    AModalMainWindow() {
        mainWindow.setWindowModality(Qt::ApplicationModal);
        showAndExpose(mainWindow);
    }

    QDialog mainWindow;
    CancelFlag cancel;
};

TEST_F(AModalMainWindow, ShowsProgressOnABarThatRepaintsOnlyForANewPercentage) {
    CMsgDialog dialog(&mainWindow, cancel, qText(texts::kThumbnailProgressText));
    showAndExpose(dialog);
    EXPECT_EQ(dialog.windowTitle(), kCreating);
    EXPECT_EQ(dialog.findChild<QLabel*>()->text(), qText(texts::kThumbnailProgressText));
    QProgressBar* bar = dialog.findChild<QProgressBar*>();
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 1);
    QApplication::processEvents();
    PaintCounter counter(*bar);

    dialog.SetProgress(1, 3);
    EXPECT_EQ(bar->value(), 33);
    EXPECT_GT(counter.paints, 0) << "painted before the run's next pump";

    counter.paints = 0;
    dialog.SetProgress(1, 3);
    dialog.SetProgress(2, 6);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);

    dialog.SetProgress(2, 3);
    EXPECT_EQ(bar->value(), 66);
    EXPECT_GT(counter.paints, 0);
}

TEST_F(AModalMainWindow, LetsCancelEscapeAndTheCloseBoxOfItsDialogOnlyAskTheRunToStop) {
    CMsgDialog dialog(&mainWindow, cancel, qText(texts::kThumbnailProgressText));
    showAndExpose(dialog);
    // Straight to the button, since a click through the window system takes the pending
    // events with it.
    QTest::mouseClick(cancelButton(dialog), Qt::LeftButton);
    EXPECT_FALSE(cancel.isRequested()) << "taken at the run's next pump, not in the click";
    QApplication::processEvents();
    EXPECT_TRUE(cancel.testAndClear());
    EXPECT_TRUE(dialog.isVisible());

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(cancel.testAndClear());
    EXPECT_TRUE(dialog.isVisible());

    EXPECT_FALSE(dialog.close());
    QApplication::processEvents();
    EXPECT_TRUE(cancel.testAndClear());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(AModalMainWindow, TakesNoClickOnADialogItDoesNotOwn) {
    // Why every display is the main window's own: this one would leave Cancel dead.
    CMsgDialog ownerless(nullptr, cancel, qText(texts::kThumbnailProgressText));
    showAndExpose(ownerless);
    clickThroughWindow(cancelButton(ownerless));
    QApplication::processEvents();
    EXPECT_FALSE(cancel.isRequested());
}

TEST_F(AModalMainWindow, ClosesTheSlideshowNoticeOnCancelWithoutStoppingTheRun) {
    CMsgSlide notice(&mainWindow, qText(texts::kSlideShowProgressText));
    showAndExpose(notice);
    EXPECT_EQ(notice.windowTitle(), kCreating);
    EXPECT_EQ(notice.findChild<QLabel*>()->text(), qText(texts::kSlideShowProgressText));
    clickThroughWindow(cancelButton(notice));
    QApplication::processEvents();
    EXPECT_FALSE(notice.isVisible());
    EXPECT_FALSE(cancel.isRequested());
}

TEST_F(AModalMainWindow, OpensTheDisplayOfEachKindOverItAndDestroysItOnClose) {
    WindowProgress progress(&mainWindow, cancel);
    const struct {
        ProgressKind kind;
        std::string_view text;
        bool hasBar;
    } displays[] = {
        {ProgressKind::Thumbnails, texts::kThumbnailProgressText, true},
        {ProgressKind::Copy, texts::kCopyProgressTitle, true},
        {ProgressKind::SlideShow, texts::kSlideShowProgressText, false},
    };
    for (const auto& display : displays) {
        progress.open(display.kind, display.text);
        const QPointer<QDialog> shown = progress.display();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->parentWidget(), &mainWindow);
        EXPECT_TRUE(shown->isVisible());
        EXPECT_EQ(shown->windowTitle(), kCreating);
        EXPECT_EQ(shown->findChild<QLabel*>()->text(), qText(display.text));
        EXPECT_EQ(qobject_cast<CMsgDialog*>(shown) != nullptr, display.hasBar);
        progress.setProgress(1, 2);
        if (display.hasBar) {
            EXPECT_EQ(shown->findChild<QProgressBar*>()->value(), 50);
        }
        progress.close();
        EXPECT_EQ(shown, nullptr);
        EXPECT_EQ(progress.display(), nullptr);
    }
}

TEST_F(AModalMainWindow, PassesCancelFromTheDisplayToTheRunAtItsNextPump) {
    WindowProgress progress(&mainWindow, cancel);
    for (const ProgressKind kind : {ProgressKind::Thumbnails, ProgressKind::Copy}) {
        progress.open(kind, texts::kCopyProgressTitle);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(progress.display()));
        clickThroughWindow(cancelButton(*progress.display()));
        progress.pump();
        EXPECT_TRUE(cancel.testAndClear());
        progress.close();
    }
}

} // namespace
} // namespace vistrel::ui
