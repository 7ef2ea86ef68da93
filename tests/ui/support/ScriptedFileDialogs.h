// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <optional>

#include <QColor>
#include <QString>
#include <QStringList>

#include "ui/shell/FileDialogs.h"

namespace vistrel::ui::test {

// Plays the user in the common dialogs: each dialog takes the next scripted answer of its kind
// (nullopt stands for Cancel) and records the title, start and filters it was opened with. A
// dialog with no answer left records a test failure and is cancelled.
class ScriptedFileDialogs final : public FileDialogs {
public:
    std::optional<QString> chooseFolder(QWidget* parent, const QString& title,
                                        const QString& start) override;
    std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& start,
                                    const QString& filters) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& start,
                                    const QString& filters) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;

    std::deque<std::optional<QString>> folders;
    std::deque<std::optional<QString>> openFiles;
    std::deque<std::optional<QString>> saveFiles;
    std::deque<std::optional<QColor>> colours;

    // One line per dialog opened: "folder|<title>|<start>", "open|<title>|<start>|<filters>",
    // "save|...", "colour|<initial #RRGGBB>".
    QStringList calls;
};

} // namespace vistrel::ui::test
