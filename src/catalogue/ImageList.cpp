// SPDX-License-Identifier: MIT
#include "catalogue/ImageList.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdio>
#include <numeric>
#include <string_view>

#include "catalogue/ImageListObserver.h"
#include "text/DecimalText.h"

namespace vistrel {
namespace {

constexpr const char* kCountLabelFormat = "（総数 ： %d　選択数 : %d）";

// The size column holds "123 KB"; its order is that of the number, not of the text.
std::uint64_t leadingNumber(std::string_view text) {
    return scanDecimal(text, false).value;
}

} // namespace

const ImageRow& ImageList::row(int index) const {
    assert(index >= 0 && index < rowCount());
    return m_rows[static_cast<std::size_t>(index)];
}

std::string ImageList::countLabel() const {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, kCountLabelFormat, rowCount(), m_checkedCount);
    return buffer;
}

void ImageList::clear() {
    m_rows.clear();
    m_checkedCount = 0;
    notifyReset();
    notifyCounts();
    changeCurrentRow(kNoRow);
}

void ImageList::appendRows(std::vector<ImageRow> rows) {
    m_rows.reserve(m_rows.size() + rows.size());
    for (ImageRow& added : rows) {
        m_checkedCount += added.checked ? 1 : 0;
        m_rows.push_back(std::move(added));
    }
    notifyReset();
    notifyCounts();
}

void ImageList::setChecked(int index, bool checked) {
    assert(index >= 0 && index < rowCount());
    ImageRow& target = m_rows[static_cast<std::size_t>(index)];
    if (target.checked == checked) {
        return;
    }
    target.checked = checked;
    m_checkedCount += checked ? 1 : -1;
    notify([index](ImageListObserver& o) { o.rowChanged(index); });
    notifyCounts();
}

void ImageList::setAllChecked(bool checked) {
    for (ImageRow& each : m_rows) {
        each.checked = checked;
    }
    m_checkedCount = checked ? rowCount() : 0;
    notifyReset();
    notifyCounts();
}

const std::string& ImageList::comment(int index) const {
    return row(index).comment;
}

void ImageList::setComment(int index, std::string text) {
    assert(index >= 0 && index < rowCount());
    m_rows[static_cast<std::size_t>(index)].comment = std::move(text);
    notify([index](ImageListObserver& o) { o.rowChanged(index); });
}

std::vector<std::string> ImageList::comments() const {
    std::vector<std::string> result;
    result.reserve(m_rows.size());
    for (const ImageRow& each : m_rows) {
        result.push_back(each.comment);
    }
    return result;
}

int ImageList::FirstCheckedRow(int rowLimit) const {
    const int end = std::min(rowLimit, rowCount());
    for (int index = 0; index < end; ++index) {
        if (m_rows[static_cast<std::size_t>(index)].checked) {
            return index;
        }
    }
    return kNoRow;
}

int ImageList::CountCheckedRows(int from, int to) const {
    const auto begin = m_rows.begin() + std::clamp(from, 0, rowCount());
    const auto end = m_rows.begin() + std::clamp(to, 0, rowCount());
    if (begin >= end) {
        return 0;
    }
    return static_cast<int>(
        std::count_if(begin, end, [](const ImageRow& each) { return each.checked; }));
}

void ImageList::sortByColumn(int column) {
    if (column < 0 || column >= kColumnCount) {
        return;
    }
    if (column == m_sortColumn) {
        m_sortFlag = m_sortFlag == 0 ? 1 : 0;
    } else {
        m_sortColumn = column;
        m_sortFlag = 1;
    }

    const auto less = [column, this](std::size_t a, std::size_t b) {
        const std::string& textA = columnText(m_rows[a], column);
        const std::string& textB = columnText(m_rows[b], column);
        if (column == kSizeColumn) {
            return leadingNumber(textA) < leadingNumber(textB);
        }
        // std::string compares its bytes as unsigned char, so UTF-8 names sort by byte value.
        return textA < textB;
    };
    std::vector<std::size_t> order(m_rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (m_sortFlag == 1) {
        std::stable_sort(order.begin(), order.end(),
                         [&less](std::size_t a, std::size_t b) { return less(b, a); });
    } else {
        std::stable_sort(order.begin(), order.end(), less);
    }

    std::vector<ImageRow> sorted;
    sorted.reserve(m_rows.size());
    int newCurrent = kNoRow;
    for (const std::size_t from : order) {
        if (static_cast<int>(from) == m_currentRow) {
            newCurrent = static_cast<int>(sorted.size());
        }
        sorted.push_back(std::move(m_rows[from]));
    }
    m_rows = std::move(sorted);
    notifyReset();
    changeCurrentRow(newCurrent);
}

int ImageList::moveRow(int from, int target) {
    if (from < 0 || from >= rowCount() || target < 0 || target > rowCount()) {
        return kNoRow;
    }
    // Inserting the copy at target and then deleting the original (one further down when the
    // copy went in before it) leaves the row at target when it moves up and at target - 1
    // when it moves down.
    const int to = target <= from ? target : target - 1;
    if (to == from) {
        return from;
    }
    notify([from, to](ImageListObserver& o) { o.rowAboutToMove(from, to); });
    const auto first = m_rows.begin();
    if (to < from) {
        std::rotate(first + to, first + from, first + from + 1);
    } else {
        std::rotate(first + from, first + from + 1, first + to + 1);
    }
    notify([from, to](ImageListObserver& o) { o.rowMoved(from, to); });
    if (m_currentRow == from) {
        changeCurrentRow(to);
    } else if (to < from && m_currentRow >= to && m_currentRow < from) {
        changeCurrentRow(m_currentRow + 1);
    } else if (from < to && m_currentRow > from && m_currentRow <= to) {
        changeCurrentRow(m_currentRow - 1);
    }
    return to;
}

void ImageList::setCurrentRow(int index) {
    assert(index >= kNoRow && index < rowCount());
    changeCurrentRow(index);
}

bool ImageList::stepCurrentRow(int step) {
    const int next = m_currentRow + step;
    if (next < 0 || next >= rowCount()) {
        return false;
    }
    changeCurrentRow(next);
    return true;
}

const std::string& ImageList::columnText(const ImageRow& row, int column) {
    switch (column) {
    case kSizeColumn:
        return row.sizeText;
    case kDateColumn:
        return row.dateText;
    case kCommentColumn:
        return row.comment;
    default:
        return row.name;
    }
}

void ImageList::addObserver(ImageListObserver* observer) {
    m_observers.push_back(observer);
}

void ImageList::removeObserver(ImageListObserver* observer) {
    std::erase(m_observers, observer);
}

template <typename Call> void ImageList::notify(Call call) {
    for (ImageListObserver* observer : m_observers) {
        call(*observer);
    }
}

void ImageList::notifyReset() {
    notify([](ImageListObserver& o) { o.rowsReset(); });
}

void ImageList::notifyCounts() {
    notify([this](ImageListObserver& o) { o.countsChanged(rowCount(), m_checkedCount); });
}

void ImageList::changeCurrentRow(int row) {
    if (row != m_currentRow) {
        m_currentRow = row;
        notify([row](ImageListObserver& o) { o.currentRowChanged(row); });
    }
}

} // namespace vistrel
