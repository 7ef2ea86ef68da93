// SPDX-License-Identifier: MIT
#include "ui/shell/FileDialogs.h"

#include <QColorDialog>
#include <QFileDialog>

namespace vistrel::ui {
namespace {

std::optional<QString> chosen(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

} // namespace

std::optional<QString> QtFileDialogs::chooseFolder(QWidget* parent, const QString& title,
                                                   const QString& start) {
    return chosen(QFileDialog::getExistingDirectory(parent, title, start));
}

std::optional<QString> QtFileDialogs::openFile(QWidget* parent, const QString& title,
                                               const QString& start, const QString& filters) {
    return chosen(QFileDialog::getOpenFileName(parent, title, start, filters));
}

std::optional<QString> QtFileDialogs::saveFile(QWidget* parent, const QString& title,
                                               const QString& start, const QString& filters) {
    return chosen(QFileDialog::getSaveFileName(parent, title, start, filters));
}

std::optional<QColor> QtFileDialogs::chooseColor(QWidget* parent, const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, parent);
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return colour;
}

} // namespace vistrel::ui
