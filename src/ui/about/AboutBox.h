// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QDialog>

namespace vistrel {
class DocumentOpener;
} // namespace vistrel

namespace Ui {
class AboutBox;
} // namespace Ui

namespace vistrel::ui {

// The modal box with the program's icon, name, version and second line, and the home page and
// mail address as links that the opener opens. Closing it has no other effect.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    // The opener is not owned and must outlive the box.
    AboutBox(QWidget* parent, DocumentOpener& opener);
    ~AboutBox() override;

private:
    std::unique_ptr<Ui::AboutBox> m_ui;
};

} // namespace vistrel::ui
