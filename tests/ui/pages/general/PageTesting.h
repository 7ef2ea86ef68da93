// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include "app/SettingsTable.h"
#include "ui/pages/SettingsPage.h"
#include "ui/window/SettingsTabs.h"
#include "window/WindowFixture.h"

namespace vistrel::ui::test {

// The settings pages inside a real main window: the page of a tab, its controls by their object
// names, and the user's clicks and typing on them.
class PageTest : public ::testing::Test {
protected:
    // Opens the window over fixture.settings with tab index selected.
    SettingsPage& openPage(int index) {
        MainWindow& window = fixture.open();
        window.tabs().tabBar()->setCurrentIndex(index);
        m_page = &window.page(index);
        return *m_page;
    }

    // The control of the open page, or of page index when given, named name.
    template <typename Widget> Widget* find(const char* name, int index = -1) {
        QWidget* page = index < 0 ? m_page : &fixture.window().page(index);
        auto* widget = page->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // A click near the left edge, where a check box or radio button has its mark.
    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(std::min(8, button->width() / 2), button->height() / 2));
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
