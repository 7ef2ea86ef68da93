// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "catalogue/ImageRow.h"

namespace vistrel {

class ImageListObserver;

// The ordered, checkable rows of one folder scan: the working set of the tool. Row order is
// display order; the checked rows, in this order, are the images of the gallery. The rows are
// also the only store of the per-image comments, so clearing the list loses them.
//
// Besides the rows the list keeps what the window needs to show them: the counters (total and
// checked rows, always current), the sort state (column 0 and flag 1 at start) and the current
// row (-1 at start, the row last shown in the preview).
//
// Row indexes passed in are 0 to rowCount() - 1 unless a function says otherwise; an index
// outside that range is a programming error (checked by assertions in debug builds).
class ImageList {
public:
    static constexpr int kNoRow = -1;
    static constexpr int kNameColumn = 0;
    static constexpr int kSizeColumn = 1;
    static constexpr int kDateColumn = 2;
    static constexpr int kCommentColumn = 3;
    static constexpr int kColumnCount = 4;

    // Every later change is reported to observer, after those added before it (not owned).
    // An observer must outlive the list or be removed first.
    void addObserver(ImageListObserver* observer);
    void removeObserver(ImageListObserver* observer);

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    int checkedCount() const { return m_checkedCount; }
    const ImageRow& row(int index) const;

    // The count label: "（総数 ： total　選択数 : checked）".
    std::string countLabel() const;

    // Removes every row (and so every comment); the current row becomes -1. The sort state
    // stays.
    void clear();
    // Adds rows after the last one.
    void appendRows(std::vector<ImageRow> rows);

    void setChecked(int row, bool checked);
    // Checks or unchecks every row, images or not.
    void setAllChecked(bool checked);

    const std::string& comment(int row) const;
    void setComment(int row, std::string text);
    // The comment of every row, in row order (empty for a row without one).
    std::vector<std::string> comments() const;

    // Index of the first checked row among rows 0 to rowCount - 1 (rowCount may exceed the
    // list; the rest is ignored), or -1 when there is none.
    int FirstCheckedRow(int rowCount) const;
    // Number of checked rows among rows from to to - 1, clipped to the list.
    int CountCheckedRows(int from, int to) const;

    // A click on the header of column (0 to 3): the same column flips the direction flag, a
    // new column becomes the sorted column with flag 1; then every row is sorted by that
    // column, descending (greater first) for flag 1 and ascending for flag 0. The size column
    // compares the leading decimal number of its text ("9 KB" before "10 KB" ascending);
    // the others compare the UTF-8 bytes as unsigned values, a text before every longer text
    // that starts with it. Equal rows keep their order. The current row follows its row.
    // A column outside 0 to 3 changes nothing.
    void sortByColumn(int column);
    // The column whose header shows the direction mark, and the mark: 1 descending, 0
    // ascending. At start column 0 shows flag 1 while the rows are still in scan order.
    int sortColumn() const { return m_sortColumn; }
    int sortFlag() const { return m_sortFlag; }

    // Where a row dragged from from is dropped: target is the insert position, 0 to
    // rowCount() (rowCount() drops it after the last row). The row keeps its check mark and
    // texts; dropping it at from or from + 1 leaves the order as it was. The current row
    // follows its row. Returns the row's new index; out-of-range arguments change nothing and
    // give -1.
    int moveRow(int from, int target);

    // The row last shown in the preview, or -1.
    int currentRow() const { return m_currentRow; }
    // Makes row (or -1) the current row.
    void setCurrentRow(int row);
    // An arrow key: moves the current row by step (-1 Up, +1 Down) when the result is a row of
    // the list; no wrap. From -1, Down reaches row 0 and Up stays. True when it moved.
    bool stepCurrentRow(int step);

private:
    static const std::string& columnText(const ImageRow& row, int column);
    template <typename Call> void notify(Call call);
    void notifyReset();
    void notifyCounts();
    void changeCurrentRow(int row);

    std::vector<ImageRow> m_rows;
    int m_checkedCount = 0;
    int m_sortColumn = kNameColumn;
    int m_sortFlag = 1;
    int m_currentRow = kNoRow;
    std::vector<ImageListObserver*> m_observers;
};

} // namespace vistrel
