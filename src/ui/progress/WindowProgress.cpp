// SPDX-License-Identifier: MIT
#include "ui/progress/WindowProgress.h"

#include <QCoreApplication>

#include "platform/CancelFlag.h"
#include "ui/progress/CMsgDialog.h"
#include "ui/progress/CMsgSlide.h"
#include "ui/shell/QtText.h"

namespace vistrel::ui {

WindowProgress::WindowProgress(QWidget* owner, CancelFlag& cancel)
    : m_owner(owner), m_cancel(cancel) {}

WindowProgress::~WindowProgress() {
    close();
}

void WindowProgress::open(ProgressKind kind, std::string_view text) {
    close();
    switch (kind) {
    case ProgressKind::Thumbnails:
    case ProgressKind::Copy:
        m_display = new CMsgDialog(m_owner, m_cancel, qText(text));
        break;
    case ProgressKind::SlideShow:
        m_display = new CMsgSlide(m_owner, qText(text));
        break;
    }
    m_display->show();
}

void WindowProgress::setProgress(int done, int total) {
    if (auto* dialog = qobject_cast<CMsgDialog*>(m_display)) {
        dialog->SetProgress(done, total);
    }
}

void WindowProgress::close() {
    if (m_display) {
        m_display->hide();
        delete m_display;
    }
}

void WindowProgress::pump() {
    QCoreApplication::processEvents();
}

} // namespace vistrel::ui
