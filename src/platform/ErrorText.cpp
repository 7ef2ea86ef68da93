// SPDX-License-Identifier: MIT
#include "platform/ErrorText.h"

#include <cstring>

namespace vistrel {

std::string errorText(int error) {
    char buffer[256];
    // The GNU strerror_r returns either buffer or a static text of its own.
    return ::strerror_r(error, buffer, sizeof buffer);
}

} // namespace vistrel
