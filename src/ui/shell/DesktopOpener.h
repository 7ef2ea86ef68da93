// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DocumentOpener.h"

namespace vistrel::ui {

// Opens documents and links with the desktop's default application through Qt's desktop
// services, which follow the desktop's own settings (portals included) where GIO may not.
class DesktopOpener final : public DocumentOpener {
public:
    Status open(const std::string& pathOrUrl) override;
};

} // namespace vistrel::ui
