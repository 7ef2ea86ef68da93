// SPDX-License-Identifier: MIT
#include "ui/shell/FileDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QRegularExpression>

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
    QFileDialog dialog(parent, title, start, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the first filter's, before the dialog asks
    // whether to replace a file of that name.
    const QRegularExpressionMatch extension =
        QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filters);
    if (extension.hasMatch()) {
        dialog.setDefaultSuffix(extension.captured(1));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return chosen(dialog.selectedFiles().constFirst());
}

std::optional<QColor> QtFileDialogs::chooseColor(QWidget* parent, const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, parent);
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return colour;
}

} // namespace vistrel::ui
