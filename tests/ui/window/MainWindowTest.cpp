// SPDX-License-Identifier: MIT
// The main window as a user meets it: its layout, its tabs, the list, the preview and how it
// ends.
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/window/CPreview.h"
#include "ui/window/ImageListView.h"
#include "ui/window/MainWindowTable.h"
#include "ui/window/SettingsTabs.h"
#include "window/WindowFixture.h"

namespace vistrel::ui::test {
namespace {

using Kind = ScriptedPrompter::Kind;

std::vector<std::string> rowNames(MainWindow& window) {
    std::vector<std::string> names;
    for (int i = 0; i < window.panel().list().rowCount(); ++i) {
        names.push_back(window.panel().list().row(i).name);
    }
    return names;
}

// Whether layout or a layout inside it places control.
bool laysOut(const QLayout* layout, const QWidget* control) {
    if (layout == nullptr) {
        return false;
    }
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == control || laysOut(item->layout(), control)) {
            return true;
        }
    }
    return false;
}

TEST(TheMainWindow, GivesEveryControlTheRoomItNeedsAndNeverScrollsItsTabs) {
    WindowFixture fixture;
    MainWindow& window = fixture.open();
    const QRect client = window.rect();
    for (const ControlRow& row : mainWindowControls()) {
        if (row.id == 0) {
            continue;
        }
        const QWidget* widget = window.control(row.id);
        ASSERT_NE(widget, nullptr) << row.id;
        const QRect place = widget->geometry();
        EXPECT_TRUE(client.contains(place)) << row.id;
        EXPECT_GE(place.width(), widget->minimumSizeHint().width()) << row.id;
        EXPECT_GE(place.height(), widget->minimumSizeHint().height()) << row.id;
        if (row.kind == ControlKind::CheckBox || row.kind == ControlKind::IconButton ||
            row.kind == ControlKind::Button) {
            EXPECT_GE(place.width(), widget->sizeHint().width()) << row.id;
        }
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->parentWidget() == &window) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
    }
    // Every page fits its tab, and every control on it has at least its smallest size.
    for (int tab = 0; tab < SettingsTabs::kPageCount; ++tab) {
        QTest::mouseClick(window.tabs().tabBar(), Qt::LeftButton, {},
                          window.tabs().tabBar()->tabRect(tab).center());
        const QWidget* page = window.tabs().page(tab);
        EXPECT_GE(page->width(), page->minimumSizeHint().width()) << "page " << tab;
        EXPECT_GE(page->height(), page->minimumSizeHint().height()) << "page " << tab;
        for (const QWidget* control : page->findChildren<QWidget*>()) {
            // The controls the page lays out, not the parts inside them (a list's header, an
            // editable list's text box).
            if (control->isVisible() && laysOut(control->parentWidget()->layout(), control)) {
                EXPECT_GE(control->width(), control->minimumSizeHint().width())
                    << "page " << tab << " " << control->metaObject()->className() << " "
                    << control->objectName().toStdString();
                EXPECT_GE(control->height(), control->minimumSizeHint().height())
                    << "page " << tab << " " << control->metaObject()->className() << " "
                    << control->objectName().toStdString();
            }
        }
    }
    const QTabBar* tabBar = window.tabs().tabBar();
    EXPECT_GE(tabBar->width(), tabBar->sizeHint().width());
    EXPECT_EQ(tabBar->tabRect(tabBar->count() - 1).right(), tabBar->sizeHint().width() - 1);
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window keeps its size";
}

