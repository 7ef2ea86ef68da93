// SPDX-License-Identifier: MIT
// The main window's commands: view, help, the version information, and ending during a run.
#include <filesystem>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "ui/about/AboutBox.h"
#include "ui/progress/CMsgDialog.h"
#include "ui/window/MainWindowTable.h"
#include "window/WindowFixture.h"

namespace vistrel::ui::test {
namespace {

TEST(TheViewButton, SaysThePageIsNotMadeYetAndOpensItOnceItIs) {
    WindowFixture fixture;
    fixture.open();
    fixture.click(control::kView);
    ASSERT_EQ(fixture.prompter.calls.size(), 1u);
    EXPECT_EQ(fixture.prompter.calls[0].caption, "ファイルエラー");
    EXPECT_EQ(fixture.prompter.calls[0].text,
              "catalog ファイルが作成されていません。最初にサムネイルを作成して下さい。");
    EXPECT_TRUE(fixture.opener.opened.empty());

    fixture.dir.write("site/catalog.html", "<HTML></HTML>");
    fixture.click(control::kView);
    EXPECT_EQ(fixture.opener.opened,
              std::vector<std::string>{fixture.dir.file("site/catalog.html")});

    fixture.opener.fails = true;
    fixture.click(control::kView);
    EXPECT_EQ(fixture.prompter.calls.back().text, "ブラウザの起動に失敗しました。");
}

TEST(TheHelpButton, OpensTheManualBesideTheProgram) {
    WindowFixture fixture;
    fixture.open();
    fixture.click(control::kHelp);
    ASSERT_EQ(fixture.opener.opened.size(), 1u);
    const std::string& manual = fixture.opener.opened[0];
    EXPECT_TRUE(manual.ends_with("/manual/index.html")) << manual;
    EXPECT_TRUE(std::filesystem::exists(manual)) << manual;
    EXPECT_TRUE(fixture.prompter.calls.empty());
}

TEST(TheVersionInformation, OpensFromTheWindowsMenuAndFromTheProgramIcon) {
    WindowFixture fixture;
    MainWindow& window = fixture.open();
    QString menuEntry;
    QString aboutTitle;
    int aboutsClosed = 0;
    const User user([&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QAction* entry = menu->actions().value(0);
            menuEntry = entry->text();
            // Chosen from the menu's own loop, so that this user goes on acting meanwhile.
            QTimer::singleShot(0, menu, [menu, entry] {
                menu->setActiveAction(entry);
                QTest::keyClick(menu, Qt::Key_Return);
            });
            return false;
        }
        if (auto* about = qobject_cast<AboutBox*>(QApplication::activeModalWidget())) {
            aboutTitle = about->windowTitle();
            about->accept();
            ++aboutsClosed;
        }
        return aboutsClosed == 2;
    });
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(10, 10),
                              window.mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(&window, &request);
    ASSERT_TRUE(waitUntil([&] { return aboutsClosed == 1; }));
    EXPECT_EQ(menuEntry.toStdString(), "Vistrel !! のバージョン情報(&A)...");
    EXPECT_EQ(aboutTitle.toStdString(), "Vistrel !! のバージョン情報");

    fixture.click(control::kProgramIcon);
    EXPECT_EQ(aboutsClosed, 2);
}

TEST(TheWindowDuringARun, RefusesEditsAndClosesWithOkOnceTheRunHasStopped) {
    WindowFixture fixture;
    for (int i = 0; i < 12; ++i) {
        writePicture(fixture.dir.file("photos/p" + std::to_string(i) + ".png"), 300, 200,
                     Qt::darkGreen);
    }
    std::filesystem::create_directories(fixture.dir.file("site/image"));
    MainWindow& window = fixture.open();
    auto* folder = fixture.control<QLineEdit>(control::kFolderBox);
    bool tried = false;
    const User user([&] {
        if (window.findChild<CMsgDialog*>() == nullptr) {
            return false;
        }
        // The user types into the folder box, presses 全解除 and closes the window.
        QTest::keyClicks(folder, QStringLiteral("x"));
        fixture.click(control::kSelectAll);
        window.close();
        tried = true;
        return true;
    });
    fixture.click(control::kCreate);

    ASSERT_TRUE(tried);
    EXPECT_EQ(folder->text().toStdString(), fixture.dir.file("photos") + "/");
    EXPECT_EQ(window.panel().list().checkedCount(), window.panel().list().rowCount());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    for (const auto& call : fixture.prompter.calls) {
        EXPECT_NE(call.caption, "完了メッセージ") << "the run was cancelled";
    }
}

} // namespace
} // namespace vistrel::ui::test
