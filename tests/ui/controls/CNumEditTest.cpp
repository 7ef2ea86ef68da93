// SPDX-License-Identifier: MIT
#include "ui/controls/CNumEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace vistrel::ui {
namespace {

class ANumEdit : public testing::Test {
protected:
    ANumEdit() {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(edit);
        layout->addWidget(next);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        edit->setFocus();
    }

    QDialog dialog;
    CNumEdit* edit = new CNumEdit(&dialog);
    QLineEdit* next = new QLineEdit(&dialog);
};

TEST_F(ANumEdit, IgnoresTypedLettersButTakesBackspace) {
    QTest::keyClicks(edit, QStringLiteral("1a2 B-3"));
    EXPECT_EQ(edit->text(), QStringLiteral("123"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
}

TEST_F(ANumEdit, KeepsOnlyTheAsciiDigitsOfAPasteWithTheCursorAfterThem) {
    QTest::keyClicks(edit, QStringLiteral("90"));
    edit->setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("1２a3"));
    edit->paste();
    EXPECT_EQ(edit->text(), QStringLiteral("9130"));
    EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST_F(ANumEdit, LeavesTabAndEscapeToItsDialog) {
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
}

} // namespace
} // namespace vistrel::ui
