// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

namespace vistrel::ui {

// The drop-down list of the font faces a page can name: "指定しない" and the installed
// TrueType and OpenType families, in the order of fontFaceItems.
class CFontCombo : public QComboBox {
    Q_OBJECT

public:
    explicit CFontCombo(QWidget* parent = nullptr);

    // Empties the list and fills it again from the fonts installed now.
    void FillFonts();
};

} // namespace vistrel::ui
