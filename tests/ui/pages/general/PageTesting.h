// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/SettingsTable.h"
#include "pages/comment/PageWidgets.h"
#include "ui/pages/SettingsPage.h"
#include "window/WindowFixture.h"

namespace vistrel::ui::test {

// The settings pages inside a real main window: the page of a tab, its controls by their object
// names, and the user's clicks and typing on them.
class PageTest : public ::testing::Test {
protected:
    // Opens the window over fixture.settings with tab index selected.
    SettingsPage& openPage(int index) {
        m_page = &openOnPage(fixture, index);
        return *m_page;
    }

    // The control of the open page, or of page index when given, named name.
    template <typename Widget> Widget* find(const char* name, int index = -1) {
        return pageControl<Widget>(index < 0 ? *m_page : fixture.window().page(index), name);
    }

    // Replaces the text of box as a user does: selects it all and types text over it.
    static void retype(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(box, text);
        }
    }

    // Plays the user in the modal Dialog that a click on opener brings up: act gets the dialog
    // once it is up, and closes it.
    template <typename Dialog>
    static void whileDialogIsOpen(QAbstractButton* opener,
                                  const std::function<void(Dialog&)>& act) {
        bool acted = false;
        const User user([&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return false;
            }
            act(*dialog);
            acted = true;
            return true;
        });
        clickBox(opener);
        EXPECT_TRUE(acted);
    }

    // A click on the push button of dialog named button.
    static void press(QWidget& dialog, const char* button) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }

    // Moves the selection of a drop-down list one entry on with the keyboard.
    static void chooseNext(QComboBox* list) {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
    }

    // Every stored setting as "key=value", so that a difference names the setting.
    static std::vector<std::string> storedTexts(const Settings& settings) {
        std::vector<std::string> texts;
        for (const SettingDescriptor& descriptor : settingsInSaveOrder()) {
            texts.push_back(std::string(descriptor.key) + "=" + settingText(settings, descriptor));
        }
        return texts;
    }

    WindowFixture fixture;

private:
    SettingsPage* m_page = nullptr;
};

} // namespace vistrel::ui::test
