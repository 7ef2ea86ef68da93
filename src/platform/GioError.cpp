// SPDX-License-Identifier: MIT
#include "platform/GioError.h"

namespace vistrel::detail {

std::string takeGioErrorMessage(GError* error) {
    if (error == nullptr) {
        return "GIO reported a failure without a message";
    }
    std::string message = error->message != nullptr ? error->message : "";
    g_error_free(error);
    return message;
}

} // namespace vistrel::detail
