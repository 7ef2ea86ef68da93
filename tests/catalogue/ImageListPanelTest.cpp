// SPDX-License-Identifier: MIT
#include "catalogue/ImageListPanel.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/RunInProgress.h"
#include "app/Settings.h"
#include "catalogue/RecordingListObserver.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::RecordingListObserver;
using test::ScriptedPrompter;
using test::TempDir;
using Call = ScriptedPrompter::Call;
using Kind = ScriptedPrompter::Kind;
using Lines = std::vector<std::string>;

const Call kCommentsQuestion{Kind::Ask, "確認",
                             "この操作をすると、画像別コメントが設定してある場合\n"
                             "コメントが全て削除されます。処理を続けますか？",
                             PromptIcon::Question};

Lines namesOf(const ImageList& list) {
    Lines names;
    for (int i = 0; i < list.rowCount(); ++i) {
        names.push_back(list.row(i).name);
    }
    return names;
}

std::vector<bool> marksOf(const ImageList& list) {
    std::vector<bool> marks;
    for (int i = 0; i < list.rowCount(); ++i) {
        marks.push_back(list.row(i).checked);
    }
    return marks;
}

class ImageListPanelTest : public ::testing::Test {
protected:
    ImageListPanelTest() {
        for (const char* name : {"a.jpg", "b.png", "c.gif", "d.txt"}) {
            m_dir.write(name, "bytes");
        }
        m_settings.ImageMode = 1;
        m_settings.Select = 1;
    }

    std::string folder() const { return m_dir.path().string() + "/"; }

    const TempDir m_dir;
    Settings m_settings;
};

TEST_F(ImageListPanelTest, StartsWithTheTypeBoxesOfImageModeAndNoRows) {
    m_settings.ImageMode = 8;
    const ImageListPanel panel(m_settings);
    EXPECT_TRUE(panel.typeBoxes().isChecked(TypeBox::AllFiles));
    EXPECT_FALSE(panel.typeBoxes().isEnabled(TypeBox::Jpeg));
    EXPECT_EQ(panel.list().rowCount(), 0);
    EXPECT_EQ(panel.list().sortColumn(), 0);
    EXPECT_EQ(panel.list().sortFlag(), 1);
    EXPECT_EQ(panel.list().currentRow(), -1);
}

TEST_F(ImageListPanelTest, RefillsFromANewFolderTextAndStoresIt) {
    ImageListPanel panel(m_settings);
    RecordingListObserver observer;
    panel.list().addObserver(&observer);

    panel.setFolderText(folder());

    EXPECT_EQ(namesOf(panel.list()), (Lines{"a.jpg"}));
    EXPECT_EQ(m_settings.ImagePath, folder());
    EXPECT_EQ(panel.folderText(), folder());
    ASSERT_FALSE(observer.events.empty());
    EXPECT_EQ(observer.events.back(), "counts 1 1");
}

TEST_F(ImageListPanelTest, RefusesEveryRequestOfTheUserWhileARunIsUnderWay) {
    m_settings.ImageMode = 7;
    ImageListPanel panel(m_settings);
    panel.setFolderText(folder());
    const Lines before = namesOf(panel.list());
    ScriptedPrompter prompter;
    {
        const RunInProgress::Scope running(panel.runInProgress());
        ASSERT_TRUE(running.held());
        EXPECT_FALSE(RunInProgress::Scope(panel.runInProgress()).held()) << "no second run";

        EXPECT_FALSE(panel.setFolderText(m_dir.file("elsewhere") + "/"));
        EXPECT_FALSE(panel.clickTypeBox(TypeBox::Png, prompter));
        EXPECT_FALSE(panel.toggleSelectAll());
        EXPECT_FALSE(panel.sortByColumn(0));
        EXPECT_FALSE(panel.moveRow(0, 3));
        EXPECT_EQ(namesOf(panel.list()), before);
        EXPECT_EQ(m_settings.Select, 1);
        EXPECT_TRUE(prompter.calls.empty());

        // The run's own change goes through.
        panel.completeFolderText(folder() + "./");
        EXPECT_EQ(m_settings.ImagePath, folder() + "./");
    }
    EXPECT_FALSE(panel.runInProgress().active());
    EXPECT_TRUE(panel.moveRow(0, 3));
    EXPECT_NE(namesOf(panel.list()), before);
}

