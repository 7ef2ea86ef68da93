// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QWidget>

#include "ui/pages/SettingsPage.h"
#include "ui/window/SettingsTabs.h"
#include "window/WindowFixture.h"

namespace vistrel::ui::test {

// The control called name on a settings page; a test that looks for a control the page does
// not have stops there.
template <typename Widget> Widget* pageControl(const QWidget& page, const char* name) {
    auto* widget = page.findChild<Widget*>(QString::fromUtf8(name));
    if (widget == nullptr) {
        throw std::runtime_error(std::string("the page has no control ") + name);
    }
    return widget;
}

// Types text into widget as a Japanese input method does: the whole text committed at once.
// (Qt Test's key clicks know only the ASCII keys.)
inline void commitText(QWidget* widget, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

// Replaces the text of box as a user with a Japanese input method does: selects it all, deletes
// it, and commits text at once.
inline void retypeCommitted(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    commitText(box, text);
}

// Clicks a check box or radio button on its mark: a box as wide as its page takes no click in
// the room after its caption.
inline void clickBox(QAbstractButton* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

// Opens the window of fixture on the settings page of tab index, as the user clicks its tab.
inline SettingsPage& openOnPage(WindowFixture& fixture, int index) {
    MainWindow& window = fixture.open();
    window.tabs().tabBar()->setCurrentIndex(index);
    return window.page(index);
}

} // namespace vistrel::ui::test
