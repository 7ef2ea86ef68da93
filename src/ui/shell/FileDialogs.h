// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QColor>
#include <QString>

class QWidget;

namespace vistrel::ui {

// The common dialogs a window opens. Each returns what the user chose, or nullopt when the
// dialog was cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // A folder, pre-selecting start. The path comes without a final "/" (except "/" itself).
    virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& title,
                                                const QString& start) = 0;
    // An existing file to read; filters as Qt writes them ("画像ﾌｧｲﾙ (*.gif *.png)", one a
    // line separated by ";;").
    virtual std::optional<QString> openFile(QWidget* parent, const QString& title,
                                            const QString& start, const QString& filters) = 0;
    // A file to write; a name typed without an extension gets the first filter's.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& title,
                                            const QString& start, const QString& filters) = 0;
    // A colour, starting from initial.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
};

// Qt's own dialogs.
class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> chooseFolder(QWidget* parent, const QString& title,
                                        const QString& start) override;
    std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& start,
                                    const QString& filters) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& start,
                                    const QString& filters) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
};

} // namespace vistrel::ui
