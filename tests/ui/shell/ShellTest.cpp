// SPDX-License-Identifier: MIT
// What the window takes from the desktop: the Japanese UI font and Qt's texts in Japanese.
#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "ui/shell/QtJapanese.h"
#include "ui/shell/WindowFont.h"

namespace vistrel::ui::test {
namespace {

TEST(TheDesktop, GivesTheWindowsAJapaneseSansSerifAtItsOwnSize) {
    const QString family = japaneseSansFamily();
    ASSERT_FALSE(family.isEmpty());
    EXPECT_TRUE(family.contains(QStringLiteral("CJK JP")) ||
                family.contains(QStringLiteral("Gothic")))
        << family.toStdString();
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), family);
}

TEST(TheDesktop, AsksItsQuestionsWithJapaneseButtons) {
    ASSERT_TRUE(useJapaneseQtTexts(*qApp));
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("はい")))
        << box.button(QMessageBox::Yes)->text().toStdString();
    EXPECT_TRUE(box.button(QMessageBox::No)->text().contains(QStringLiteral("いいえ")));
}

} // namespace
} // namespace vistrel::ui::test
