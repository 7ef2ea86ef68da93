// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

class QApplication;

namespace vistrel::ui {

// The family fontconfig gives for "sans-serif:lang=ja" (Noto Sans CJK JP on Debian), or an
// empty text when fontconfig knows none.
QString japaneseSansFamily();

// Every window is laid out in the system's Japanese sans-serif at the desktop's own UI size:
// the application font takes that family and keeps its size.
void useJapaneseUiFont(QApplication& application);

} // namespace vistrel::ui
