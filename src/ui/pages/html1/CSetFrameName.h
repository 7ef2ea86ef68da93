// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CSetFrameName;
}

namespace vistrel {
class Prompter;
struct Settings;
} // namespace vistrel

namespace vistrel::ui {

// The dialog "フレーム属性の設定": the file name of the menu page (shown with the extension of
// every page) and the names of the left and right frames of a framed index. It opens showing
// LeftFile, LeftTarget and RightTarget; OK is refused, with a message and the user's texts kept,
// while the two frame names are the same (byte for byte: letter case counts, two empty names
// are the same). Its page stores the three texts once it ends with OK.
class CSetFrameName final : public QDialog {
    Q_OBJECT

public:
    // prompter shows the message and must outlive the dialog.
    CSetFrameName(const Settings& settings, Prompter& prompter, QWidget* parent);
    ~CSetFrameName() override;

    QString leftFile() const;
    QString leftTarget() const;
    QString rightTarget() const;

private:
    void onOk();

    std::unique_ptr<Ui::CSetFrameName> m_ui;
    Prompter& m_prompter;
};

} // namespace vistrel::ui
