// SPDX-License-Identifier: MIT
#include "ui/controls/CIconButton.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

namespace vistrel::ui {
namespace {

constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;

} // namespace

CIconButton::CIconButton(QWidget* parent) : QPushButton(parent) {}

CIconButton::CIconButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

bool CIconButton::SetIcon(const QString& path, int width, int height) {
    return SetIcon(QIcon(path), width, height);
}

bool CIconButton::SetIcon(const QIcon& icon, int width, int height) {
    const QSize size(width, height);
    // A missing or unreadable file still makes a QIcon; it is its empty pixmap that tells.
    const bool loaded = !icon.isNull() && !icon.pixmap(size).isNull();
    m_icon = loaded ? icon : QIcon();
    m_iconSize = loaded ? size : QSize();
    updateGeometry();
    update();
    return loaded;
}

int CIconButton::SetIconMargin(int margin) {
    const int previous = m_spacing.margin;
    m_spacing.margin = margin;
    updateGeometry();
    update();
    return previous;
}

QSize CIconButton::captionSize() const {
    if (text().isEmpty()) {
        return {};
    }
    return fontMetrics().size(kCaptionFlags, text());
}

QSize CIconButton::sizeHint() const {
    return fittingButtonSize(captionSize(), m_iconSize, m_spacing);
}

QSize CIconButton::minimumSizeHint() const {
    return sizeHint();
}

void CIconButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool pressed = isDown();
    const bool enabled = isEnabled();

    // The style draws the face only: icon, caption and focus are placed here.
    QStyleOptionButton face;
    initStyleOption(&face);
    face.text.clear();
    face.icon = QIcon();
    face.state.setFlag(QStyle::State_HasFocus, false);
    style()->drawControl(QStyle::CE_PushButtonBevel, &face, &painter, this);

    const QSize button = size();
    const QString caption = text();
    if (!m_icon.isNull()) {
        const QPoint at = iconPosition(button, m_iconSize, m_spacing, !caption.isEmpty(), pressed);
        const QPixmap pixmap = m_icon.pixmap(m_iconSize, devicePixelRatioF(),
                                             enabled ? QIcon::Normal : QIcon::Disabled);
        painter.drawPixmap(QRect(at, m_iconSize), pixmap);
    }
    if (!caption.isEmpty()) {
        const QSize measured = captionSize();
        const QPoint at = captionPosition(button, measured, m_iconSize, m_spacing, pressed);
        style()->drawItemText(&painter, QRect(at, measured), kCaptionFlags, palette(), enabled,
                              caption, QPalette::ButtonText);
    }
    if (enabled && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = focusRect(button);
        focus.backgroundColor = palette().color(QPalette::Button);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace vistrel::ui
