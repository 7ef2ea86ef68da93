// SPDX-License-Identifier: MIT
#include "ui/pages/html1/CPage3.h"

#include <functional>
#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/SettingsPagesStart.h"
#include "pages/general/PageTesting.h"
#include "ui/controls/CIconButton.h"
#include "ui/controls/ColourRow.h"
#include "ui/pages/html1/CSetFrameName.h"

namespace vistrel::ui::test {
namespace {

constexpr int kHtml1 = 2;
const std::string kImageFilters =
    "画像ﾌｧｲﾙ (*.gif *.png *.jpg *.jpeg);;GIF ﾌｧｲﾙ(*.gif) (*.gif);;PNG ﾌｧｲﾙ(*.png) (*.png);;"
    "JPG ﾌｧｲﾙ(*.jpg,*jpeg) (*.jpg *.jpeg)";

using Call = ScriptedPrompter::Call;
using Kind = ScriptedPrompter::Kind;

class TheHtml1Page : public PageTest {
protected:
    static QLineEdit* box(CSetFrameName& dialog, const char* name) {
        return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
};

TEST_F(TheHtml1Page, StartsWithoutStoringAnything) {
    Settings& s = fixture.settings;
    s.Title = "旅の写真";
    s.FontFace = "No Such Face";
    s.FontSize = "13.5";
    s.SetTitleColor = 0;
    s.TitleColor = "red";
    s.Frame = 1;
    s.ImageNum = 25;
    s.Window = 1;
    s.Border = 0;
    s.UseImage = 1;
    s.BGImagePath = "/pics/bg.png";
    s.BGColor = "#12";
    applySettingsPagesStart(s);
    const std::vector<std::string> before = storedTexts(s);
    openPage(kHtml1);
    EXPECT_EQ(storedTexts(s), before);
    EXPECT_EQ(find<QLineEdit>("title")->text().toStdString(), "旅の写真");
    EXPECT_EQ(find<QComboBox>("fontSize")->currentText(), QStringLiteral("13.5"));
    EXPECT_EQ(find<QLineEdit>("imageNum")->text(), QStringLiteral("10"));
    EXPECT_TRUE(find<QRadioButton>("frames")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("useImage")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("otherWindow")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("border")->isChecked());
    EXPECT_EQ(find<QLineEdit>("bgImagePath")->text(), QStringLiteral("/pics/bg.png"));
}

TEST_F(TheHtml1Page, LimitsTheThumbnailsPerRowButLeavesTheBoxAsTyped) {
    openPage(kHtml1);
    auto* perRow = find<QLineEdit>("imageNum");
    retype(perRow, QStringLiteral("0"));
    EXPECT_EQ(fixture.settings.ImageNum, 1);
    retype(perRow, QStringLiteral("x"));
    EXPECT_EQ(fixture.settings.ImageNum, 1);
    retype(perRow, QStringLiteral("7"));
    EXPECT_EQ(fixture.settings.ImageNum, 7);
    retype(perRow, QStringLiteral("25"));
    EXPECT_EQ(fixture.settings.ImageNum, 10);
    EXPECT_EQ(perRow->text(), QStringLiteral("25"));
}

TEST_F(TheHtml1Page, SelectsNoFontForAFaceThatIsNotInstalledAndKeepsIt) {
    fixture.settings.FontFace = "No Such Face";
    openPage(kHtml1);
    auto* fonts = find<QComboBox>("fontFace");
    ASSERT_GT(fonts->count(), 0);
    EXPECT_NE(fonts->findText(QStringLiteral("指定しない"), Qt::MatchExactly), -1);
    EXPECT_EQ(fonts->currentIndex(), -1);
    EXPECT_EQ(fixture.settings.FontFace, "No Such Face");
    chooseNext(fonts);
    EXPECT_EQ(fonts->currentIndex(), 0);
    EXPECT_EQ(fixture.settings.FontFace, fonts->itemText(0).toStdString());
}

TEST_F(TheHtml1Page, SelectsTheFirstFontThatBeginsWithTheFaceInAnyLetterCase) {
    openPage(kHtml1);
    const QString installed = find<QComboBox>("fontFace")->itemText(1);
    ASSERT_FALSE(installed.isEmpty());
    fixture.settings.FontFace = installed.left(3).toLower().toStdString();
    openPage(kHtml1);
    auto* fonts = find<QComboBox>("fontFace");
    ASSERT_GE(fonts->currentIndex(), 0);
    EXPECT_TRUE(fonts->currentText().startsWith(installed.left(3), Qt::CaseInsensitive));
    for (int i = 0; i < fonts->currentIndex(); ++i) {
        EXPECT_FALSE(fonts->itemText(i).startsWith(installed.left(3), Qt::CaseInsensitive))
            << "an earlier entry matched: " << fonts->itemText(i).toStdString();
    }
    EXPECT_EQ(fixture.settings.FontFace, installed.left(3).toLower().toStdString());
}

TEST_F(TheHtml1Page, StoresTheFontSizeAsTypedOrChosen) {
    openPage(kHtml1);
    auto* sizes = find<QComboBox>("fontSize");
    ASSERT_EQ(sizes->count(), 17);
    EXPECT_EQ(sizes->itemText(3), QStringLiteral("10.5"));
    EXPECT_EQ(sizes->itemText(16), QStringLiteral("72"));
    EXPECT_EQ(sizes->currentText(), QStringLiteral("10.5"));

    retype(sizes->lineEdit(), QStringLiteral("1"));
    EXPECT_EQ(fixture.settings.FontSize, "1");
    EXPECT_EQ(sizes->currentText(), QStringLiteral("1")) << "no completion from the list";
    retype(sizes->lineEdit(), QStringLiteral("x-large"));
    EXPECT_EQ(fixture.settings.FontSize, "x-large");
    QTest::keyClick(sizes->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(sizes->count(), 17) << "Enter adds nothing to the list";

    sizes->setCurrentIndex(4);
    chooseNext(sizes);
    EXPECT_EQ(fixture.settings.FontSize, "12");
}

TEST_F(TheHtml1Page, EnablesTheTitleColourWithItsBoxAndKeepsTheColour) {
    openPage(kHtml1);
    auto* box = find<QCheckBox>("setTitleColor");
    auto* colour = find<ColourRow>("titleColour");
    ASSERT_TRUE(box->isChecked());
    EXPECT_EQ(colour->text(), QStringLiteral("#009933"));
    EXPECT_TRUE(colour->textBox()->isEnabled());

    clickBox(box);
    EXPECT_EQ(fixture.settings.SetTitleColor, 0);
    EXPECT_FALSE(colour->textBox()->isEnabled());
    EXPECT_FALSE(colour->button()->isEnabled());
    EXPECT_EQ(fixture.settings.TitleColor, "#009933");
    clickBox(box);
    EXPECT_EQ(fixture.settings.SetTitleColor, 1);
    EXPECT_TRUE(colour->button()->isEnabled());

    retype(colour->textBox(), QStringLiteral("#00FF"));
    EXPECT_EQ(fixture.settings.TitleColor, "#00FF") << "stored as typed";
    EXPECT_EQ(colour->swatchColour(), QColor(0, 0xFF, 0));
    fixture.dialogs.colours = {QColor(0x12, 0x34, 0x56)};
    clickBox(colour->button());
    EXPECT_EQ(fixture.settings.TitleColor, "#123456");
}

TEST_F(TheHtml1Page, DisablesTheThumbnailLayoutWithFramesButKeepsItsSettings) {
    fixture.settings.Window = 1;
    fixture.settings.ImageNum = 4;
    openPage(kHtml1);
    auto* perRow = find<QLineEdit>("imageNum");
    auto* window = find<QCheckBox>("otherWindow");
    auto* border = find<QCheckBox>("border");
    auto* frameSettings = find<QPushButton>("frameSettings");
    EXPECT_TRUE(find<QRadioButton>("noFrames")->isChecked());
    EXPECT_FALSE(frameSettings->isEnabled());

    clickBox(find<QRadioButton>("frames"));
    EXPECT_EQ(fixture.settings.Frame, 1);
    EXPECT_FALSE(perRow->isEnabled());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_FALSE(border->isEnabled());
    EXPECT_TRUE(frameSettings->isEnabled());
    EXPECT_EQ(fixture.settings.Window, 1);
    EXPECT_EQ(fixture.settings.Border, 1);
    EXPECT_EQ(fixture.settings.ImageNum, 4);

    clickBox(find<QRadioButton>("noFrames"));
    EXPECT_EQ(fixture.settings.Frame, 0);
    EXPECT_TRUE(perRow->isEnabled());
    EXPECT_FALSE(frameSettings->isEnabled());
    clickBox(window);
    clickBox(border);
    EXPECT_EQ(fixture.settings.Window, 0);
    EXPECT_EQ(fixture.settings.Border, 0);
}

TEST_F(TheHtml1Page, StoresTheBackgroundImageAndTheNameAfterItsLastSlash) {
    openPage(kHtml1);
    auto* path = find<QLineEdit>("bgImagePath");
    auto* browse = find<QAbstractButton>("browseBgImage");
    auto* colour = find<ColourRow>("bgColour");
    EXPECT_TRUE(find<QRadioButton>("useColour")->isChecked());
    EXPECT_FALSE(path->isEnabled());
    EXPECT_FALSE(browse->isEnabled());

    clickBox(find<QRadioButton>("useImage"));
    EXPECT_EQ(fixture.settings.UseImage, 1);
    EXPECT_TRUE(path->isEnabled());
    EXPECT_FALSE(colour->textBox()->isEnabled());

    retype(path, QStringLiteral("bg.png"));
    EXPECT_EQ(fixture.settings.BGImagePath, "bg.png");
    EXPECT_EQ(fixture.settings.BGImageName, "bg.png");
    retype(path, QStringLiteral("/home/u/pics/sky.jpg"));
    EXPECT_EQ(fixture.settings.BGImageName, "sky.jpg");

    fixture.dialogs.openFiles = {QStringLiteral("/srv/tiles/paper.gif"), std::nullopt};
    clickBox(browse);
    EXPECT_EQ(fixture.dialogs.calls.value(0).toStdString(), "open||/home/u/pics/|" + kImageFilters);
    EXPECT_EQ(path->text(), QStringLiteral("/srv/tiles/paper.gif"));
    EXPECT_EQ(fixture.settings.BGImagePath, "/srv/tiles/paper.gif");
    EXPECT_EQ(fixture.settings.BGImageName, "paper.gif");
    clickBox(browse);
    EXPECT_EQ(fixture.dialogs.calls.value(1).toStdString(), "open||/srv/tiles/|" + kImageFilters);
    EXPECT_EQ(fixture.settings.BGImagePath, "/srv/tiles/paper.gif") << "Cancel changes nothing";

    clickBox(find<QRadioButton>("useColour"));
    EXPECT_EQ(fixture.settings.UseImage, 0);
    EXPECT_FALSE(path->isEnabled());
    retype(colour->textBox(), QStringLiteral("#FFFFFF"));
    EXPECT_EQ(fixture.settings.BGColor, "#FFFFFF");
}

TEST_F(TheHtml1Page, RefusesTwoFramesOfOneNameAndStoresTheNamesOnOk) {
    fixture.settings.Frame = 1;
    fixture.settings.HTMLExt = 2;
    openPage(kHtml1);
    whileDialogIsOpen<CSetFrameName>(
        find<QPushButton>("frameSettings"), [&](CSetFrameName& dialog) {
            EXPECT_EQ(dialog.windowTitle().toStdString(), "フレーム属性の設定");
            EXPECT_EQ(box(dialog, "leftFile")->text(), QStringLiteral("menu"));
            EXPECT_EQ(box(dialog, "extension")->text(), QStringLiteral(".shtml"));
            EXPECT_EQ(box(dialog, "leftTarget")->text(), QStringLiteral("Contents"));
            EXPECT_EQ(box(dialog, "rightTarget")->text(), QStringLiteral("Image"));
            retype(box(dialog, "leftTarget"), QString());
            retype(box(dialog, "rightTarget"), QString());
            press(dialog, "okButton");
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(fixture.settings.LeftTarget, "Contents") << "nothing stored while refused";
            retype(box(dialog, "leftTarget"), QStringLiteral("menu"));
            retype(box(dialog, "rightTarget"), QStringLiteral("Menu"));
            retype(box(dialog, "leftFile"), QString());
            press(dialog, "okButton");
            EXPECT_FALSE(dialog.isVisible());
        });
    EXPECT_EQ(fixture.prompter.calls,
              (std::vector<Call>{{Kind::Message, "フレーム名設定エラー",
                                  "フレーム名が左右同じです。別々の名前をセットして下さい。",
                                  PromptIcon::Stop}}));
    EXPECT_EQ(fixture.settings.LeftTarget, "menu");
    EXPECT_EQ(fixture.settings.RightTarget, "Menu");
    EXPECT_EQ(fixture.settings.LeftFile, "");

    whileDialogIsOpen<CSetFrameName>(find<QPushButton>("frameSettings"),
                                     [&](CSetFrameName& dialog) {
                                         retype(box(dialog, "leftFile"), QStringLiteral("side"));
                                         press(dialog, "cancelButton");
                                     });
    EXPECT_EQ(fixture.settings.LeftFile, "");
}

TEST_F(TheHtml1Page, ShowsTheMenuPagesExtensionForEachPageExtension) {
    fixture.settings.Frame = 1;
    for (const auto& [htmlExt, shown] :
         {std::pair{0, ".html"}, std::pair{1, ".htm"}, std::pair{2, ".shtml"}}) {
        fixture.settings.HTMLExt = htmlExt;
        openPage(kHtml1);
        whileDialogIsOpen<CSetFrameName>(
            find<QPushButton>("frameSettings"), [&](CSetFrameName& dialog) {
                EXPECT_EQ(box(dialog, "extension")->text().toStdString(), shown);
                EXPECT_TRUE(box(dialog, "extension")->isReadOnly());
                dialog.reject();
            });
    }
}

} // namespace
} // namespace vistrel::ui::test
