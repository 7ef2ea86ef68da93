// SPDX-License-Identifier: MIT
#include "ui/controls/CHotStatic.h"

#include <QApplication>
#include <QFont>
#include <QMouseEvent>
#include <QPalette>

#include "platform/DocumentOpener.h"
#include "ui/shell/QtText.h"

namespace vistrel::ui {

CHotStatic::CHotStatic(DocumentOpener& opener, QWidget* parent) : QLabel(parent), m_opener(opener) {
    // Only the underline is the label's own: family and size still follow the dialog's font.
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    showColour();
}

void CHotStatic::SetTarget(const QString& target) {
    m_target = target;
}

void CHotStatic::showColour() {
    // Only the text colour is the label's own, as with the font.
    QPalette colours;
    colours.setColor(QPalette::WindowText, m_hover     ? kHoverColour
                                           : m_visited ? kVisitedColour
                                                       : kNormalColour);
    setPalette(colours);
}

void CHotStatic::enterEvent(QEnterEvent* event) {
    m_hover = true;
    showColour();
    QLabel::enterEvent(event);
}

void CHotStatic::leaveEvent(QEvent* event) {
    m_hover = false;
    m_pressed = false;
    showColour();
    QLabel::leaveEvent(event);
}

void CHotStatic::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    event->accept();
}

void CHotStatic::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    // As with a button, a press that is dragged off the label before release is no click.
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) {
        open();
    }
}

void CHotStatic::open() {
    const QString target = m_target.isEmpty() ? text() : m_target;
    if (!m_opener.open(stdText(target))) {
        QApplication::beep();
        return;
    }
    m_visited = true;
    showColour();
}

} // namespace vistrel::ui
