// SPDX-License-Identifier: MIT
#include "support/ScriptedFileDialogs.h"

#include <gtest/gtest.h>

namespace vistrel::ui::test {
namespace {

template <typename Answer> std::optional<Answer> next(std::deque<std::optional<Answer>>& answers) {
    if (answers.empty()) {
        ADD_FAILURE() << "a dialog opened that the test did not expect";
        return std::nullopt;
    }
    // Swapped out rather than copied: GCC 12 at -O3 wrongly warns that a copied optional QString
    // may be read uninitialised.
    std::optional<Answer> answer;
    answer.swap(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

std::optional<QString> ScriptedFileDialogs::chooseFolder(QWidget*, const QString& title,
                                                         const QString& start) {
    calls << QStringList{QStringLiteral("folder"), title, start}.join(u'|');
    return next(folders);
}

std::optional<QString> ScriptedFileDialogs::openFile(QWidget*, const QString& title,
                                                     const QString& start, const QString& filters) {
    calls << QStringList{QStringLiteral("open"), title, start, filters}.join(u'|');
    return next(openFiles);
}

std::optional<QString> ScriptedFileDialogs::saveFile(QWidget*, const QString& title,
                                                     const QString& start, const QString& filters) {
    calls << QStringList{QStringLiteral("save"), title, start, filters}.join(u'|');
    return next(saveFiles);
}

std::optional<QColor> ScriptedFileDialogs::chooseColor(QWidget*, const QColor& initial) {
    calls << QStringLiteral("colour|") + initial.name(QColor::HexRgb).toUpper();
    return next(colours);
}

} // namespace vistrel::ui::test
