// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QDialog>

#include "platform/ProgressPercentage.h"

namespace Ui {
class CMsgDialog;
}

namespace vistrel {
class CancelFlag;
}

namespace vistrel::ui {

// The modeless progress dialog "作成中..." of a run that writes an index (and of the copy of
// the main images): message, a bar from 0 to 100 that opens at 1, and "キャンセル". The dialog
// stays until its owner destroys it: Cancel, Escape and the close box all ask the run to stop
// and leave the dialog standing, since the run goes on until its next look at the cancel flag.
class CMsgDialog : public QDialog {
    Q_OBJECT

public:
    // owner is the main window: a dialog of its own stays usable while the main window is
    // modal. cancel must outlive the dialog.
    CMsgDialog(QWidget* owner, CancelFlag& cancel, const QString& message);
    ~CMsgDialog() override;

    // Moves the bar to floor(done / total x 100) and repaints it at once; nothing happens when
    // that is the percentage shown already (or total is 0 or less).
    void SetProgress(int done, int total);

    // Asks the run to stop, by a call queued on the user-interface thread, which the run takes
    // at its next pump. The dialog stays open.
    void reject() override;

private:
    std::unique_ptr<Ui::CMsgDialog> m_ui;
    CancelFlag& m_cancel;
    ProgressPercentage m_percentage;
};

} // namespace vistrel::ui
