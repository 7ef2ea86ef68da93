// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>

#include <QDialog>

namespace Ui {
class CSetSize;
}

namespace vistrel {
class Prompter;
}

namespace vistrel::ui {

// The dialog "サムネイル画像サイズの設定": the side, in pixels, of the square a thumbnail is
// fitted into. It opens showing size and stores nothing itself: its page reads size() once it
// ends with OK. OK is refused, with a message and the user's text kept, while the box is empty
// or reads no size above 0.
class CSetSize final : public QDialog {
    Q_OBJECT

public:
    // prompter shows the two messages and must outlive the dialog.
    CSetSize(std::int32_t size, Prompter& prompter, QWidget* parent);
    ~CSetSize() override;

    // The size the box held when OK was taken; the opening size until then.
    std::int32_t size() const { return m_size; }

private:
    void onOk();

    std::unique_ptr<Ui::CSetSize> m_ui;
    Prompter& m_prompter;
    std::int32_t m_size;
};

} // namespace vistrel::ui
