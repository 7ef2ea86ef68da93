// SPDX-License-Identifier: MIT
#include "ui/pages/general/CPage1.h"

#include <cstdint>
#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/RunInProgress.h"
#include "app/SettingsPagesStart.h"
#include "pages/general/PageTesting.h"
#include "ui/pages/general/CSetSize.h"

namespace vistrel::ui::test {
namespace {

constexpr int kGeneral = 0;
constexpr int kHtml1 = 2;

class TheGeneralPage : public PageTest {
protected:
    QRadioButton* sizeButton(const char* name) { return find<QRadioButton>(name); }
    QString sizeLine() { return find<QLabel>("sizeLine")->text(); }

    static QLineEdit* sizeBox(CSetSize& dialog) {
        return dialog.findChild<QLineEdit*>(QStringLiteral("sizeBox"));
    }
};

TEST_F(TheGeneralPage, ShowsItsControlsTopToBottomWithTheirCaptions) {
    openPage(kGeneral);
    const std::vector<QWidget*> order{
        find<QLabel>("htmlPathLabel"),         find<QLineEdit>("htmlPath"),
        find<QLineEdit>("htmlFile"),           find<QLineEdit>("subFolder"),
        find<QGroupBox>("modeGroup"),          find<QCheckBox>("makePage"),
        find<QGroupBox>("thumbnailSizeGroup"), find<QGroupBox>("mainImageSizeGroup")};
    for (std::size_t i = 1; i < order.size(); ++i) {
        EXPECT_LT(order[i - 1]->mapTo(&fixture.window(), QPoint()).y(),
                  order[i]->mapTo(&fixture.window(), QPoint()).y())
            << order[i]->objectName().toStdString();
    }
    EXPECT_EQ(sizeButton("size80")->text().toStdString(), " 80x80");
    EXPECT_EQ(sizeButton("size100")->text().toStdString(), "100x100　");
    EXPECT_EQ(sizeButton("size120")->text().toStdString(), "120x120　");
    EXPECT_EQ(sizeButton("sizeOther")->text().toStdString(), " その他");
    EXPECT_EQ(sizeLine().toStdString(), "現在の設定 ： 100x100");
    EXPECT_TRUE(sizeButton("size100")->isChecked());

    auto* extension = find<QComboBox>("htmlExt");
    ASSERT_EQ(extension->count(), 3);
    EXPECT_EQ(extension->itemText(0), QStringLiteral("html"));
    EXPECT_EQ(extension->itemText(1), QStringLiteral("htm"));
    EXPECT_EQ(extension->itemText(2), QStringLiteral("shtml"));
    auto* unit = find<QComboBox>("unit");
    ASSERT_EQ(unit->count(), 2);
    EXPECT_EQ(unit->itemText(0).toStdString(), "ピクセル");
    EXPECT_EQ(unit->itemText(1).toStdString(), "パーセント");
    EXPECT_EQ(find<QLineEdit>("htmlFile")->text(), QStringLiteral("catalog"));
    EXPECT_EQ(find<QLineEdit>("resx")->text(), QStringLiteral("480"));
    EXPECT_EQ(find<QLineEdit>("resy")->text(), QStringLiteral("360"));
}

TEST_F(TheGeneralPage, StartsWithoutStoringAnything) {
    Settings& s = fixture.settings;
    s.HTMLFile = "Index";
    s.HTMLExt = 2;
    s.SubFolder = "pics";
    s.Mode = 1;
    s.Thumbres = 5;
    s.ThumSize = 150;
    s.Changeres = 1;
    s.Resx = -7;
    s.Resy = 0;
    s.Unit = 1;
    s.KeepRatio = 0;
    s.MakePage = 0;
    applySettingsPagesStart(s);
    const std::vector<std::string> before = storedTexts(s);
    openPage(kGeneral);
    EXPECT_EQ(storedTexts(s), before);
    EXPECT_EQ(sizeLine().toStdString(), "現在の設定 ： 150 x 150");
    EXPECT_TRUE(sizeButton("sizeOther")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("slideShowMode")->isChecked());
    EXPECT_EQ(find<QComboBox>("htmlExt")->currentText(), QStringLiteral("shtml"));
    EXPECT_EQ(find<QLineEdit>("resx")->text(), QStringLiteral("-7"));
}

TEST_F(TheGeneralPage, CutsTheTypedFileNameBeforeItsFirstLowerCaseHtm) {
    openPage(kGeneral);
    auto* name = find<QLineEdit>("htmlFile");
    retype(name, QStringLiteral("gallery.htm"));
    EXPECT_EQ(fixture.settings.HTMLFile, "gallery");
    EXPECT_EQ(name->text(), QStringLiteral("gallery.htm")) << "the box keeps what was typed";
    retype(name, QStringLiteral("Gallery.HTML"));
    EXPECT_EQ(fixture.settings.HTMLFile, "Gallery.HTML");
    retype(name, QStringLiteral("a.htm.htm"));
    EXPECT_EQ(fixture.settings.HTMLFile, "a");

    retype(find<QLineEdit>("subFolder"), QStringLiteral("img"));
    EXPECT_EQ(fixture.settings.SubFolder, "img");
    chooseNext(find<QComboBox>("htmlExt"));
    EXPECT_EQ(fixture.settings.HTMLExt, 1);
}

TEST_F(TheGeneralPage, BrowsesForTheOutputFolderAndEndsItWithASlash) {
    openPage(kGeneral);
    auto* path = find<QLineEdit>("htmlPath");
    auto* browse = find<QAbstractButton>("browseHtmlPath");
    const QString start = path->text();
    fixture.dialogs.folders = {QStringLiteral("/"), QStringLiteral("/x"), std::nullopt};

    clickBox(browse);
    EXPECT_EQ(fixture.dialogs.calls.value(0).toStdString(),
              "folder|HTML ファイルを出力するフォルダを選んでください|" + start.toStdString());
    EXPECT_EQ(fixture.settings.HTMLPath, "/");
    EXPECT_EQ(path->text(), QStringLiteral("/"));
    clickBox(browse);
    EXPECT_EQ(fixture.settings.HTMLPath, "/x/");
    EXPECT_EQ(path->text(), QStringLiteral("/x/"));
    clickBox(browse);
    EXPECT_EQ(fixture.settings.HTMLPath, "/x/") << "Cancel changes nothing";
    EXPECT_EQ(fixture.dialogs.calls.value(2),
              QStringLiteral("folder|") +
                  QStringLiteral("HTML ファイルを出力するフォルダを選んでください|/x/"));

    retype(path, QStringLiteral("/web"));
    EXPECT_EQ(fixture.settings.HTMLPath, "/web");
}

TEST_F(TheGeneralPage, FollowsTheOutputFolderARunCompletesButKeepsTheUsersCursor) {
    openPage(kGeneral);
    auto* path = find<QLineEdit>("htmlPath");
    retype(path, QStringLiteral("/web"));
    path->setCursorPosition(2);
    QTest::keyClicks(path, QStringLiteral("z"));
    EXPECT_EQ(fixture.settings.HTMLPath, "/wzeb");
    EXPECT_EQ(path->cursorPosition(), 3) << "the user's own edit is not shown again";

    fixture.settings.HTMLPath = "/wzeb/";
    fixture.window().settingsChanges().changed("HTMLPath");
    EXPECT_EQ(path->text(), QStringLiteral("/wzeb/"));
    EXPECT_EQ(fixture.settings.HTMLPath, "/wzeb/");
}

TEST_F(TheGeneralPage, PutsThePresetBackWhenTheSizeDialogIsCancelled) {
    openPage(kGeneral);
    std::int32_t thumbresWhileOpen = 0;
    whileDialogIsOpen<CSetSize>(sizeButton("sizeOther"), [&](CSetSize& dialog) {
        thumbresWhileOpen = fixture.settings.Thumbres;
        EXPECT_EQ(dialog.windowTitle().toStdString(), "サムネイル画像サイズの設定");
        EXPECT_EQ(sizeBox(dialog)->text(), QStringLiteral("100"));
        press(dialog, "cancelButton");
    });
    EXPECT_EQ(thumbresWhileOpen, 5);
    EXPECT_EQ(fixture.settings.Thumbres, 3);
    EXPECT_EQ(fixture.settings.ThumSize, 100);
    EXPECT_TRUE(sizeButton("size100")->isChecked());
    EXPECT_FALSE(sizeButton("sizeOther")->isChecked());

    clickBox(sizeButton("size80"));
    EXPECT_EQ(fixture.settings.Thumbres, 2);
    EXPECT_EQ(fixture.settings.ThumSize, 80);
    EXPECT_EQ(sizeLine().toStdString(), "現在の設定 ： 80x80");
    whileDialogIsOpen<CSetSize>(find<QPushButton>("setSize"), [&](CSetSize& dialog) {
        EXPECT_EQ(sizeBox(dialog)->text(), QStringLiteral("80"));
        dialog.reject();
    });
    EXPECT_TRUE(sizeButton("size80")->isChecked());
    EXPECT_EQ(fixture.settings.Thumbres, 2);
    EXPECT_EQ(fixture.settings.ThumSize, 80);
}

TEST_F(TheGeneralPage, KeepsOneHundredWhenSetIsCancelledAndTakesTheFreeSizeOnOk) {
    openPage(kGeneral);
    whileDialogIsOpen<CSetSize>(find<QPushButton>("setSize"),
                                [&](CSetSize& dialog) { press(dialog, "cancelButton"); });
    EXPECT_TRUE(sizeButton("size100")->isChecked());
    EXPECT_EQ(fixture.settings.Thumbres, 3);
    EXPECT_EQ(fixture.settings.ThumSize, 100);

    whileDialogIsOpen<CSetSize>(sizeButton("sizeOther"), [&](CSetSize& dialog) {
        retype(sizeBox(dialog), QStringLiteral("150"));
        press(dialog, "okButton");
    });
    EXPECT_EQ(fixture.settings.Thumbres, 5);
    EXPECT_EQ(fixture.settings.ThumSize, 150);
    EXPECT_TRUE(sizeButton("sizeOther")->isChecked());
    EXPECT_EQ(sizeLine().toStdString(), "現在の設定 ： 150 x 150");

    // From the free size, "設定" and OK keep the free size with the new number.
    whileDialogIsOpen<CSetSize>(find<QPushButton>("setSize"), [&](CSetSize& dialog) {
        retype(sizeBox(dialog), QStringLiteral("64"));
        QTest::keyClick(sizeBox(dialog), Qt::Key_Return);
    });
    EXPECT_EQ(fixture.settings.ThumSize, 64);
    EXPECT_EQ(sizeLine().toStdString(), "現在の設定 ： 64 x 64");
    EXPECT_TRUE(fixture.prompter.calls.empty());
}

TEST_F(TheGeneralPage, RefusesAnEmptyOrZeroSizeWithAStopMessageAndStaysOpen) {
    openPage(kGeneral);
    using Call = ScriptedPrompter::Call;
    using Kind = ScriptedPrompter::Kind;
    whileDialogIsOpen<CSetSize>(find<QPushButton>("setSize"), [&](CSetSize& dialog) {
        retype(sizeBox(dialog), QString());
        press(dialog, "okButton");
        EXPECT_TRUE(dialog.isVisible());
        retype(sizeBox(dialog), QStringLiteral("0"));
        press(dialog, "okButton");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(sizeBox(dialog)->text(), QStringLiteral("0")) << "the user's text stays";
        retype(sizeBox(dialog), QStringLiteral("000120"));
        press(dialog, "okButton");
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(
        fixture.prompter.calls,
        (std::vector<Call>{
            {Kind::Message, "エラー", "画像サイズがセットされていません。", PromptIcon::Stop},
            {Kind::Message, "エラー", "正しい画像サイズをセットして下さい。", PromptIcon::Stop}}));
    EXPECT_EQ(fixture.settings.ThumSize, 120);
    EXPECT_EQ(fixture.settings.Thumbres, 5);
}

TEST_F(TheGeneralPage, TakesTheTypedWidthAndHeightAsDecimalNumbers) {
    fixture.settings.Changeres = 1;
    openPage(kGeneral);
    auto* width = find<QLineEdit>("resx");
    auto* height = find<QLineEdit>("resy");
    retype(width, QStringLiteral("640"));
    EXPECT_EQ(fixture.settings.Resx, 640);
    retype(width, QStringLiteral("abc"));
    EXPECT_EQ(fixture.settings.Resx, 0);
    retype(height, QStringLiteral(" 75%"));
    EXPECT_EQ(fixture.settings.Resy, 75);
    retype(height, QStringLiteral("99999999999"));
    EXPECT_EQ(fixture.settings.Resy, INT32_MAX) << "held at the end of the setting's range";
    EXPECT_EQ(height->text(), QStringLiteral("99999999999"));

    chooseNext(find<QComboBox>("unit"));
    EXPECT_EQ(fixture.settings.Unit, 1);
    clickBox(find<QCheckBox>("keepRatio"));
    EXPECT_EQ(fixture.settings.KeepRatio, 0);
}

TEST_F(TheGeneralPage, SwitchesTheModeAndRestoresEveryPagesControlsFromTheSettings) {
    struct Case {
        std::int32_t changeres, frame, makePage;
    };
    for (const Case c : {Case{0, 0, 1}, Case{1, 1, 1}, Case{1, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << c.changeres << c.frame << c.makePage);
        fixture.settings.Mode = 0;
        fixture.settings.Changeres = c.changeres;
        fixture.settings.Frame = c.frame;
        fixture.settings.MakePage = c.makePage;
        openPage(kGeneral);
        const std::vector<QWidget*> general{find<QCheckBox>("makePage"), sizeButton("size80"),
                                            sizeButton("sizeOther"), find<QPushButton>("setSize")};
        const std::vector<QWidget*> fields{find<QLineEdit>("resx"), find<QLineEdit>("resy"),
                                           find<QComboBox>("unit"), find<QCheckBox>("keepRatio")};
        auto* resize = find<QCheckBox>("changeRes");
        const std::vector<QWidget*> withoutFrames{find<QCheckBox>("otherWindow", kHtml1),
                                                  find<QCheckBox>("border", kHtml1),
                                                  find<QLineEdit>("imageNum", kHtml1)};
        auto* frames = find<QRadioButton>("frames", kHtml1);
        auto* frameSettings = find<QPushButton>("frameSettings", kHtml1);
        const auto expectThumbnailMode = [&] {
            for (QWidget* control : general) {
                EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
            }
            EXPECT_EQ(resize->isEnabled(), c.makePage == 1);
            EXPECT_EQ(resize->isChecked(), c.changeres == 1);
            for (QWidget* field : fields) {
                EXPECT_EQ(field->isEnabled(), c.makePage == 1 && c.changeres == 1);
            }
            EXPECT_TRUE(frames->isEnabled());
            for (QWidget* control : withoutFrames) {
                EXPECT_EQ(control->isEnabled(), c.frame == 0);
            }
            EXPECT_EQ(frameSettings->isEnabled(), c.frame == 1);
        };
        expectThumbnailMode();

        clickBox(find<QRadioButton>("slideShowMode"));
        EXPECT_EQ(fixture.settings.Mode, 1);
        for (QWidget* control : general) {
            EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
        }
        EXPECT_FALSE(resize->isEnabled());
        for (QWidget* control : fields) {
            EXPECT_FALSE(control->isEnabled());
        }
        EXPECT_FALSE(frames->isEnabled());
        EXPECT_FALSE(frameSettings->isEnabled());
        for (QWidget* control : withoutFrames) {
            EXPECT_FALSE(control->isEnabled());
        }

        clickBox(find<QRadioButton>("thumbnailMode"));
        EXPECT_EQ(fixture.settings.Mode, 0);
        expectThumbnailMode();
        EXPECT_EQ(fixture.settings.Changeres, c.changeres);
        EXPECT_EQ(fixture.settings.MakePage, c.makePage);
    }
}

TEST_F(TheGeneralPage, ClearsTheResizeSettingAndItsMarkWithTheMainPages) {
    fixture.settings.Changeres = 1;
    openPage(kGeneral);
    auto* makePage = find<QCheckBox>("makePage");
    auto* resize = find<QCheckBox>("changeRes");
    auto* width = find<QLineEdit>("resx");
    ASSERT_TRUE(resize->isChecked());
    ASSERT_TRUE(width->isEnabled());

    clickBox(makePage);
    EXPECT_EQ(fixture.settings.MakePage, 0);
    EXPECT_EQ(fixture.settings.Changeres, 0);
    EXPECT_FALSE(resize->isChecked());
    EXPECT_FALSE(resize->isEnabled());
    EXPECT_FALSE(width->isEnabled());

    clickBox(makePage);
    EXPECT_EQ(fixture.settings.MakePage, 1);
    EXPECT_TRUE(resize->isEnabled());
    EXPECT_FALSE(resize->isChecked());
    EXPECT_FALSE(width->isEnabled()) << "the fields wait for the resize box";
    clickBox(resize);
    EXPECT_EQ(fixture.settings.Changeres, 1);
    EXPECT_TRUE(width->isEnabled());
    clickBox(resize);
    EXPECT_EQ(fixture.settings.Changeres, 0);
    EXPECT_FALSE(width->isEnabled());
}

TEST_F(TheGeneralPage, StartsWithoutMainPagesWithTheResizeControlsDisabled) {
    fixture.settings.MakePage = 0;
    fixture.settings.Changeres = 1;
    openPage(kGeneral);
    EXPECT_FALSE(find<QCheckBox>("makePage")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("makePage")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("changeRes")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>("resx")->isEnabled());
    EXPECT_TRUE(sizeButton("size120")->isEnabled());
    EXPECT_EQ(fixture.settings.Changeres, 1) << "showing the page changes no setting";
}

TEST_F(TheGeneralPage, ShowsWhatIsStoredWhenARunRefusesAnEdit) {
    openPage(kGeneral);
    const RunInProgress::Scope run(fixture.window().panel().runInProgress());
    clickBox(find<QRadioButton>("slideShowMode"));
    EXPECT_EQ(fixture.settings.Mode, 0);
    EXPECT_TRUE(find<QRadioButton>("thumbnailMode")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("makePage")->isEnabled());

    clickBox(find<QCheckBox>("makePage"));
    EXPECT_EQ(fixture.settings.MakePage, 1);
    EXPECT_TRUE(find<QCheckBox>("makePage")->isChecked());

    clickBox(sizeButton("size120"));
    EXPECT_EQ(fixture.settings.Thumbres, 3);
    EXPECT_TRUE(sizeButton("size100")->isChecked());
    clickBox(sizeButton("sizeOther"));
    EXPECT_EQ(fixture.settings.Thumbres, 3);
    EXPECT_TRUE(sizeButton("size100")->isChecked());

    retype(find<QLineEdit>("htmlFile"), QStringLiteral("x"));
    EXPECT_EQ(find<QLineEdit>("htmlFile")->text(), QStringLiteral("catalog"));
    EXPECT_EQ(fixture.settings.HTMLFile, "catalog");
}

} // namespace
} // namespace vistrel::ui::test