TEST(TheMainWindow, ShowsExactlyThePageOfTheSelectedTab) {
    WindowFixture fixture;
    MainWindow& window = fixture.open();
    SettingsTabs& tabs = window.tabs();
    ASSERT_EQ(tabs.tabBar()->count(), SettingsTabs::kPageCount);
    EXPECT_EQ(tabs.tabBar()->tabText(0).toStdString(), "全般");
    EXPECT_EQ(tabs.tabBar()->tabText(5).toStdString(), "音楽");
    const QRect pagePlace = settingsPageRect(tabs.size(), tabs.tabBar()->tabRect(0));
    for (int selected : {3, 5, 0}) {
        QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {},
                          tabs.tabBar()->tabRect(selected).center());
        for (int i = 0; i < SettingsTabs::kPageCount; ++i) {
            EXPECT_EQ(tabs.page(i)->isVisible(), i == selected) << selected << " " << i;
            EXPECT_EQ(tabs.page(i)->geometry(), pagePlace);
        }
    }
}

TEST(TheMainWindow, ListsTheFolderAtStartAndCountsTheCheckedRows) {
    WindowFixture fixture;
    MainWindow& window = fixture.open();
    EXPECT_EQ(rowNames(window), (std::vector<std::string>{"a.jpg", "b.png"}));
    auto* count = fixture.control<QLabel>(control::kCountLabel);
    EXPECT_EQ(count->text().toStdString(), "（総数 ： 2　選択数 : 2）");
    EXPECT_EQ(fixture.control<QPushButton>(control::kSelectAll)->text().toStdString(), "全解除");

    fixture.click(control::kSelectAll);
    EXPECT_EQ(count->text().toStdString(), "（総数 ： 2　選択数 : 0）");
    EXPECT_EQ(fixture.control<QPushButton>(control::kSelectAll)->text().toStdString(), "全選択");

    ImageListView& list = window.listView();
    const QRect box = list.visualRect(list.model()->index(1, 0));
    list.model()->setData(list.model()->index(1, 0), Qt::Checked, Qt::CheckStateRole);
    EXPECT_TRUE(window.panel().list().row(1).checked) << box.height();
    EXPECT_EQ(count->text().toStdString(), "（総数 ： 2　選択数 : 1）");
}

TEST(TheMainWindow, RefillsTheListOnlyWhenTheUserEditsTheFolderBox) {
    WindowFixture fixture;
    fixture.dir.write("other/c.gif", "GIF89a");
    MainWindow& window = fixture.open();
    auto* folder = fixture.control<QLineEdit>(control::kFolderBox);
    folder->selectAll();
    QTest::keyClicks(folder, QString::fromStdString(fixture.dir.file("other") + "/"));
    EXPECT_EQ(rowNames(window), std::vector<std::string>{"c.gif"});
    EXPECT_EQ(fixture.settings.ImagePath, fixture.dir.file("other") + "/");

    // The browser's folder gets its final "/"; a cancelled browser changes nothing.
    fixture.dialogs.folders = {QString::fromStdString(fixture.dir.file("photos")), std::nullopt};
    fixture.click(control::kBrowse);
    EXPECT_EQ(folder->text().toStdString(), fixture.dir.file("photos") + "/");
    EXPECT_EQ(rowNames(window), (std::vector<std::string>{"a.jpg", "b.png"}));
    EXPECT_EQ(fixture.dialogs.calls.last().section(u'|', 1, 1).toStdString(),
              "画像ファイルの有るフォルダを選んでください");
    fixture.click(control::kBrowse);
    EXPECT_EQ(folder->text().toStdString(), fixture.dir.file("photos") + "/");

    // The root folder keeps its one "/".
    fixture.dialogs.folders = {QStringLiteral("/")};
    fixture.click(control::kBrowse);
    EXPECT_EQ(folder->text().toStdString(), "/");
}

