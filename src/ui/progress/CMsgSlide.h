// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CMsgSlide;
}

namespace vistrel::ui {

// The modeless wait notice "作成中..." of a run that writes the slideshow page: message and
// "キャンセル". Cancel only closes the notice; the slideshow page is still written whole.
class CMsgSlide : public QDialog {
    Q_OBJECT

public:
    // owner is the main window: a dialog of its own stays usable while the main window is
    // modal.
    CMsgSlide(QWidget* owner, const QString& message);
    ~CMsgSlide() override;

private:
    std::unique_ptr<Ui::CMsgSlide> m_ui;
};

} // namespace vistrel::ui
