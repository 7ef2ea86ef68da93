// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string_view>

#include <QDialog>

namespace Ui {
class CSetNavLayout;
}

namespace vistrel::ui {

struct PageContext;

// The dialog "画像リンクのレイアウト": how wide the table of the previous and next links of
// the main pages is (following the image, or a fixed width), and whether the links to the top
// page and to the thumbnail page stand in the same row. It shows the settings when it opens and
// stores them on "OK": the width text as typed, and only when the fixed width is chosen.
// "キャンセル" stores nothing. Run it modally while no create run is under way.
class CSetNavLayout final : public QDialog {
    Q_OBJECT

public:
    CSetNavLayout(PageContext& context, QWidget* parent);
    ~CSetNavLayout() override;

private:
    void store(std::string_view key, std::string_view text);
    void onOk();

    std::unique_ptr<Ui::CSetNavLayout> m_ui;
    PageContext& m_context;
};

} // namespace vistrel::ui
