// SPDX-License-Identifier: MIT
#include "platform/FileSystem.h"

#include <memory>

#include <gio/gio.h>

#include "platform/GioError.h"

namespace vistrel {

Status trashFile(const std::string& path) {
    // A path, never a URI: a local name containing ":" must not be taken for an address.
    const std::unique_ptr<GFile, void (*)(gpointer)> file(g_file_new_for_path(path.c_str()),
                                                          &g_object_unref);
    GError* error = nullptr;
    if (!g_file_trash(file.get(), nullptr, &error)) {
        return Status::failure(path, detail::takeGioErrorMessage(error));
    }
    return Status::success();
}

} // namespace vistrel
