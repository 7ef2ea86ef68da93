// SPDX-License-Identifier: MIT
// The image link layout dialog, opened from the HTML 2 page: it shows the layout settings and
// stores them on OK only, the width only with the fixed size chosen.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/RunInProgress.h"
#include "pages/comment/PageWidgets.h"
#include "ui/pages/html2/CSetNavLayout.h"

namespace vistrel::ui::test {
namespace {

constexpr int kHtml2Page = 3;

// What the user does in the dialog while it runs, and what the dialog showed when it opened.
struct InTheDialog {
    std::function<void(CSetNavLayout&)> act;
    const char* closeWith = "okButton";
    QString title;
    bool automatic = false;
    bool widthEnabled = false;
    QString width;
    bool topLayout = false;
    bool thumbLayout = false;
};

// Opens the dialog with the page's layout button and plays the user in it.
void useLayoutDialog(WindowFixture& fixture, InTheDialog& user) {
    const QWidget& page = openOnPage(fixture, kHtml2Page);
    bool closed = false;
    const User playing([&] {
        auto* dialog = qobject_cast<CSetNavLayout*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return false;
        }
        user.title = dialog->windowTitle();
        user.automatic = pageControl<QRadioButton>(*dialog, "autoRadio")->isChecked();
        user.widthEnabled = pageControl<QLineEdit>(*dialog, "widthText")->isEnabled();
        user.width = pageControl<QLineEdit>(*dialog, "widthText")->text();
        user.topLayout = pageControl<QCheckBox>(*dialog, "topLayoutBox")->isChecked();
        user.thumbLayout = pageControl<QCheckBox>(*dialog, "thumbLayoutBox")->isChecked();
        if (user.act) {
            user.act(*dialog);
        }
        QTest::mouseClick(pageControl<QPushButton>(*dialog, user.closeWith), Qt::LeftButton);
        closed = true;
        return true;
    });
    QTest::mouseClick(pageControl<QPushButton>(page, "layoutButton"), Qt::LeftButton);
    EXPECT_TRUE(closed);
}

TEST(TheLayoutDialog, ShowsTheSettingsAndStoresAFixedWidthAsTyped) {
    WindowFixture fixture;
    fixture.settings.AutoNav = 1;
    fixture.settings.NavWidth = "640";
    fixture.settings.TOPLAYOUT = 1;
    fixture.settings.THUMBLAYOUT = 0;
    InTheDialog user;
    user.act = [](CSetNavLayout& dialog) {
        clickBox(pageControl<QRadioButton>(dialog, "fixedRadio"));
        EXPECT_TRUE(pageControl<QLineEdit>(dialog, "widthText")->isEnabled());
        retypeCommitted(pageControl<QLineEdit>(dialog, "widthText"), QStringLiteral("600px"));
        clickBox(pageControl<QCheckBox>(dialog, "topLayoutBox"));
        clickBox(pageControl<QCheckBox>(dialog, "thumbLayoutBox"));
    };
    useLayoutDialog(fixture, user);

    EXPECT_EQ(user.title, QStringLiteral("画像リンクのレイアウト"));
    EXPECT_TRUE(user.automatic);
    EXPECT_FALSE(user.widthEnabled);
    EXPECT_EQ(user.width, QStringLiteral("640"));
    EXPECT_TRUE(user.topLayout);
    EXPECT_FALSE(user.thumbLayout);
    EXPECT_EQ(fixture.settings.AutoNav, 0);
    EXPECT_EQ(fixture.settings.NavWidth, "600px");
    EXPECT_EQ(fixture.settings.TOPLAYOUT, 0);
    EXPECT_EQ(fixture.settings.THUMBLAYOUT, 1);
    EXPECT_TRUE(fixture.prompter.calls.empty()) << "the width is not checked";
}

TEST(TheLayoutDialog, KeepsTheWidthWhenTheAutomaticSizeIsChosen) {
    WindowFixture fixture;
    fixture.settings.AutoNav = 0;
    fixture.settings.NavWidth = "500";
    InTheDialog user;
    user.act = [](CSetNavLayout& dialog) {
        retypeCommitted(pageControl<QLineEdit>(dialog, "widthText"), QStringLiteral("720"));
        clickBox(pageControl<QRadioButton>(dialog, "autoRadio"));
        EXPECT_FALSE(pageControl<QLineEdit>(dialog, "widthText")->isEnabled());
    };
    useLayoutDialog(fixture, user);

    EXPECT_FALSE(user.automatic);
    EXPECT_TRUE(user.widthEnabled);
    EXPECT_EQ(fixture.settings.AutoNav, 1);
    EXPECT_EQ(fixture.settings.NavWidth, "500");
}

TEST(TheLayoutDialog, StoresNothingOnCancel) {
    WindowFixture fixture;
    fixture.settings.AutoNav = 1;
    fixture.settings.TOPLAYOUT = 0;
    InTheDialog user;
    user.closeWith = "cancelButton";
    user.act = [](CSetNavLayout& dialog) {
        clickBox(pageControl<QRadioButton>(dialog, "fixedRadio"));
        retypeCommitted(pageControl<QLineEdit>(dialog, "widthText"), QStringLiteral("100"));
        clickBox(pageControl<QCheckBox>(dialog, "topLayoutBox"));
    };
    useLayoutDialog(fixture, user);

    EXPECT_EQ(fixture.settings.AutoNav, 1);
    EXPECT_EQ(fixture.settings.NavWidth, "640");
    EXPECT_EQ(fixture.settings.TOPLAYOUT, 0);
}

TEST(TheLayoutButton, OpensNoDialogWhileARunIsUnderWay) {
    WindowFixture fixture;
    const QWidget& page = openOnPage(fixture, kHtml2Page);
    const RunInProgress::Scope run(fixture.window().panel().runInProgress());
    bool opened = false;
    const User closing([&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            opened = true;
            qobject_cast<QDialog*>(dialog)->reject();
            return true;
        }
        return false;
    });
    QTest::mouseClick(pageControl<QPushButton>(page, "layoutButton"), Qt::LeftButton);
    EXPECT_FALSE(opened) << "its OK could store nothing";
}

} // namespace
} // namespace vistrel::ui::test
