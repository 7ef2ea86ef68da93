// SPDX-License-Identifier: MIT
#include "catalogue/ImageListPanel.h"

#include <utility>

#include "app/Settings.h"
#include "catalogue/ImageFolderScan.h"
#include "platform/Prompter.h"
#include "text/ProgramTexts.h"

namespace vistrel {

ImageListPanel::ImageListPanel(Settings& settings)
    : m_settings(settings), m_typeBoxes(settings.ImageMode) {}

bool ImageListPanel::setFolderText(std::string text) {
    if (m_run.active()) {
        return false;
    }
    m_folderText = std::move(text);
    RefillImageList();
    m_settings.ImagePath = m_folderText;
    return true;
}

void ImageListPanel::completeFolderText(std::string text) {
    m_folderText = std::move(text);
    m_settings.ImagePath = m_folderText;
}

int ImageListPanel::RefillImageList() {
    m_list.clear();
    return ScanImageFolder(m_folderText, m_typeBoxes.mask(), m_settings.Select != 0, m_list);
}

bool ImageListPanel::clickTypeBox(TypeBox box, Prompter& prompter) {
    if (m_run.active() || !m_typeBoxes.isEnabled(box)) {
        return false;
    }
    if (!prompter.ask(texts::kConfirmCaption, texts::kCommentsLostQuestion, PromptIcon::Question)) {
        return false;
    }
    m_typeBoxes.click(box);
    RefillImageList();
    return true;
}

bool ImageListPanel::toggleSelectAll() {
    if (m_run.active()) {
        return false;
    }
    m_settings.Select = m_settings.Select != 0 ? 0 : 1;
    m_list.setAllChecked(m_settings.Select != 0);
    return true;
}

bool ImageListPanel::sortByColumn(int column) {
    if (m_run.active()) {
        return false;
    }
    m_list.sortByColumn(column);
    return true;
}

bool ImageListPanel::moveRow(int from, int target) {
    if (m_run.active()) {
        return false;
    }
    m_list.moveRow(from, target);
    return true;
}

std::string_view ImageListPanel::selectAllCaption() const {
    return m_settings.Select != 0 ? texts::kClearAllCaption : texts::kSelectAllCaption;
}

void ImageListPanel::storeChoices() {
    m_settings.ImageMode = m_typeBoxes.mask();
    m_settings.ImagePath = m_folderText;
}

} // namespace vistrel
