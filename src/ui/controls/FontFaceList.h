// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include <QString>
#include <QStringList>

namespace vistrel::ui {

// The item of the font list that leaves the page's font to the browser.
inline const QString kNoFontFace = QStringLiteral("指定しない");

// One installed face as fontconfig lists it: a family name and its font format ("TrueType",
// "CFF", "Type 1", "PCF" …).
struct InstalledFace {
    QString family;
    QString format;
};

// The items of the font list: "指定しない" and the family of every TrueType or CFF (OpenType)
// face, each name once, all sorted without regard to letter case (names that differ only in
// case keep a fixed order among themselves).
QStringList fontFaceItems(const std::vector<InstalledFace>& faces);

} // namespace vistrel::ui
