// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include <glib.h>

namespace vistrel::detail {

// The message of a GError a GIO call reported, for a Status cause; the error is freed.
// A null error (a call that failed without saying why) gives a generic message.
std::string takeGioErrorMessage(GError* error);

} // namespace vistrel::detail
