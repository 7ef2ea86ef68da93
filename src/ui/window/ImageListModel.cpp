// SPDX-License-Identifier: MIT
#include "ui/window/ImageListModel.h"

#include <array>

#include "catalogue/ImageListPanel.h"
#include "ui/shell/QtText.h"

namespace vistrel::ui {
namespace {

constexpr std::array<const char*, ImageList::kColumnCount> kColumnTitles{"名前", "サイズ",
                                                                         "更新日時", ""};

} // namespace

ImageListModel::ImageListModel(ImageListPanel& panel, QObject* parent)
    : QAbstractTableModel(parent), m_panel(panel) {
    m_panel.list().addObserver(this);
}

ImageListModel::~ImageListModel() {
    m_panel.list().removeObserver(this);
}

int ImageListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_panel.list().rowCount();
}

int ImageListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ImageList::kColumnCount;
}

QVariant ImageListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_panel.list().rowCount()) {
        return {};
    }
    const ImageRow& row = m_panel.list().row(index.row());
    if (role == Qt::CheckStateRole && index.column() == ImageList::kNameColumn) {
        return row.checked ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment side =
            index.column() == ImageList::kSizeColumn ? Qt::AlignRight : Qt::AlignLeft;
        return QVariant::fromValue(side | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
    case ImageList::kNameColumn:
        return qText(row.name);
    case ImageList::kSizeColumn:
        return qText(row.sizeText);
    case ImageList::kDateColumn:
        return qText(row.dateText);
    default:
        return qText(row.comment);
    }
}

bool ImageListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != ImageList::kNameColumn ||
        m_panel.runInProgress().active()) {
        return false;
    }
    m_panel.list().setChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

Qt::ItemFlags ImageListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (index.column() == ImageList::kNameColumn) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

QVariant ImageListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ImageList::kColumnCount) {
        return {};
    }
    return qText(kColumnTitles.at(static_cast<std::size_t>(section)));
}

void ImageListModel::rowsReset() {
    beginResetModel();
    endResetModel();
}

void ImageListModel::rowChanged(int row) {
    emit dataChanged(index(row, 0), index(row, ImageList::kColumnCount - 1));
}

void ImageListModel::rowAboutToMove(int from, int to) {
    // Qt counts the destination before the move: a row going down lands before the row after
    // its new place.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
}

void ImageListModel::rowMoved(int, int) {
    endMoveRows();
}

void ImageListModel::currentRowChanged(int row) {
    if (onCurrentRowChanged) {
        onCurrentRowChanged(row);
    }
}

void ImageListModel::countsChanged(int total, int checked) {
    if (onCountsChanged) {
        onCountsChanged(total, checked);
    }
}

} // namespace vistrel::ui
