// SPDX-License-Identifier: MIT
#include "ui/shell/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/shell/QtText.h"

namespace vistrel::ui {
namespace {

QMessageBox::Icon boxIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Stop:
        return QMessageBox::Critical;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The box stands over the modal window the user is working in (a progress dialog during a run,
// the main window otherwise), so that it takes the input that window would have taken.
QWidget* owner() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

int show(std::string_view caption, std::string_view text, PromptIcon icon,
         QMessageBox::StandardButtons buttons, std::string_view fileName = {}) {
    QMessageBox box(boxIcon(icon), qText(caption), qText(text), buttons, owner());
    if (!fileName.empty()) {
        box.setInformativeText(qText(fileName));
    }
    return box.exec();
}

} // namespace

void MessageBoxPrompter::message(std::string_view caption, std::string_view text, PromptIcon icon) {
    show(caption, text, icon, QMessageBox::Ok);
}

void MessageBoxPrompter::messageAbout(std::string_view caption, std::string_view text,
                                      PromptIcon icon, std::string_view fileName) {
    show(caption, text, icon, QMessageBox::Ok, fileName);
}

bool MessageBoxPrompter::ask(std::string_view caption, std::string_view text, PromptIcon icon) {
    return show(caption, text, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace vistrel::ui
