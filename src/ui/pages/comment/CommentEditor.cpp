// SPDX-License-Identifier: MIT
#include "ui/pages/comment/CommentEditor.h"

#include <optional>

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "catalogue/CommentFile.h"
#include "catalogue/CommentLines.h"
#include "catalogue/ImageList.h"
#include "catalogue/ImageListPanel.h"
#include "ui/pages/PageContext.h"
#include "ui/shell/FileDialogs.h"
#include "ui/shell/QtText.h"

namespace vistrel::ui {
namespace {

constexpr const char* kSaveTitle = "名前を付けて保存";
constexpr const char* kOpenTitle = "ファイルを開く";
// The comment file's one filter, as the file dialogs write filters.
constexpr const char* kCommentFileFilter = "ｺﾒﾝﾄ ﾌｧｲﾙ (*.vtc)";

} // namespace

CommentEditor::CommentEditor(PageContext& context, const Controls& controls, QWidget* page)
    : m_context(context), m_controls(controls), m_page(page) {
    connect(m_controls.box, &QPlainTextEdit::textChanged, this, &CommentEditor::boxEdited);
    connect(m_controls.previous, &QAbstractButton::clicked, this, [this] { step(-1); });
    connect(m_controls.next, &QAbstractButton::clicked, this, [this] { step(1); });
    connect(m_controls.save, &QAbstractButton::clicked, this, &CommentEditor::save);
    connect(m_controls.load, &QAbstractButton::clicked, this, &CommentEditor::load);
    list().addObserver(this);
    showCurrentComment();
}

CommentEditor::~CommentEditor() {
    list().removeObserver(this);
}

ImageList& CommentEditor::list() const {
    return m_context.panel.list();
}

void CommentEditor::boxEdited() {
    const int row = list().currentRow();
    if (row < 0 || row >= list().rowCount()) {
        return;
    }
    list().setComment(row, storedCommentFromBox(stdText(m_controls.box->toPlainText())));
}

void CommentEditor::step(int step) {
    // As an arrow key in the list: the list moves its current row, the window shows it.
    if (list().stepCurrentRow(step)) {
        m_context.showRow(list().currentRow());
    }
}

void CommentEditor::save() {
    const std::optional<QString> path = m_context.seams.dialogs.saveFile(
        m_page, QString::fromUtf8(kSaveTitle), QString::fromUtf8(kCommentFileName),
        QString::fromUtf8(kCommentFileFilter));
    if (path) {
        SaveComments(list(), stdText(*path), m_context.seams.prompter);
    }
}

void CommentEditor::load() {
    const std::optional<QString> path = m_context.seams.dialogs.openFile(
        m_page, QString::fromUtf8(kOpenTitle), QString(), QString::fromUtf8(kCommentFileFilter));
    if (!path) {
        return;
    }
    const int before = list().currentRow();
    // A load into a list without a current row makes the first row current: the window shows
    // it as it shows a row the user picks.
    if (LoadComments(list(), stdText(*path), m_context.seams.prompter) &&
        list().currentRow() != before) {
        m_context.showRow(list().currentRow());
    }
}

void CommentEditor::showCurrentComment() {
    const int row = list().currentRow();
    const bool shown = row >= 0 && row < list().rowCount();
    const QSignalBlocker blocker(m_controls.box);
    m_controls.box->setPlainText(shown ? qText(boxTextFromStoredComment(list().comment(row)))
                                       : QString());
    m_controls.box->setEnabled(shown);
}

void CommentEditor::rowsReset() {
    // A refill (another folder, other file types) leaves no current row; a sort leaves the
    // current row where it stands or moves it, which currentRowChanged then shows.
    showCurrentComment();
}

void CommentEditor::rowChanged(int row) {
    // The box's own edits come back here unchanged; a load replaces the comment under it.
    if (row == list().currentRow() &&
        list().comment(row) != storedCommentFromBox(stdText(m_controls.box->toPlainText()))) {
        showCurrentComment();
    }
}

void CommentEditor::currentRowChanged(int) {
    showCurrentComment();
}

} // namespace vistrel::ui
