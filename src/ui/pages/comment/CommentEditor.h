// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include "catalogue/ImageListObserver.h"

class QAbstractButton;
class QPlainTextEdit;
class QWidget;

namespace vistrel {
class ImageList;
}

namespace vistrel::ui {

struct PageContext;

// The comment editor of the Comment page: the comment box of the current image, the previous
// and next buttons beside it and the buttons that save and load a comment file. The list is
// the only store of the comments: the box writes every change into the current row at once and
// shows whatever row the list makes current. While the list has no current row (at start,
// after a refill) the box is empty and disabled, so that nothing typed is lost.
class CommentEditor final : public QObject, private ImageListObserver {
    Q_OBJECT

public:
    struct Controls {
        QPlainTextEdit* box = nullptr;
        QAbstractButton* previous = nullptr;
        QAbstractButton* next = nullptr;
        QAbstractButton* save = nullptr;
        QAbstractButton* load = nullptr;
    };

    // The controls belong to page, which also parents the file dialogs and outlives the
    // editor.
    CommentEditor(PageContext& context, const Controls& controls, QWidget* page);
    ~CommentEditor() override;
    CommentEditor(const CommentEditor&) = delete;
    CommentEditor& operator=(const CommentEditor&) = delete;

private:
    ImageList& list() const;
    void boxEdited();
    void step(int step);
    void save();
    void load();
    // Shows the current row's comment in the box and enables it, or empties and disables it
    // when no row of the list is current.
    void showCurrentComment();

    void rowsReset() override;
    void rowChanged(int row) override;
    void rowAboutToMove(int, int) override {}
    void rowMoved(int, int) override {}
    void currentRowChanged(int row) override;
    void countsChanged(int, int) override {}

    PageContext& m_context;
    Controls m_controls;
    QWidget* m_page;
};

} // namespace vistrel::ui
