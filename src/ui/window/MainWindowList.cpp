// SPDX-License-Identifier: MIT
// The left half of the main window: the folder, the type boxes, the list and the preview.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "catalogue/TypeBoxes.h"
#include "ui/shell/FileDialogs.h"
#include "ui/shell/QtText.h"
#include "ui/window/CPreview.h"
#include "ui/window/ImageListView.h"
#include "ui/window/MainWindow.h"
#include "ui/window/PreviewLoader.h"

namespace vistrel::ui {
namespace {

constexpr const char* kBrowseTitle = "画像ファイルの有るフォルダを選んでください";

} // namespace

void MainWindow::folderEdited(const QString& text) {
    if (!m_panel.setFolderText(stdText(text))) {
        // A run is under way: the box goes back to the folder the run works from.
        m_folderBox->setText(qText(m_panel.folderText()));
    }
}

void MainWindow::browseFolder() {
    if (m_panel.runInProgress().active()) {
        return;
    }
    const std::optional<QString> chosen = m_seams.dialogs.chooseFolder(
        this, QString::fromUtf8(kBrowseTitle), qText(m_panel.folderText()));
    if (!chosen) {
        return;
    }
    QString folder = *chosen;
    if (folder != QStringLiteral("/")) {
        folder += u'/';
    }
    m_folderBox->setText(folder);
    folderEdited(folder);
}

void MainWindow::typeBoxClicked(int index) {
    m_panel.clickTypeBox(static_cast<TypeBox>(index), m_seams.prompter);
    // Whatever the answer, the boxes show the panel's state: a No puts the mark back.
    showTypeBoxes();
}

void MainWindow::showTypeBoxes() {
    for (std::size_t i = 0; i < m_typeBoxes.size(); ++i) {
        const auto box = static_cast<TypeBox>(i);
        m_typeBoxes.at(i)->setChecked(m_panel.typeBoxes().isChecked(box));
        m_typeBoxes.at(i)->setEnabled(m_panel.typeBoxes().isEnabled(box));
    }
}

void MainWindow::toggleSelectAll() {
    if (m_panel.toggleSelectAll()) {
        m_selectAll->setText(qText(m_panel.selectAllCaption()));
    }
}

void MainWindow::headerClicked(int column) {
    m_panel.sortByColumn(column);
    // The mark stays with the sorted column even when a run refused the click.
    m_list->showSortMark(m_panel.list().sortColumn(), m_panel.list().sortFlag());
}

void MainWindow::rowClicked(int row) {
    m_panel.list().setCurrentRow(row);
    showRow(row);
}

void MainWindow::stepRow(int step) {
    if (m_panel.list().stepCurrentRow(step)) {
        showRow(m_panel.list().currentRow());
    }
}

void MainWindow::rowDropped(int from, int target) {
    m_panel.moveRow(from, target);
}

void MainWindow::showRow(int row) {
    if (row < 0 || row >= m_panel.list().rowCount()) {
        return;
    }
    m_loader->request({m_panel.folderText(), m_panel.list().row(row).name, m_preview->size(),
                       m_preview->palette().color(QPalette::Button)});
}

void MainWindow::previewShown(const PreviewResult& result) {
    for (const PreviewMessage& message : result.messages) {
        if (message.fileName.empty()) {
            m_seams.prompter.message(message.caption, message.text, message.icon);
        } else {
            m_seams.prompter.messageAbout(message.caption, message.text, message.icon,
                                          message.fileName);
        }
    }
    if (!result.information) {
        return;
    }
    if (result.information->isImage) {
        m_preview->showPicture(result.picture, QPoint(0, 0));
    } else {
        m_preview->showNotAnImage();
    }
    m_resolution->setText(qText(result.information->resolution));
    m_colours->setText(qText(result.information->colours));
}

void MainWindow::showCounts() {
    m_countLabel->setText(qText(m_panel.list().countLabel()));
}

} // namespace vistrel::ui
