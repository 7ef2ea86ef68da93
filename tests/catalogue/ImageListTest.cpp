// SPDX-License-Identifier: MIT
#include "catalogue/ImageList.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/RecordingListObserver.h"

namespace vistrel {
namespace {

using test::RecordingListObserver;
using Lines = std::vector<std::string>;

ImageRow makeRow(std::string name, bool checked = false, std::string sizeText = "1 KB",
                 std::string dateText = "2005/06/12 10:11:12") {
    ImageRow row;
    row.name = std::move(name);
    row.sizeText = std::move(sizeText);
    row.dateText = std::move(dateText);
    row.checked = checked;
    return row;
}

Lines namesOf(const ImageList& list) {
    Lines names;
    for (int i = 0; i < list.rowCount(); ++i) {
        names.push_back(list.row(i).name);
    }
    return names;
}

// a.jpg to e.jpg, b and d checked, each with its own comment.
ImageList fiveRows() {
    ImageList list;
    list.appendRows({makeRow("a.jpg"), makeRow("b.jpg", true), makeRow("c.jpg"),
                     makeRow("d.jpg", true), makeRow("e.jpg")});
    for (int i = 0; i < list.rowCount(); ++i) {
        list.setComment(i, "comment of " + list.row(i).name);
    }
    return list;
}

TEST(ImageListCounters, FollowEveryChangeOfRowsAndMarks) {
    ImageList list;
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.checkedCount(), 0);

    list.appendRows({makeRow("a.jpg", true), makeRow("b.txt"), makeRow("c.png", true)});
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.checkedCount(), 2);

    list.setChecked(1, true);
    list.setChecked(0, false);
    list.setChecked(0, false);
    EXPECT_EQ(list.checkedCount(), 2);
    EXPECT_FALSE(list.row(0).checked);
    EXPECT_TRUE(list.row(1).checked);

    list.setAllChecked(true);
    EXPECT_EQ(list.checkedCount(), 3);
    list.setAllChecked(false);
    EXPECT_EQ(list.checkedCount(), 0);

    list.appendRows({makeRow("d.gif", true)});
    EXPECT_EQ(list.rowCount(), 4);
    EXPECT_EQ(list.checkedCount(), 1);

    list.clear();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.checkedCount(), 0);
}

TEST(ImageListCountLabel, ShowsTotalAndCheckedRowsInTheWindowsOwnWords) {
    ImageList list;
    // Full-width parentheses and colon, an ideographic space before the second count and an
    // ASCII colon after it.
    EXPECT_EQ(list.countLabel(), "\uFF08総数 \uFF1A 0\u3000選択数 : 0\uFF09");

    list.appendRows({makeRow("a.jpg", true), makeRow("b.jpg"), makeRow("c.jpg", true)});
    EXPECT_EQ(list.countLabel(), "\uFF08総数 \uFF1A 3\u3000選択数 : 2\uFF09");
}

TEST(ImageListObserver, HearsOfEveryChangeAfterItIsMade) {
    ImageList list;
    RecordingListObserver observer;
    RecordingListObserver second;
    list.addObserver(&observer);
    list.addObserver(&second);

    list.appendRows({makeRow("a.jpg", true), makeRow("b.jpg"), makeRow("c.jpg")});
    list.setChecked(1, true);
    list.setChecked(1, true);
    list.setComment(2, "夕焼け");
    list.moveRow(0, 3);
    list.setAllChecked(false);
    list.clear();

    // A move is announced before it is made as well as after.
    const Lines expected = {"reset",      "counts 3 1", "row 1",     "counts 3 2",
                            "row 2",      "moving 0 2", "moved 0 2", "reset",
                            "counts 3 0", "reset",      "counts 0 0"};
    EXPECT_EQ(observer.events, expected);
    EXPECT_EQ(second.events, expected);

    list.removeObserver(&observer);
    list.appendRows({makeRow("d.jpg")});
    EXPECT_EQ(observer.events.size(), expected.size());
    EXPECT_EQ(second.events.size(), expected.size() + 2);
}

