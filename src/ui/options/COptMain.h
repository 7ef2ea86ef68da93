// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class COptMain;
}

namespace vistrel {
struct Settings;
}

namespace vistrel::ui {

// The options dialog "オプション設定": the less often changed settings on four tab pages. The
// pages show the settings when the dialog opens; "OK" writes every page back into settings
// and accepts, "キャンセル" leaves settings untouched. Run it modally over the main window.
class COptMain : public QDialog {
    Q_OBJECT

public:
    // settings must outlive the dialog.
    COptMain(Settings& settings, QWidget* parent);
    ~COptMain() override;

private:
    void onOk();

    std::unique_ptr<Ui::COptMain> m_ui;
    Settings& m_settings;
};

} // namespace vistrel::ui
