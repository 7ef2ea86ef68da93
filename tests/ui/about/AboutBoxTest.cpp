// SPDX-License-Identifier: MIT
#include "ui/about/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ProgramInfo.h"
#include "support/RecordingOpener.h"
#include "ui/controls/CHotStatic.h"
#include "ui/icons/IconResources.h"
#include "ui/shell/QtText.h"

namespace vistrel::ui {
namespace {

class TheAboutBox : public testing::Test {
protected:
    static void SetUpTestSuite() { initIconResources(); }

    QString labelText(const char* name) { return box.findChild<QLabel*>(name)->text(); }

    void click(const char* link) {
        QTest::mouseClick(box.findChild<CHotStatic*>(link), Qt::LeftButton, {}, QPoint(2, 2));
    }

    test::RecordingOpener opener;
    AboutBox box{nullptr, opener};
};

TEST_F(TheAboutBox, NamesTheProgramItsVersionAndWhatItDoes) {
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Vistrel !! のバージョン情報"));
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(labelText("productName"), QStringLiteral("Vistrel !! ") + qText(kProgramVersion));
    EXPECT_EQ(labelText("secondLine"), QStringLiteral("写真フォルダからホームページを作成します"));
    EXPECT_FALSE(box.findChild<QLabel*>("programIcon")->pixmap().isNull());
}

TEST_F(TheAboutBox, OpensTheHomePageAndTheMailAddressItShowsAndClosesWithOk) {
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(labelText("mailLink"), qText(kMailAddress));
    click("homePageLink");
    click("mailLink");
    EXPECT_EQ(opener.opened, (std::vector<std::string>{std::string(kHomePage),
                                                       "mailto:" + std::string(kMailAddress)}));
    QTest::mouseClick(box.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());
}

} // namespace
} // namespace vistrel::ui
