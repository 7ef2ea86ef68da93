// SPDX-License-Identifier: MIT
#include "ui/pages/SettingsPage.h"

#include <string>
#include <utility>

#include "app/SettingsEdit.h"
#include "catalogue/ImageListPanel.h"

namespace vistrel::ui {

SettingsPage::SettingsPage(PageContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {}

bool SettingsPage::store(std::string_view key, std::string_view text) {
    return editSetting(m_context.settings, key, text, m_context.panel.runInProgress(),
                       m_context.changes);
}

bool SettingsPage::store(std::string_view key, std::int64_t number) {
    return store(key, std::to_string(number));
}

void SettingsPage::connectBox(QAbstractButton* box, std::string_view key,
                              const std::int32_t& stored, std::function<void()> then) {
    connect(box, &QAbstractButton::clicked, this,
            [this, box, key, &stored, then = std::move(then)](bool checked) {
                if (!store(key, checked ? 1 : 0)) {
                    box->setChecked(stored != 0);
                }
                if (then) {
                    then();
                }
            });
}

} // namespace vistrel::ui
