// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

namespace vistrel::ui {

// Qt's own texts (the Yes and No of a question, the file and colour dialogs) in Japanese, from
// the translations the system installs for Qt. Returns false when they are not installed, in
// which case Qt's texts stay English.
bool useJapaneseQtTexts(QApplication& application);

} // namespace vistrel::ui
