// SPDX-License-Identifier: MIT
#include "ui/window/CPreview.h"

#include <QPainter>

#include "catalogue/SourceInformation.h"
#include "ui/shell/QtText.h"

namespace vistrel::ui {

CPreview::CPreview(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CPreview::showPicture(const QImage& picture, QPoint at) {
    m_picture = picture;
    m_at = at;
    m_notAnImage = false;
    update();
}

void CPreview::showNotAnImage() {
    m_picture = QImage();
    m_notAnImage = true;
    update();
}

void CPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (m_notAnImage) {
        QFont font = this->font();
        font.setPointSize(10);
        painter.setFont(font);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignHCenter | Qt::AlignVCenter, qText(kNotAnImageText));
        return;
    }
    if (!m_picture.isNull()) {
        painter.drawImage(m_at, m_picture);
    }
}

} // namespace vistrel::ui
