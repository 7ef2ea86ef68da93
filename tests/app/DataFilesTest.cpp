// SPDX-License-Identifier: MIT
#include "app/DataFiles.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace vistrel {
namespace {

void touch(const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path) << "x";
}

TEST(ADataFile, IsFoundBesideTheExecutableBeforeTheInstalledDataFolder) {
    const test::TempDir dir;
    const std::string exe = dir.file("prefix/bin/vistrel");
    touch(exe);
    EXPECT_EQ(findDataFile(exe, "manual/index.html"), std::nullopt);

    touch(dir.file("prefix/share/vistrel/manual/index.html"));
    EXPECT_EQ(findDataFile(exe, "manual/index.html"),
              dir.file("prefix/bin/../share/vistrel/manual/index.html"));

    touch(dir.file("prefix/bin/manual/index.html"));
    EXPECT_EQ(findDataFile(exe, "manual/index.html"), dir.file("prefix/bin/manual/index.html"));
}

TEST(AnInstalledCopy, IsKnownByTheDataFolderBesideItsBinFolderWhateverThePrefix) {
    const test::TempDir dir;
    const std::string exe = dir.file("any/prefix/bin/vistrel-cli");
    touch(exe);
    EXPECT_FALSE(isInstalledCopy(exe));
    EXPECT_FALSE(isInstalledCopy("vistrel-cli"));

    // A file of that name is no data folder.
    touch(dir.file("any/prefix/share/vistrel"));
    EXPECT_FALSE(isInstalledCopy(exe));
    std::filesystem::remove(dir.file("any/prefix/share/vistrel"));

    std::filesystem::create_directories(dir.file("any/prefix/share/vistrel"));
    EXPECT_TRUE(isInstalledCopy(exe));
    EXPECT_EQ(installedDataFolder(exe), dir.file("any/prefix/bin/../share/vistrel/"));
}

} // namespace
} // namespace vistrel
