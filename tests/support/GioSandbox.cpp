// SPDX-License-Identifier: MIT
#include "support/GioSandbox.h"

#include <stdlib.h>

#include <system_error>

namespace vistrel::test {
namespace {

std::filesystem::path& sandboxHome() {
    static std::filesystem::path home;
    return home;
}

void point(const char* variable, const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    ASSERT_FALSE(error) << "cannot create " << folder << ": " << error.message();
    ASSERT_EQ(::setenv(variable, folder.c_str(), 1), 0) << variable;
}

// Registered while the program starts, hence before the first test and any GLib call in it.
[[maybe_unused]] ::testing::Environment* const kRegistered =
    ::testing::AddGlobalTestEnvironment(new GioSandbox);

} // namespace

void GioSandbox::SetUp() {
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    std::string name =
        ((error ? std::filesystem::path("/tmp") : temporary) / "vistrel-home-XXXXXX").string();
    ASSERT_NE(::mkdtemp(name.data()), nullptr) << "cannot create " << name;
    sandboxHome() = name;
    point("HOME", home());
    point("XDG_DATA_HOME", dataHome());
    point("XDG_CONFIG_HOME", home() / ".config");
    point("XDG_CACHE_HOME", home() / ".cache");
    ASSERT_EQ(::setenv("GIO_USE_VFS", "local", 1), 0);
}

void GioSandbox::TearDown() {
    if (sandboxHome().empty()) {
        return;
    }
    std::error_code error;
    std::filesystem::remove_all(sandboxHome(), error);
    EXPECT_FALSE(error) << "cannot remove " << sandboxHome() << ": " << error.message();
    sandboxHome().clear();
}

const std::filesystem::path& GioSandbox::home() {
    EXPECT_FALSE(sandboxHome().empty()) << "the GIO sandbox is not set up";
    return sandboxHome();
}

std::filesystem::path GioSandbox::dataHome() {
    return home() / ".local" / "share";
}

} // namespace vistrel::test
