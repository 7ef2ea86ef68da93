// SPDX-License-Identifier: MIT
#include "support/RecordingOpener.h"

namespace vistrel::ui::test {

Status RecordingOpener::open(const std::string& pathOrUrl) {
    opened.push_back(pathOrUrl);
    if (fails) {
        return Status::failure(pathOrUrl, "no application");
    }
    return Status::success();
}

} // namespace vistrel::ui::test
