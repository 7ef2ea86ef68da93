// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

namespace vistrel::ui {

// Builds a Designer form on widget (the window the form describes), so that members initialised
// after the form (the radio groups of a page) can take its controls.
template <typename Form, typename Window> std::unique_ptr<Form> setUpForm(Window* widget) {
    auto form = std::make_unique<Form>();
    form->setupUi(widget);
    return form;
}

} // namespace vistrel::ui