TEST(ImageListObserver, HearsOfTheCurrentRowWhereverItGoes) {
    ImageList list = fiveRows();
    RecordingListObserver observer;
    list.addObserver(&observer);

    list.setCurrentRow(1);
    list.setCurrentRow(1);
    list.stepCurrentRow(1);
    list.stepCurrentRow(-5);
    list.moveRow(2, 0); // the current row follows its row
    list.moveRow(4, 1); // a move below the current row leaves it where it is
    list.setCurrentRow(ImageList::kNoRow);

    EXPECT_EQ(observer.events, (Lines{"current 1", "current 2", "moving 2 0", "moved 2 0",
                                      "current 0", "moving 4 1", "moved 4 1", "current -1"}));
}

TEST(ImageListCheckedRows, AreFoundAndCountedWithinTheGivenRange) {
    const ImageList list = fiveRows();

    EXPECT_EQ(list.FirstCheckedRow(5), 1);
    EXPECT_EQ(list.FirstCheckedRow(1), -1);
    EXPECT_EQ(list.FirstCheckedRow(100), 1);
    EXPECT_EQ(ImageList().FirstCheckedRow(3), -1);

    EXPECT_EQ(list.CountCheckedRows(0, 5), 2);
    EXPECT_EQ(list.CountCheckedRows(2, 5), 1);
    EXPECT_EQ(list.CountCheckedRows(2, 3), 0);
    EXPECT_EQ(list.CountCheckedRows(0, 100), 2);
    EXPECT_EQ(list.CountCheckedRows(4, 2), 0);
}

TEST(ImageListComments, BelongToRowsAndAreGoneAfterClear) {
    ImageList list = fiveRows();
    EXPECT_EQ(list.comment(3), "comment of d.jpg");
    list.setComment(3, "一行目\r\n二行目");
    EXPECT_EQ(list.comment(3), "一行目\r\n二行目");
    EXPECT_EQ(list.comments(), (Lines{"comment of a.jpg", "comment of b.jpg", "comment of c.jpg",
                                      "一行目\r\n二行目", "comment of e.jpg"}));

    list.clear();
    list.appendRows({makeRow("a.jpg"), makeRow("d.jpg")});
    EXPECT_EQ(list.comments(), (Lines{"", ""}));
}

TEST(ImageListSorting, StartsOnTheNameColumnWithTheDescendingFlag) {
    const ImageList list;
    EXPECT_EQ(list.sortColumn(), 0);
    EXPECT_EQ(list.sortFlag(), 1);
}

TEST(ImageListSorting, FlipsTheFlagOnTheSameColumnAndSetsItOnANewOne) {
    ImageList list = fiveRows();

    list.sortByColumn(0);
    EXPECT_EQ(list.sortFlag(), 0) << "the first click on column 0 sorts ascending";
    list.sortByColumn(0);
    EXPECT_EQ(list.sortFlag(), 1);
    list.sortByColumn(1);
    EXPECT_EQ(list.sortColumn(), 1);
    EXPECT_EQ(list.sortFlag(), 1) << "a new column always starts descending";
    list.sortByColumn(2);
    EXPECT_EQ(list.sortColumn(), 2);
    EXPECT_EQ(list.sortFlag(), 1);
    list.sortByColumn(2);
    EXPECT_EQ(list.sortFlag(), 0);

    list.sortByColumn(4);
    list.sortByColumn(-1);
    EXPECT_EQ(list.sortColumn(), 2);
    EXPECT_EQ(list.sortFlag(), 0);
}

TEST(ImageListSorting, OrdersNamesByUnsignedBytesShorterPrefixFirst) {
    ImageList list;
    list.appendRows({makeRow("b.jpg"), makeRow("写真.jpg"), makeRow("a.jpg"), makeRow("B.jpg"),
                     makeRow("a"), makeRow("_x.jpg")});

    list.sortByColumn(0);
    EXPECT_EQ(namesOf(list), (Lines{"B.jpg", "_x.jpg", "a", "a.jpg", "b.jpg", "写真.jpg"}));
    list.sortByColumn(0);
    EXPECT_EQ(namesOf(list), (Lines{"写真.jpg", "b.jpg", "a.jpg", "a", "_x.jpg", "B.jpg"}));
}

