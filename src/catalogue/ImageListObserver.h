// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

// Follows the changes of an ImageList, so that a view can show them. Every call but
// rowAboutToMove comes after the change has been made; the list may be read from inside a call
// but not changed.
class ImageListObserver {
public:
    virtual ~ImageListObserver() = default;

    // Rows were added, removed, reordered or re-marked wholesale: re-read every row.
    virtual void rowsReset() = 0;
    // The check mark or a text of one row changed.
    virtual void rowChanged(int row) = 0;
    // The row at from is about to move to to (as a view that must announce a move needs).
    virtual void rowAboutToMove(int from, int to) = 0;
    // The row at from now stands at to; the rows in between moved by one towards from.
    virtual void rowMoved(int from, int to) = 0;
    // The current row is now row (or -1): it was set, stepped, or followed its row.
    virtual void currentRowChanged(int row) = 0;
    // The counters may have changed: total rows and checked rows now.
    virtual void countsChanged(int total, int checked) = 0;
};

} // namespace vistrel
