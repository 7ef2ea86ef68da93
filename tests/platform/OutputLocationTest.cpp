// SPDX-License-Identifier: MIT
#include "platform/FileSystem.h"

#include <filesystem>
#include <string_view>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

// True when folder is mountPoint or lies below it.
bool liesUnder(const fs::path& folder, std::string_view mountPoint) {
    const std::string path = fs::canonical(folder).string();
    return mountPoint == "/" || path == mountPoint ||
           path.starts_with(std::string(mountPoint) + "/");
}

TEST(ProbeLocation, RootIsAbsoluteWritableAndNotADisc) {
    const LocationInfo root = probeLocation("/");
    EXPECT_TRUE(root.absolute);
    EXPECT_EQ(root.existingFolder, "/");
    EXPECT_EQ(root.mountPoint, "/");
    EXPECT_FALSE(root.optical);
}

TEST(ProbeLocation, MissingFoldersResolveToTheNearestExistingOne) {
    TempDir dir;
    dir.write("page.html", "html");
    const std::string base = dir.path().string();

    for (const std::string& path : {base, base + "/", base + "/site", base + "/site/2024/08/",
                                    base + "/a/../site/./x", base + "/page.html/sub"}) {
        SCOPED_TRACE(path);
        const LocationInfo info = probeLocation(path);
        EXPECT_TRUE(info.absolute);
        EXPECT_EQ(info.existingFolder, base);
        EXPECT_TRUE(liesUnder(dir.path(), info.mountPoint)) << info.mountPoint;
        EXPECT_FALSE(info.readOnly);
        EXPECT_FALSE(info.optical);
    }
}

TEST(ProbeLocation, FindsTheMountOfANestedFileSystem) {
    const LocationInfo info = probeLocation("/proc/no-such-folder/site");
    EXPECT_EQ(info.existingFolder, "/proc");
    EXPECT_EQ(info.mountPoint, "/proc");
    EXPECT_FALSE(info.optical);
}

TEST(ProbeLocation, FollowsALinkedFolderToItsFileSystem) {
    TempDir dir;
    fs::create_directory_symlink("/proc", dir.path() / "proc-link");

    const LocationInfo info = probeLocation(dir.file("proc-link/site"));
    EXPECT_EQ(info.existingFolder, dir.file("proc-link"));
    EXPECT_EQ(info.mountPoint, "/proc");
}

TEST(ProbeLocation, RelativePathsAreNotAbsoluteButStillProbed) {
    TempDir dir;
    const fs::path relative = (dir.path() / "site" / "2024").lexically_relative(fs::current_path());
    ASSERT_TRUE(relative.is_relative()) << relative;

    const LocationInfo info = probeLocation(relative.string());
    EXPECT_FALSE(info.absolute);
    EXPECT_TRUE(fs::equivalent(info.existingFolder, dir.path())) << info.existingFolder;

    EXPECT_FALSE(probeLocation("").absolute);
    EXPECT_FALSE(probeLocation("site").absolute);
    EXPECT_FALSE(probeLocation("./site").absolute);
}

} // namespace
} // namespace vistrel