TEST(ImageListSorting, OrdersSizesByTheirNumberNotTheirText) {
    ImageList list;
    list.appendRows({makeRow("nine", false, "9 KB"), makeRow("ten", false, "10 KB"),
                     makeRow("zero", false, "0 KB"), makeRow("big", false, "1024 KB"),
                     makeRow("two", false, "2 KB")});

    list.sortByColumn(1);
    EXPECT_EQ(namesOf(list), (Lines{"big", "ten", "nine", "two", "zero"}))
        << "the first click sorts the largest file first";
    list.sortByColumn(1);
    EXPECT_EQ(namesOf(list), (Lines{"zero", "two", "nine", "ten", "big"}));
}

TEST(ImageListSorting, OrdersDatesAndCommentsAsText) {
    ImageList list;
    list.appendRows({makeRow("mid", false, "1 KB", "2005/06/12 10:11:12"),
                     makeRow("old", false, "1 KB", "1999/12/31 23:59:59"),
                     makeRow("new", false, "1 KB", "2024/01/01 00:00:00")});
    list.setComment(0, "b");
    list.setComment(1, "c");
    list.setComment(2, "a");

    list.sortByColumn(2);
    EXPECT_EQ(namesOf(list), (Lines{"new", "mid", "old"}));
    list.sortByColumn(2);
    EXPECT_EQ(namesOf(list), (Lines{"old", "mid", "new"}));

    list.sortByColumn(3);
    EXPECT_EQ(namesOf(list), (Lines{"old", "mid", "new"}));
    list.sortByColumn(3);
    EXPECT_EQ(namesOf(list), (Lines{"new", "mid", "old"}));
}

TEST(ImageListSorting, KeepsTheOrderOfEqualRowsInBothDirections) {
    ImageList list;
    list.appendRows({makeRow("first", false, "5 KB"), makeRow("small", false, "1 KB"),
                     makeRow("second", false, "5 KB"), makeRow("third", false, "5 KB")});

    list.sortByColumn(1);
    EXPECT_EQ(namesOf(list), (Lines{"first", "second", "third", "small"}));
    list.sortByColumn(1);
    EXPECT_EQ(namesOf(list), (Lines{"small", "first", "second", "third"}));
}

TEST(ImageListSorting, KeepsTheScanOrderOfManyFilesOfTheSameSize) {
    ImageList list;
    Lines sameSize;
    std::vector<ImageRow> rows;
    for (int i = 0; i < 60; ++i) {
        const bool large = i % 3 == 0;
        rows.push_back(makeRow("file" + std::to_string(i), false, large ? "20 KB" : "3 KB"));
        if (!large) {
            sameSize.push_back(rows.back().name);
        }
    }
    list.appendRows(std::move(rows));

    list.sortByColumn(1);
    list.sortByColumn(1);

    const Lines names = namesOf(list);
    EXPECT_EQ(Lines(names.begin(), names.begin() + 40), sameSize);
}

TEST(ImageListSorting, MovesWholeRowsSoMarksCommentsAndTheCurrentRowFollow) {
    ImageList list = fiveRows();
    list.setCurrentRow(3);
    RecordingListObserver observer;
    list.addObserver(&observer);

    list.sortByColumn(0);
    list.sortByColumn(0);

    EXPECT_EQ(namesOf(list), (Lines{"e.jpg", "d.jpg", "c.jpg", "b.jpg", "a.jpg"}));
    for (int i = 0; i < list.rowCount(); ++i) {
        const ImageRow& row = list.row(i);
        EXPECT_EQ(row.comment, "comment of " + row.name);
        EXPECT_EQ(row.checked, row.name == "b.jpg" || row.name == "d.jpg") << row.name;
    }
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(list.checkedCount(), 2);
    EXPECT_EQ(observer.events, (Lines{"reset", "reset", "current 1"}));
}

