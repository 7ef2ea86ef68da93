// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "platform/DocumentOpener.h"

namespace vistrel::ui::test {

// Stands for the desktop's default application: writes down everything the window asks to
// open, and fails when told to (as a desktop without a browser would).
class RecordingOpener final : public DocumentOpener {
public:
    Status open(const std::string& pathOrUrl) override;

    std::vector<std::string> opened;
    bool fails = false;
};

} // namespace vistrel::ui::test
