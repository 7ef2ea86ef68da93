// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPushButton>
#include <QSize>
#include <QString>

#include "ui/controls/IconButtonGeometry.h"

namespace vistrel::ui {

// A push button that draws a small icon and, when it has one, its caption: the icon at the
// left margin with the caption centred in the room beside it, or the icon alone centred. The
// face is the style's own push button, sunk while pressed; a disabled button greys both icon
// and caption. Icon-only buttons get their tool tip and accessible name from their owner.
class CIconButton : public QPushButton {
    Q_OBJECT

public:
    explicit CIconButton(QWidget* parent = nullptr);
    explicit CIconButton(const QString& caption, QWidget* parent = nullptr);

    // Shows the icon of the file or resource at path (":/icons/…"), drawn at width × height
    // pixels, instead of the current one. When it cannot be loaded at that size the button is
    // left without icon and false is returned.
    bool SetIcon(const QString& path, int width, int height);
    // The same for an icon already loaded.
    bool SetIcon(const QIcon& icon, int width, int height);
    // Sets the icon's distance from the left edge (in pixels, used when a caption follows the
    // icon) and returns the one it replaces.
    int SetIconMargin(int margin);

    // Room for the icon, the gap and the caption in the button's current font, with the margin
    // clear all around.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize captionSize() const;

    IconButtonSpacing m_spacing;
    QIcon m_icon;
    QSize m_iconSize;
};

} // namespace vistrel::ui