TEST(ImageListMoveRow, MovesTheFirstRowToTheEndWhenDroppedAfterTheLast) {
    ImageList list = fiveRows();
    EXPECT_EQ(list.moveRow(0, 5), 4);
    EXPECT_EQ(namesOf(list), (Lines{"b.jpg", "c.jpg", "d.jpg", "e.jpg", "a.jpg"}));
    EXPECT_EQ(list.row(4).comment, "comment of a.jpg");
}

TEST(ImageListMoveRow, LeavesTheListAsItWasWhenDroppedOntoItself) {
    ImageList list = fiveRows();
    RecordingListObserver observer;
    list.addObserver(&observer);

    EXPECT_EQ(list.moveRow(0, 0), 0);
    EXPECT_EQ(list.moveRow(0, 1), 0);
    EXPECT_EQ(list.moveRow(2, 3), 2);

    EXPECT_EQ(namesOf(list), (Lines{"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"}));
    EXPECT_TRUE(observer.events.empty());
}

TEST(ImageListMoveRow, MovesALaterRowUpKeepingItsMarkAndTexts) {
    ImageList list = fiveRows();
    const ImageRow moved = list.row(3);

    EXPECT_EQ(list.moveRow(3, 1), 1);

    EXPECT_EQ(namesOf(list), (Lines{"a.jpg", "d.jpg", "b.jpg", "c.jpg", "e.jpg"}));
    EXPECT_EQ(list.row(1), moved);
    EXPECT_EQ(list.checkedCount(), 2);
}

TEST(ImageListMoveRow, MovesAnEarlierRowDownToJustBeforeTheTarget) {
    ImageList list = fiveRows();
    EXPECT_EQ(list.moveRow(1, 4), 3);
    EXPECT_EQ(namesOf(list), (Lines{"a.jpg", "c.jpg", "d.jpg", "b.jpg", "e.jpg"}));
    EXPECT_TRUE(list.row(3).checked);
    EXPECT_EQ(list.row(3).comment, "comment of b.jpg");
}

TEST(ImageListMoveRow, KeepsTheCurrentRowOnTheSameFile) {
    ImageList list = fiveRows();

    list.setCurrentRow(0);
    list.moveRow(0, 5);
    EXPECT_EQ(list.currentRow(), 4);

    list.setCurrentRow(2);
    list.moveRow(4, 0);
    EXPECT_EQ(list.currentRow(), 3);
    EXPECT_EQ(list.row(3).name, "d.jpg");

    list.moveRow(1, 5);
    EXPECT_EQ(list.currentRow(), 2);
    EXPECT_EQ(list.row(2).name, "d.jpg");
}

TEST(ImageListMoveRow, IgnoresPositionsOutsideTheList) {
    ImageList list = fiveRows();
    EXPECT_EQ(list.moveRow(5, 0), -1);
    EXPECT_EQ(list.moveRow(-1, 0), -1);
    EXPECT_EQ(list.moveRow(0, 6), -1);
    EXPECT_EQ(list.moveRow(0, -1), -1);
    EXPECT_EQ(namesOf(list), (Lines{"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"}));
}

TEST(ImageListCurrentRow, StepsWithinTheListWithoutWrapping) {
    ImageList list;
    list.appendRows({makeRow("a.jpg"), makeRow("b.jpg"), makeRow("c.jpg")});
    EXPECT_EQ(list.currentRow(), -1);

    EXPECT_FALSE(list.stepCurrentRow(-1));
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_TRUE(list.stepCurrentRow(1));
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_FALSE(list.stepCurrentRow(-1));
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_TRUE(list.stepCurrentRow(1));
    EXPECT_TRUE(list.stepCurrentRow(1));
    EXPECT_EQ(list.currentRow(), 2);
    EXPECT_FALSE(list.stepCurrentRow(1));
    EXPECT_EQ(list.currentRow(), 2);
    EXPECT_TRUE(list.stepCurrentRow(-1));
    EXPECT_EQ(list.currentRow(), 1);
}

TEST(ImageListCurrentRow, IsNoRowAgainAfterTheListIsCleared) {
    ImageList list = fiveRows();
    list.setCurrentRow(4);
    list.clear();
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_FALSE(list.stepCurrentRow(1));
}

} // namespace
} // namespace vistrel
