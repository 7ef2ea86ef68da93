// SPDX-License-Identifier: MIT
#include "ui/shell/QtJapanese.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vistrel::ui {

bool useJapaneseQtTexts(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QApplication::installTranslator(translator);
}

} // namespace vistrel::ui
