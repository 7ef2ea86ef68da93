// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QAbstractTableModel>

#include "catalogue/ImageListObserver.h"

namespace vistrel {
class ImageListPanel;
}

namespace vistrel::ui {

// Shows the rows of the panel's image list to a view: name, size and date, and the hidden
// comment column; a check box in the name column. The list stays the only store: the model
// holds no copy, follows the list's own change reports, and passes a click on a check box to
// the list unless a create run is under way.
class ImageListModel final : public QAbstractTableModel, private ImageListObserver {
    Q_OBJECT

public:
    explicit ImageListModel(ImageListPanel& panel, QObject* parent);
    ~ImageListModel() override;
    ImageListModel(const ImageListModel&) = delete;
    ImageListModel& operator=(const ImageListModel&) = delete;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Told when the list's current row or its counters change (the view selects the row, the
    // window shows it and rewrites the count label).
    std::function<void(int row)> onCurrentRowChanged;
    std::function<void(int total, int checked)> onCountsChanged;

private:
    void rowsReset() override;
    void rowChanged(int row) override;
    void rowAboutToMove(int from, int to) override;
    void rowMoved(int from, int to) override;
    void currentRowChanged(int row) override;
    void countsChanged(int total, int checked) override;

    ImageListPanel& m_panel;
};

} // namespace vistrel::ui