TEST_F(ImageListPanelTest, StoresAFolderTextWithoutSeparatorAsTyped) {
    ImageListPanel panel(m_settings);
    m_dir.write("a2.jpg", "bytes");
    panel.setFolderText(m_dir.file("a"));
    EXPECT_EQ(namesOf(panel.list()), (Lines{"a.jpg", "a2.jpg"}));
    EXPECT_EQ(m_settings.ImagePath, m_dir.file("a"));
}

TEST_F(ImageListPanelTest, ShowsAnEmptyListWithZeroCountsForAMissingFolder) {
    ImageListPanel panel(m_settings);
    panel.setFolderText(folder());
    RecordingListObserver observer;
    panel.list().addObserver(&observer);

    panel.setFolderText(m_dir.file("missing") + "/");

    EXPECT_EQ(panel.list().rowCount(), 0);
    EXPECT_EQ(panel.list().countLabel(), "\uFF08総数 \uFF1A 0\u3000選択数 : 0\uFF09");
    ASSERT_FALSE(observer.events.empty());
    EXPECT_EQ(observer.events.back(), "counts 0 0");
}

TEST_F(ImageListPanelTest, DropsEveryCommentWhenTheListIsRefilled) {
    ImageListPanel panel(m_settings);
    panel.setFolderText(folder());
    panel.list().setComment(0, "桜");
    panel.list().setChecked(0, false);

    EXPECT_EQ(panel.RefillImageList(), 1);

    EXPECT_EQ(panel.list().comment(0), "");
    EXPECT_TRUE(panel.list().row(0).checked);
}

TEST_F(ImageListPanelTest, ChangesNothingWhenTheUserAnswersNoToTheCommentWarning) {
    ImageListPanel panel(m_settings);
    panel.setFolderText(folder());
    panel.list().setComment(0, "桜");
    ScriptedPrompter prompter{false};

    EXPECT_FALSE(panel.clickTypeBox(TypeBox::Png, prompter));

    EXPECT_EQ(prompter.calls, (std::vector<Call>{kCommentsQuestion}));
    EXPECT_FALSE(panel.typeBoxes().isChecked(TypeBox::Png));
    EXPECT_EQ(panel.typeBoxes().mask(), 1);
    EXPECT_EQ(namesOf(panel.list()), (Lines{"a.jpg"}));
    EXPECT_EQ(panel.list().comment(0), "桜");
}

TEST_F(ImageListPanelTest, AppliesATypeBoxAndRefillsWhenTheUserAnswersYes) {
    ImageListPanel panel(m_settings);
    panel.setFolderText(folder());
    panel.list().setComment(0, "桜");
    ScriptedPrompter prompter{true, true};

    EXPECT_TRUE(panel.clickTypeBox(TypeBox::Png, prompter));
    EXPECT_TRUE(panel.typeBoxes().isChecked(TypeBox::Png));
    EXPECT_EQ(panel.typeBoxes().mask(), 3);
    EXPECT_EQ(namesOf(panel.list()), (Lines{"a.jpg", "b.png"}));
    EXPECT_EQ(panel.list().comment(0), "");

    EXPECT_TRUE(panel.clickTypeBox(TypeBox::Jpeg, prompter));
    EXPECT_EQ(panel.typeBoxes().mask(), 2);
    EXPECT_EQ(namesOf(panel.list()), (Lines{"b.png"}));
    EXPECT_EQ(prompter.calls, (std::vector<Call>{kCommentsQuestion, kCommentsQuestion}));
}

TEST_F(ImageListPanelTest, ListsEveryFileUnderAllFilesAndDisablesTheTypes) {
    ImageListPanel panel(m_settings);
    panel.setFolderText(folder());
    ScriptedPrompter prompter{true};

    EXPECT_TRUE(panel.clickTypeBox(TypeBox::AllFiles, prompter));

    EXPECT_EQ(panel.typeBoxes().mask(), 8);
    EXPECT_FALSE(panel.typeBoxes().isEnabled(TypeBox::Gif));
    EXPECT_TRUE(panel.typeBoxes().isChecked(TypeBox::Jpeg));
    EXPECT_EQ(namesOf(panel.list()), (Lines{"a.jpg", "b.png", "c.gif", "d.txt"}));
    EXPECT_EQ(marksOf(panel.list()), (std::vector<bool>{true, true, true, false}));
}

