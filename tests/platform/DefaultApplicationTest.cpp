// SPDX-License-Identifier: MIT
#include "platform/FileSystem.h"

#include <cerrno>
#include <system_error>

#include <gtest/gtest.h>

#include "support/GioSandbox.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::GioSandbox;
using test::TempDir;

// Only failures are run here: a success would start a real application on the desktop.
TEST(OpenWithDefaultApplication, ReportsAMissingFileWithoutStartingAnything) {
    // The user's own application choices must not take part.
    ASSERT_FALSE(GioSandbox::home().empty());
    TempDir dir;

    for (const std::string name : {"missing.html", "写真 1.jpg"}) {
        SCOPED_TRACE(name);
        const std::string missing = dir.file(name);
        const Status opened = openWithDefaultApplication(missing);
        EXPECT_FALSE(opened.ok());
        EXPECT_EQ(opened.path(), missing);
        EXPECT_EQ(opened.cause(), std::generic_category().message(ENOENT));
    }
}

} // namespace
} // namespace vistrel
