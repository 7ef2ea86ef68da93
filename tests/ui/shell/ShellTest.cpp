// SPDX-License-Identifier: MIT
// What the window takes from the desktop: the Japanese UI font and Qt's texts in Japanese.
#include <QApplication>
#include <QFileDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "ui/shell/FileDialogs.h"
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

TEST(TheSaveDialog, GivesANameTypedWithoutExtensionTheFiltersOne) {
    const vistrel::test::TempDir dir;
    QtFileDialogs dialogs;
    QTimer user;
    user.setInterval(0);
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(QStringLiteral("album"));
            QMetaObject::invokeMethod(dialog, "accept");
            user.stop();
        }
    });
    user.start();
    const std::optional<QString> chosen =
        dialogs.saveFile(nullptr, QStringLiteral("保存"), QString::fromStdString(dir.file("")),
                         QStringLiteral("コメントファイル (*.vtc);;すべてのファイル (*)"));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(chosen->endsWith(QStringLiteral("/album.vtc"))) << chosen->toStdString();
}

} // namespace
} // namespace vistrel::ui::test
