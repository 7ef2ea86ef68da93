// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLineEdit;

namespace vistrel::ui {

class CIconButton;
class FileDialogs;

// A colour as the settings pages edit it: a swatch, the colour's text ("#RRGGBB") and a button
// that opens the colour dialog. The swatch paints the text by the program's reading rule (the
// first character skipped, each missing or bad pair 0), whatever the text is. The user's edits
// and a colour chosen in the dialog (written as "#%02X%02X%02X") are reported by edited(); a
// fill by setText() is not.
class ColourRow final : public QWidget {
    Q_OBJECT

public:
    ColourRow(FileDialogs& dialogs, QWidget* parent);

    QString text() const;
    // Shows text without reporting it as an edit.
    void setText(const QString& text);
    // Enables or disables the swatch, the text and the button together.
    void setRowEnabled(bool enabled);
    QLineEdit* textBox() const { return m_text; }
    CIconButton* button() const { return m_button; }
    // The colour the swatch paints.
    QColor swatchColour() const;

signals:
    void edited(const QString& text);

private:
    void chooseColour();

    FileDialogs& m_dialogs;
    QWidget* m_swatch;
    QLineEdit* m_text;
    CIconButton* m_button;
};

} // namespace vistrel::ui
