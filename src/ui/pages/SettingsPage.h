// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include <QAbstractButton>
#include <QWidget>

#include "ui/pages/PageContext.h"

namespace vistrel {
struct ControlStates;
}

namespace vistrel::ui {

// A page of the main window's settings tabs. A page fills its controls from the settings at its
// start without storing anything (the window has already stored what the pages show at start),
// and stores a setting the moment the user changes its control, through store(). The mode rule
// reaches the page's controls through showControlStates.
class SettingsPage : public QWidget {
    Q_OBJECT

public:
    SettingsPage(PageContext& context, QWidget* parent);

    // Enables and disables the page's controls as the rule says.
    virtual void showControlStates(const ControlStates& states) = 0;

protected:
    PageContext& context() const { return m_context; }
    Settings& settings() const { return m_context.settings; }

    // Stores text (as the settings file writes it) into the setting named key and tells the
    // views. False, with nothing stored, while a create run is under way: the control then goes
    // back to what is stored.
    bool store(std::string_view key, std::string_view text);
    bool store(std::string_view key, std::int64_t number);

    // Stores the tick of box into key as 1 or 0 when the user clicks it; while that is refused
    // the box shows stored again (ticked for any value but 0). Then calls then, when given.
    void connectBox(QAbstractButton* box, std::string_view key, const std::int32_t& stored,
                    std::function<void()> then = {});

private:
    PageContext& m_context;
};

} // namespace vistrel::ui
