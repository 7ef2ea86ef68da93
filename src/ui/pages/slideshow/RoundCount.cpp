// SPDX-License-Identifier: MIT
#include "ui/pages/slideshow/RoundCount.h"

#include "text/DecimalText.h"

namespace vistrel::ui {

std::optional<std::int32_t> roundCountFromText(std::string_view text) {
    const std::int32_t count = saturatedInt32(scanDecimal(text, true));
    if (count < 1) {
        return std::nullopt;
    }
    return count;
}

} // namespace vistrel::ui
