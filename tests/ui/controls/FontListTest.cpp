// SPDX-License-Identifier: MIT
#include "ui/controls/CFontCombo.h"
#include "ui/controls/FontFaceList.h"

#include <gtest/gtest.h>

namespace vistrel::ui {
namespace {

TEST(TheFontList, HoldsEachTrueTypeAndCffFamilyOnceSortedWithoutRegardToCase) {
    const std::vector<InstalledFace> faces = {
        {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("CFF")},
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("TrueType")},
        {QStringLiteral("DejaVu Sans"), QStringLiteral("TrueType")},
        {QStringLiteral("Nimbus Sans"), QStringLiteral("Type 1")},
        {QStringLiteral("DejaVu Sans"), QStringLiteral("TrueType")},
        {QStringLiteral("ヒラギノ角ゴ"), QStringLiteral("CFF")},
        {QStringLiteral("Fixed"), QStringLiteral("PCF")},
        {QStringLiteral("arphic"), QStringLiteral("TrueType")},
        {QString(), QStringLiteral("TrueType")},
        // Names that differ only in case are both kept, upper case first.
        {QStringLiteral("foo"), QStringLiteral("CFF")},
        {QStringLiteral("Foo"), QStringLiteral("CFF")},
    };
    EXPECT_EQ(fontFaceItems(faces),
              (QStringList{QStringLiteral("arphic"), QStringLiteral("DejaVu Sans"),
                           QStringLiteral("Foo"), QStringLiteral("foo"),
                           QStringLiteral("Noto Sans CJK JP"), QStringLiteral("ヒラギノ角ゴ"),
                           kNoFontFace, QStringLiteral("ＭＳ ゴシック")}));
}

TEST(TheFontList, OffersNoFontFaceEvenWithoutOutlineFonts) {
    EXPECT_EQ(fontFaceItems({{QStringLiteral("Fixed"), QStringLiteral("PCF")}}),
              QStringList{kNoFontFace});
}

TEST(TheFontCombo, ListsTheInstalledJapaneseFamilyOnceEachTimeItIsFilled) {
    CFontCombo combo;
    combo.FillFonts();
    const int count = combo.count();
    combo.FillFonts();
    EXPECT_EQ(combo.count(), count);
    EXPECT_GE(combo.findText(kNoFontFace), 0);
    EXPECT_GE(combo.findText(QStringLiteral("Noto Sans CJK JP")), 0);
    for (int i = 1; i < combo.count(); ++i) {
        EXPECT_LE(QString::compare(combo.itemText(i - 1), combo.itemText(i), Qt::CaseInsensitive),
                  0)
            << combo.itemText(i - 1).toStdString() << " before " << combo.itemText(i).toStdString();
    }
}

} // namespace
} // namespace vistrel::ui