TEST_F(ImageListPanelTest, RestoresTheAllFilesBoxWhenTheUserAnswersNo) {
    m_settings.ImageMode = 8;
    ImageListPanel panel(m_settings);
    panel.setFolderText(folder());
    ScriptedPrompter prompter{false};

    EXPECT_FALSE(panel.clickTypeBox(TypeBox::AllFiles, prompter));

    EXPECT_TRUE(panel.typeBoxes().isChecked(TypeBox::AllFiles));
    EXPECT_FALSE(panel.typeBoxes().isEnabled(TypeBox::Png));
    EXPECT_EQ(panel.typeBoxes().mask(), 8);
    EXPECT_EQ(panel.list().rowCount(), 4);
}

TEST_F(ImageListPanelTest, EmptiesTheListWhenAllFilesIsUncheckedWithNoTypeChecked) {
    m_settings.ImageMode = 8;
    ImageListPanel panel(m_settings);
    panel.setFolderText(folder());
    ScriptedPrompter prompter{true};

    EXPECT_TRUE(panel.clickTypeBox(TypeBox::AllFiles, prompter));

    EXPECT_EQ(panel.typeBoxes().mask(), 0);
    EXPECT_EQ(panel.list().rowCount(), 0);
    EXPECT_EQ(panel.list().checkedCount(), 0);
}

TEST_F(ImageListPanelTest, AsksNothingForADisabledTypeBox) {
    m_settings.ImageMode = 8;
    ImageListPanel panel(m_settings);
    ScriptedPrompter prompter;

    EXPECT_FALSE(panel.clickTypeBox(TypeBox::Jpeg, prompter));

    EXPECT_TRUE(prompter.calls.empty());
    EXPECT_EQ(panel.typeBoxes().mask(), 8);
}

TEST_F(ImageListPanelTest, StoresTheTypeChoiceAndFolderOnlyWhenAskedTo) {
    ImageListPanel panel(m_settings);
    panel.setFolderText(folder());
    ScriptedPrompter prompter{true};
    panel.clickTypeBox(TypeBox::Gif, prompter);
    EXPECT_EQ(m_settings.ImageMode, 1) << "the close box leaves ImageMode as it was";

    panel.storeChoices();

    EXPECT_EQ(m_settings.ImageMode, 5);
    EXPECT_EQ(m_settings.ImagePath, folder());
}

TEST_F(ImageListPanelTest, TogglesEveryRowIncludingNonImagesAndNamesTheNextAction) {
    m_settings.ImageMode = 8;
    m_settings.Select = 0;
    ImageListPanel panel(m_settings);
    EXPECT_EQ(panel.selectAllCaption(), "全選択");
    panel.setFolderText(folder());
    EXPECT_EQ(marksOf(panel.list()), (std::vector<bool>{false, false, false, false}));

    panel.toggleSelectAll();
    EXPECT_EQ(m_settings.Select, 1);
    EXPECT_EQ(panel.selectAllCaption(), "全解除");
    EXPECT_EQ(marksOf(panel.list()), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(panel.list().checkedCount(), 4);

    panel.toggleSelectAll();
    EXPECT_EQ(m_settings.Select, 0);
    EXPECT_EQ(panel.selectAllCaption(), "全選択");
    EXPECT_EQ(marksOf(panel.list()), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(panel.list().checkedCount(), 0);
}

TEST_F(ImageListPanelTest, ChecksNewlyScannedImagesByTheToggledSelect) {
    m_settings.Select = 0;
    ImageListPanel panel(m_settings);
    panel.setFolderText(folder());
    panel.toggleSelectAll();
    ScriptedPrompter prompter{true};

    panel.clickTypeBox(TypeBox::Png, prompter);

    EXPECT_EQ(marksOf(panel.list()), (std::vector<bool>{true, true}));
}

TEST_F(ImageListPanelTest, KeepsCommentsWithTheirFilesThroughSortAndMove) {
    m_settings.ImageMode = 7;
    ImageListPanel panel(m_settings);
    panel.setFolderText(folder());
    ImageList& list = panel.list();
    list.setComment(0, "a");
    list.setComment(1, "b");
    list.setComment(2, "c");

    list.sortByColumn(0);
    list.sortByColumn(0);
    list.moveRow(0, 3);

    EXPECT_EQ(namesOf(list), (Lines{"b.png", "a.jpg", "c.gif"}));
    EXPECT_EQ(list.comments(), (Lines{"b", "a", "c"}));
}

} // namespace
} // namespace vistrel
