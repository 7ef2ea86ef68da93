// SPDX-License-Identifier: MIT
#include "ui/window/ImageListView.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

#include "catalogue/ImageList.h"

namespace vistrel::ui {
namespace {

constexpr const char* kRowMimeType = "application/x-vistrel-list-row";
constexpr int kDropLookBelow = 10;

} // namespace

int dropTargetRow(int rowBelowPointer, int rowCount) {
    return rowBelowPointer < 0 ? rowCount : rowBelowPointer;
}

ImageListView::ImageListView(QWidget* parent) : QTableView(parent) {
    setShowGrid(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    // The selected row stays marked when the focus is elsewhere (the comment page edits it).
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);

    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (onRowClicked && index.isValid()) {
            onRowClicked(index.row());
        }
    });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (onHeaderClicked) {
            onHeaderClicked(column);
        }
    });
}

void ImageListView::setStartColumnWidths() {
    // The viewport takes its size only when the list is shown; the client width follows from
    // the list's own.
    const int client = width() - 2 * frameWidth();
    setColumnWidth(ImageList::kNameColumn, client * 40 / 100);
    setColumnWidth(ImageList::kSizeColumn, client * 20 / 100);
    setColumnWidth(ImageList::kDateColumn, client * 35 / 100);
    setColumnHidden(ImageList::kCommentColumn, true);
}

void ImageListView::showSortMark(int column, int flag) {
    horizontalHeader()->setSortIndicator(column,
                                         flag == 1 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void ImageListView::selectListRow(int row) {
    const QSignalBlocker quiet(selectionModel());
    if (row < 0) {
        clearSelection();
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
    viewport()->update();
}

void ImageListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        if (onStep) {
            onStep(event->key() == Qt::Key_Up ? -1 : 1);
        }
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ImageListView::startDrag(Qt::DropActions) {
    const QModelIndex index = currentIndex();
    if (!index.isValid()) {
        return;
    }
    m_draggedRow = index.row();
    QRect rowRect = visualRect(model()->index(index.row(), 0));
    rowRect.setRight(viewport()->width() - 1);
    auto* mime = new QMimeData;
    mime->setData(kRowMimeType, QByteArray::number(m_draggedRow));
    QDrag drag(this);
    drag.setMimeData(mime);
    drag.setPixmap(viewport()->grab(rowRect));
    drag.setHotSpot(QPoint(8, 8));
    drag.exec(Qt::MoveAction);
    m_draggedRow = -1;
}

bool ImageListView::isOwnDrag(const QDropEvent* event) const {
    return event->source() == this && event->mimeData()->hasFormat(kRowMimeType);
}

void ImageListView::dragEnterEvent(QDragEnterEvent* event) {
    if (isOwnDrag(event)) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void ImageListView::dragMoveEvent(QDragMoveEvent* event) {
    if (isOwnDrag(event)) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void ImageListView::dropEvent(QDropEvent* event) {
    if (!isOwnDrag(event) || m_draggedRow < 0) {
        event->ignore();
        return;
    }
    const int below = rowAt(event->position().toPoint().y() + kDropLookBelow);
    const int target = dropTargetRow(below, model()->rowCount());
    event->acceptProposedAction();
    if (onRowDropped) {
        onRowDropped(m_draggedRow, target);
    }
}

} // namespace vistrel::ui
