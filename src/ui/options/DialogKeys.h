// SPDX-License-Identifier: MIT
#pragma once

#include <QKeyEvent>

namespace vistrel::ui {

// For a page on which the keys a dialog answers by itself (Enter and Return press its default
// button, Escape cancels it) must do nothing: accepts such an event, so that it goes no further
// up to the dialog, and says whether it was one.
inline bool takeDialogKey(QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event.accept();
        return true;
    default:
        return false;
    }
}

} // namespace vistrel::ui
