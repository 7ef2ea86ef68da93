// SPDX-License-Identifier: MIT
#include "ui/progress/CMsgDialog.h"

#include "platform/CancelFlag.h"
#include "ui_CMsgDialog.h"

namespace vistrel::ui {

CMsgDialog::CMsgDialog(QWidget* owner, CancelFlag& cancel, const QString& message)
    : QDialog(owner), m_ui(std::make_unique<Ui::CMsgDialog>()), m_cancel(cancel) {
    m_ui->setupUi(this);
    m_ui->message->setText(message);
}

CMsgDialog::~CMsgDialog() = default;

void CMsgDialog::SetProgress(int done, int total) {
    if (const auto percentage = m_percentage.update(done, total)) {
        // The bar repaints itself at once for a value that shows, so the run, which keeps the
        // event loop waiting, never holds a change back.
        m_ui->bar->setValue(*percentage);
    }
}

void CMsgDialog::reject() {
    // Queued rather than set here, as a request the run takes at its next pump; a request
    // still queued when the dialog goes is dropped with it, the run being over.
    QMetaObject::invokeMethod(
        this, [this] { m_cancel.request(); }, Qt::QueuedConnection);
}

} // namespace vistrel::ui
