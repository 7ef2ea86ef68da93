// SPDX-License-Identifier: MIT
#include "ui/controls/ColourRow.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "support/ScriptedFileDialogs.h"
#include "ui/controls/CIconButton.h"

namespace vistrel::ui::test {
namespace {

TEST(AColourRow, PaintsItsTextByTheReadingRuleEvenWithoutTheNumberSign) {
    ScriptedFileDialogs dialogs;
    ColourRow row(dialogs, nullptr);
    row.setText(QStringLiteral("#FF8000"));
    EXPECT_EQ(row.swatchColour(), QColor(255, 128, 0));
    // Six digits for pure green without "#": the first is skipped, the rest read shifted.
    row.setText(QStringLiteral("00FF00"));
    EXPECT_EQ(row.swatchColour(), QColor(0x0F, 0xF0, 0));
    row.setText(QString());
    EXPECT_EQ(row.swatchColour(), QColor(0, 0, 0));
}

TEST(AColourRow, ReportsTypedTextAndAChosenColourButNotItsOwnFilling) {
    ScriptedFileDialogs dialogs;
    ColourRow row(dialogs, nullptr);
    QSignalSpy edits(&row, &ColourRow::edited);
    row.setText(QStringLiteral("#112233"));
    EXPECT_EQ(edits.count(), 0);

    row.textBox()->selectAll();
    QTest::keyClicks(row.textBox(), QStringLiteral("#abcdef"));
    EXPECT_EQ(edits.last().at(0).toString(), QStringLiteral("#abcdef"));

    dialogs.colours = {QColor(1, 2, 254), std::nullopt};
    QTest::mouseClick(row.button(), Qt::LeftButton);
    EXPECT_EQ(row.text(), QStringLiteral("#0102FE"));
    EXPECT_EQ(edits.last().at(0).toString(), QStringLiteral("#0102FE"));
    EXPECT_EQ(dialogs.calls.last(), QStringLiteral("colour|#ABCDEF"));

    const qsizetype before = edits.count();
    QTest::mouseClick(row.button(), Qt::LeftButton);
    EXPECT_EQ(edits.count(), before) << "a cancelled dialog changes nothing";
    EXPECT_EQ(row.text(), QStringLiteral("#0102FE"));
}

} // namespace
} // namespace vistrel::ui::test
