// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

#include <gtest/gtest.h>

namespace vistrel::test {

// Keeps GLib and GIO away from the real user's files for the whole test binary. Before the
// first test it creates a throwaway home folder and points HOME, XDG_DATA_HOME,
// XDG_CONFIG_HOME and XDG_CACHE_HOME into it, and has GIO use the local file system only (no
// desktop session services); at the end it removes the folder. So the Trash is
// dataHome()/"Trash", and it lies on the same file system as files made under home().
//
// GLib reads these variables once, at its first use in the process, and keeps them; so they
// must be set before any test calls into GLib. The sandbox is a global test environment that
// registers itself while the program starts, whenever this file is linked in: a test that
// relies on it calls home() or dataHome(), which also links it in.
class GioSandbox final : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

    // The throwaway home folder; empty (and a test failure) outside a test run.
    static const std::filesystem::path& home();
    // The user data folder GLib uses: home()/".local/share".
    static std::filesystem::path dataHome();
};

} // namespace vistrel::test
