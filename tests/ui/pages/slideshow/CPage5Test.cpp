// SPDX-License-Identifier: MIT
#include "ui/pages/slideshow/CPage5.h"

#include <vector>

#include <QCheckBox>
#include <QRadioButton>

#include "app/RunInProgress.h"
#include "app/SettingsPagesStart.h"
#include "catalogue/ImageListPanel.h"
#include "pages/general/PageTesting.h"

namespace vistrel::ui::test {
namespace {

constexpr int kGeneral = 0;
constexpr int kSlideshow = 4;

class TheSlideshowPage : public PageTest {
protected:
    // Opens the page in slideshow mode, where the user can reach its controls.
    void openInSlideshowMode() {
        fixture.settings.Mode = 1;
        openPage(kSlideshow);
    }

    // Every control the user can change on the page.
    std::vector<QWidget*> everyControl() {
        std::vector<QWidget*> controls;
        for (const char* name :
             {"preLoad", "transition", "start", "slideStop", "button", "comment", "align"}) {
            controls.push_back(find<QCheckBox>(name));
        }
        for (const char* name : {"preLoadThird", "preLoadHalf", "preLoadAll"}) {
            controls.push_back(find<QRadioButton>(name));
        }
        controls.push_back(find<QLineEdit>("timeout"));
        controls.push_back(find<QComboBox>("transNum"));
        controls.push_back(find<QComboBox>("rounds"));
        return controls;
    }
};

TEST_F(TheSlideshowPage, StartsWithoutStoringAnything) {
    Settings& s = fixture.settings;
    s.Mode = 1;
    s.Timeout = "2.5";
    s.PreLoad = 1;
    s.PreLoadNum = 7;
    s.Transition = 1;
    s.TransNum = 4;
    s.Start = 1;
    s.Button = 1;
    s.Comment = 1;
    s.Align = 1;
    s.SlideStop = 25;
    applySettingsPagesStart(s);
    const std::vector<std::string> before = storedTexts(s);
    openPage(kSlideshow);
    EXPECT_EQ(storedTexts(s), before);
    EXPECT_EQ(find<QLineEdit>("timeout")->text(), QStringLiteral("2.5"));
    EXPECT_TRUE(find<QCheckBox>("preLoad")->isChecked());
    for (const char* count : {"preLoadThird", "preLoadHalf", "preLoadAll"}) {
        EXPECT_FALSE(find<QRadioButton>(count)->isChecked()) << count;
    }
    EXPECT_EQ(find<QComboBox>("transNum")->currentText().toStdString(), "上から下");
    for (const char* box : {"transition", "start", "button", "comment", "align", "slideStop"}) {
        EXPECT_TRUE(find<QCheckBox>(box)->isChecked()) << box;
    }
    auto* rounds = find<QComboBox>("rounds");
    EXPECT_EQ(rounds->currentIndex(), -1);
    EXPECT_EQ(rounds->currentText(), QStringLiteral("25"));
}

TEST_F(TheSlideshowPage, StoresTheIntervalAsTyped) {
    openInSlideshowMode();
    auto* timeout = find<QLineEdit>("timeout");
    EXPECT_EQ(timeout->text(), QStringLiteral("5"));
    retype(timeout, QStringLiteral("2.5"));
    EXPECT_EQ(fixture.settings.Timeout, "2.5");
    retype(timeout, QString());
    EXPECT_EQ(fixture.settings.Timeout, "");
}

TEST_F(TheSlideshowPage, ListsTheEffectsInValueOrderAndStoresTheChosenOne) {
    openInSlideshowMode();
    auto* effects = find<QComboBox>("transNum");
    auto* transition = find<QCheckBox>("transition");
    ASSERT_EQ(effects->count(), 24);
    EXPECT_EQ(effects->itemText(0).toStdString(), "四角（外から中）");
    EXPECT_EQ(effects->itemText(12).toStdString(), "砂");
    EXPECT_EQ(effects->itemText(22).toStdString(), "すだれ（左右）");
    EXPECT_EQ(effects->currentText().toStdString(), "全種類をランダムに");
    EXPECT_FALSE(effects->isEnabled());

    clickBox(transition);
    EXPECT_EQ(fixture.settings.Transition, 1);
    ASSERT_TRUE(effects->isEnabled());
    effects->setFocus();
    QTest::keyClick(effects, Qt::Key_Home);
    EXPECT_EQ(fixture.settings.TransNum, 0);
    chooseNext(effects);
    EXPECT_EQ(fixture.settings.TransNum, 1);

    clickBox(transition);
    EXPECT_EQ(fixture.settings.Transition, 0);
    EXPECT_FALSE(effects->isEnabled());
    EXPECT_EQ(fixture.settings.TransNum, 1) << "the effect stays stored";
}

TEST_F(TheSlideshowPage, StopsAfterTheRoundsTheListShows) {
    fixture.settings.SlideStop = 3;
    openInSlideshowMode();
    auto* stop = find<QCheckBox>("slideStop");
    auto* rounds = find<QComboBox>("rounds");
    ASSERT_EQ(rounds->count(), 10);
    EXPECT_EQ(rounds->itemText(9), QStringLiteral("10"));
    EXPECT_TRUE(stop->isChecked());
    EXPECT_EQ(rounds->currentText(), QStringLiteral("3"));
    EXPECT_TRUE(rounds->isEnabled());

    chooseNext(rounds);
    EXPECT_EQ(fixture.settings.SlideStop, 4);
    clickBox(stop);
    EXPECT_EQ(fixture.settings.SlideStop, 0);
    EXPECT_FALSE(rounds->isEnabled());
    clickBox(stop);
    EXPECT_EQ(fixture.settings.SlideStop, 4) << "the count shown is the count stored";
    EXPECT_TRUE(rounds->isEnabled());
}

TEST_F(TheSlideshowPage, StopsAfterOneRoundWhenTickedWithoutAStop) {
    openInSlideshowMode();
    auto* rounds = find<QComboBox>("rounds");
    EXPECT_FALSE(find<QCheckBox>("slideStop")->isChecked());
    EXPECT_EQ(rounds->currentText(), QStringLiteral("1"));
    EXPECT_FALSE(rounds->isEnabled());
    clickBox(find<QCheckBox>("slideStop"));
    EXPECT_EQ(fixture.settings.SlideStop, 1);
    EXPECT_TRUE(rounds->isEnabled());
}

TEST_F(TheSlideshowPage, StoresATypedCountBeyondTheListButNoTextThatGivesNoRound) {
    fixture.settings.SlideStop = 2;
    openInSlideshowMode();
    auto* rounds = find<QComboBox>("rounds");
    auto* stop = find<QCheckBox>("slideStop");
    retype(rounds->lineEdit(), QStringLiteral("25"));
    EXPECT_EQ(fixture.settings.SlideStop, 25);
    QTest::keyClick(rounds->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(rounds->count(), 10) << "Enter adds nothing to the list";
    EXPECT_EQ(rounds->currentText(), QStringLiteral("25"));

    retype(rounds->lineEdit(), QStringLiteral("1"));
    EXPECT_EQ(rounds->currentText(), QStringLiteral("1")) << "no completion from the list";
    EXPECT_EQ(fixture.settings.SlideStop, 1);

    // Emptying the box to type another count keeps the stop and the box usable.
    retype(rounds->lineEdit(), QString());
    EXPECT_EQ(fixture.settings.SlideStop, 1);
    EXPECT_TRUE(rounds->isEnabled());
    QTest::keyClicks(rounds->lineEdit(), QStringLiteral("12"));
    EXPECT_EQ(fixture.settings.SlideStop, 12);

    retype(rounds->lineEdit(), QStringLiteral("many"));
    EXPECT_EQ(fixture.settings.SlideStop, 12);
    clickBox(stop);
    EXPECT_EQ(fixture.settings.SlideStop, 0);
    clickBox(stop);
    EXPECT_EQ(fixture.settings.SlideStop, 1);
    EXPECT_EQ(rounds->currentText(), QStringLiteral("1"));
}

TEST_F(TheSlideshowPage, EnablesThePreloadCountsWithTheirBoxAndKeepsTheCount) {
    fixture.settings.PreLoad = 0;
    fixture.settings.PreLoadNum = 2;
    openInSlideshowMode();
    const std::vector<QRadioButton*> counts{find<QRadioButton>("preLoadThird"),
                                            find<QRadioButton>("preLoadHalf"),
                                            find<QRadioButton>("preLoadAll")};
    EXPECT_TRUE(counts[2]->isChecked());
    for (QRadioButton* count : counts) {
        EXPECT_FALSE(count->isEnabled()) << count->objectName().toStdString();
    }
    clickBox(find<QCheckBox>("preLoad"));
    EXPECT_EQ(fixture.settings.PreLoad, 1);
    EXPECT_EQ(fixture.settings.PreLoadNum, 2);
    for (QRadioButton* count : counts) {
        EXPECT_TRUE(count->isEnabled()) << count->objectName().toStdString();
    }
    clickBox(counts[0]);
    EXPECT_EQ(fixture.settings.PreLoadNum, 0);
    clickBox(counts[1]);
    EXPECT_EQ(fixture.settings.PreLoadNum, 1);
    EXPECT_FALSE(counts[0]->isChecked());
}

TEST_F(TheSlideshowPage, KeepsStartStoppedAndCentringWhileTheirBoxesAreCleared) {
    fixture.settings.Button = 0;
    fixture.settings.Start = 1;
    fixture.settings.Comment = 0;
    fixture.settings.Align = 1;
    openInSlideshowMode();
    auto* start = find<QCheckBox>("start");
    auto* align = find<QCheckBox>("align");
    EXPECT_FALSE(start->isEnabled());
    EXPECT_TRUE(start->isChecked());
    EXPECT_FALSE(align->isEnabled());
    EXPECT_TRUE(align->isChecked());

    clickBox(find<QCheckBox>("button"));
    EXPECT_EQ(fixture.settings.Button, 1);
    EXPECT_EQ(fixture.settings.Start, 1);
    ASSERT_TRUE(start->isEnabled());
    clickBox(start);
    EXPECT_EQ(fixture.settings.Start, 0);
    clickBox(find<QCheckBox>("button"));
    EXPECT_EQ(fixture.settings.Button, 0);
    EXPECT_FALSE(start->isEnabled());

    clickBox(find<QCheckBox>("comment"));
    EXPECT_EQ(fixture.settings.Comment, 1);
    ASSERT_TRUE(align->isEnabled());
    clickBox(align);
    EXPECT_EQ(fixture.settings.Align, 0);
}

TEST_F(TheSlideshowPage, IsUsableOnlyInSlideshowModeAndThenByItsBoxes) {
    for (const std::int32_t ticks : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "boxes " << ticks);
        Settings& s = fixture.settings;
        s.Mode = 0;
        s.PreLoad = ticks;
        s.Transition = ticks;
        s.SlideStop = ticks * 3;
        s.Button = ticks;
        s.Comment = ticks;
        openPage(kSlideshow);
        const std::vector<QWidget*> controls = everyControl();
        for (QWidget* control : controls) {
            EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
        }

        clickBox(find<QRadioButton>("slideShowMode", kGeneral));
        ASSERT_EQ(s.Mode, 1);
        for (const char* name :
             {"timeout", "preLoad", "transition", "slideStop", "button", "comment"}) {
            EXPECT_TRUE(find<QWidget>(name)->isEnabled()) << name;
        }
        for (const char* name : {"preLoadThird", "preLoadHalf", "preLoadAll", "transNum", "rounds",
                                 "start", "align"}) {
            EXPECT_EQ(find<QWidget>(name)->isEnabled(), ticks == 1) << name;
        }

        clickBox(find<QRadioButton>("thumbnailMode", kGeneral));
        ASSERT_EQ(s.Mode, 0);
        for (QWidget* control : controls) {
            EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
        }
    }
}

TEST_F(TheSlideshowPage, ShowsWhatIsStoredWhenARunRefusesAnEdit) {
    fixture.settings.SlideStop = 3;
    fixture.settings.TransNum = 5;
    fixture.settings.Transition = 1;
    openInSlideshowMode();
    const std::vector<std::string> before = storedTexts(fixture.settings);
    const RunInProgress::Scope run(fixture.window().panel().runInProgress());
    auto* timeout = find<QLineEdit>("timeout");
    retype(timeout, QStringLiteral("9"));
    EXPECT_EQ(timeout->text(), QStringLiteral("5"));
    auto* preLoad = find<QCheckBox>("preLoad");
    clickBox(preLoad);
    EXPECT_TRUE(preLoad->isChecked());
    auto* half = find<QRadioButton>("preLoadHalf");
    clickBox(half);
    EXPECT_FALSE(half->isChecked());
    EXPECT_TRUE(find<QRadioButton>("preLoadThird")->isChecked());
    auto* effects = find<QComboBox>("transNum");
    chooseNext(effects);
    EXPECT_EQ(effects->currentIndex(), 5);
    auto* rounds = find<QComboBox>("rounds");
    retype(rounds->lineEdit(), QStringLiteral("8"));
    EXPECT_EQ(rounds->currentText(), QStringLiteral("3"));
    auto* stop = find<QCheckBox>("slideStop");
    clickBox(stop);
    EXPECT_TRUE(stop->isChecked());
    EXPECT_TRUE(rounds->isEnabled());
    EXPECT_EQ(storedTexts(fixture.settings), before);
}

} // namespace
} // namespace vistrel::ui::test
