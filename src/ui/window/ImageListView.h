// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QTableView>

namespace vistrel::ui {

// Where a row dropped on the list goes: before the row found 10 pixels below the pointer, or
// after the last row when there is none there.
int dropTargetRow(int rowBelowPointer, int rowCount);

// The file list as the user drives it: a report list with grid lines, one selected row shown
// even without focus, a check box per row, the header's sort mark, rows dragged to a new place
// and the Up and Down keys. It decides nothing: each action is handed to the window.
class ImageListView final : public QTableView {
    Q_OBJECT

public:
    explicit ImageListView(QWidget* parent);

    // Column widths of 40, 20 and 35 percent of the client width; the comment column hidden.
    void setStartColumnWidths();
    // Shows the direction mark of the sorted column: flag 1 (greater first) the up mark, 0 the
    // down mark.
    void showSortMark(int column, int flag);
    // Selects row (or nothing for -1) without telling anybody.
    void selectListRow(int row);

    std::function<void(int row)> onRowClicked;
    std::function<void(int step)> onStep;
    std::function<void(int column)> onHeaderClicked;
    std::function<void(int from, int target)> onRowDropped;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool isOwnDrag(const QDropEvent* event) const;

    int m_draggedRow = -1;
};

} // namespace vistrel::ui