TEST(TheMainWindow, AsksBeforeATypeBoxLosesTheCommentsAndKeepsEverythingOnNo) {
    WindowFixture fixture;
    MainWindow& window = fixture.open();
    window.panel().list().setComment(0, "海");
    auto* png = fixture.control<QCheckBox>(control::kPng);

    fixture.prompter.willAnswer(false);
    fixture.click(control::kPng);
    EXPECT_TRUE(png->isChecked());
    EXPECT_EQ(window.panel().list().comment(0), "海");
    ASSERT_EQ(fixture.prompter.calls.size(), 1u);
    EXPECT_EQ(fixture.prompter.calls[0].caption, "確認");

    fixture.prompter.willAnswer(true);
    fixture.click(control::kPng);
    EXPECT_FALSE(png->isChecked());
    EXPECT_EQ(rowNames(window), std::vector<std::string>{"a.jpg"});

    fixture.prompter.willAnswer(true);
    fixture.click(control::kAllFiles);
    EXPECT_FALSE(png->isEnabled());
    EXPECT_EQ(rowNames(window), (std::vector<std::string>{"a.jpg", "b.png", "notes.txt"}));
}

TEST(TheMainWindow, EndsWithOkFromTheCloseBoxKeepingTheFileTypesButStoresThemOnExit) {
    WindowFixture fixture;
    MainWindow& window = fixture.open();
    fixture.prompter.willAnswer(true);
    fixture.click(control::kGif);

    // Enter and Escape in the folder box do not close the window.
    auto* folder = fixture.control<QLineEdit>(control::kFolderBox);
    QTest::keyClick(folder, Qt::Key_Return);
    QTest::keyClick(folder, Qt::Key_Escape);
    QTest::keyClick(&window.listView(), Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());

    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(fixture.settings.ImageMode, 7);

    MainWindow& again = fixture.open();
    fixture.prompter.willAnswer(true);
    fixture.click(control::kGif);
    fixture.click(control::kExit);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_EQ(fixture.settings.ImageMode, 3);
}

TEST(TheMainWindow, SortsByTheClickedColumnAndMovesTheCurrentRowWithTheKeys) {
    WindowFixture fixture;
    fixture.dir.write("photos/c.gif", std::string(3000, 'G'));
    MainWindow& window = fixture.open();
    ImageListView& list = window.listView();
    QHeaderView* header = list.horizontalHeader();

    // Size: c.gif (2 KB) is the largest file; the first click sorts the largest first.
    const int sizeX = header->sectionViewportPosition(1) + header->sectionSize(1) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(sizeX, 5));
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(rowNames(window).front(), "c.gif");
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(sizeX, 5));
    EXPECT_EQ(rowNames(window).back(), "c.gif");
    const int nameX = header->sectionViewportPosition(0) + header->sectionSize(0) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(nameX, 5));
    EXPECT_EQ(rowNames(window), (std::vector<std::string>{"c.gif", "b.png", "a.jpg"}));
    EXPECT_EQ(header->sortIndicatorSection(), 0);

    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(window.panel().list().currentRow(), 0);
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(&list, Qt::Key_Down);
    }
    EXPECT_EQ(window.panel().list().currentRow(), 2) << "no wrap at the end";
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(window.panel().list().currentRow(), 1);
    EXPECT_EQ(list.selectionModel()->currentIndex().row(), 1);
}

TEST(TheDropRule, PutsTheRowBeforeTheRowBelowThePointerOrAtTheEnd) {
    EXPECT_EQ(dropTargetRow(2, 5), 2);
    EXPECT_EQ(dropTargetRow(-1, 5), 5);
    EXPECT_EQ(dropTargetRow(0, 1), 0);
}

TEST(TheMainWindow, MovesADroppedRowWithItsCheckAndComment) {
    WindowFixture fixture;
    MainWindow& window = fixture.open();
    window.panel().list().setComment(0, "青");
    window.panel().list().setChecked(0, false);
    ImageListView& list = window.listView();
    ASSERT_TRUE(list.onRowDropped);
    list.onRowDropped(0, dropTargetRow(-1, 2));
    EXPECT_EQ(rowNames(window), (std::vector<std::string>{"b.png", "a.jpg"}));
    EXPECT_EQ(window.panel().list().comment(1), "青");
    EXPECT_FALSE(window.panel().list().row(1).checked);
    EXPECT_EQ(list.model()->index(1, 0).data().toString().toStdString(), "a.jpg");
}

} // namespace
} // namespace vistrel::ui::test
