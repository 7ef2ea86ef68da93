// SPDX-License-Identifier: MIT
#include "platform/FileSystem.h"

#include <sys/stat.h>

#include <cerrno>
#include <memory>
#include <string_view>

#include <gio/gio.h>

#include "platform/ErrorText.h"
#include "platform/GioError.h"

namespace vistrel {
namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (g_ascii_tolower(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

bool isWebAddress(std::string_view text) {
    return startsWithIgnoringCase(text, "http://") || startsWithIgnoringCase(text, "https://");
}

std::string localFileUri(const std::string& path) {
    // g_file_new_for_path makes a relative path absolute and never reads "name:rest" as a URI
    // scheme, which a file name on Linux may well look like.
    const std::unique_ptr<GFile, void (*)(gpointer)> file(g_file_new_for_path(path.c_str()),
                                                          &g_object_unref);
    const std::unique_ptr<char, void (*)(gpointer)> uri(g_file_get_uri(file.get()), &g_free);
    return uri.get();
}

} // namespace

Status openWithDefaultApplication(const std::string& pathOrUrl) {
    std::string uri = pathOrUrl;
    if (!isWebAddress(pathOrUrl)) {
        // A missing file is reported as such before any application is looked up, so the user
        // reads the plain cause and nothing registered for file addresses is started in vain.
        struct stat info {};
        if (::stat(pathOrUrl.c_str(), &info) != 0) {
            return Status::failure(pathOrUrl, errorText(errno));
        }
        uri = localFileUri(pathOrUrl);
    }
    GError* error = nullptr;
    if (!g_app_info_launch_default_for_uri(uri.c_str(), nullptr, &error)) {
        return Status::failure(pathOrUrl, detail::takeGioErrorMessage(error));
    }
    return Status::success();
}

} // namespace vistrel
