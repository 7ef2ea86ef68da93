// SPDX-License-Identifier: MIT
#include "platform/MountTable.h"

#include <gtest/gtest.h>

namespace vistrel::detail {
namespace {

// Lines as the kernel writes them: optional fields or none, escaped spaces and backslashes,
// a disc mounted read-only, a mount hidden by a later one, a line that is not an entry, and
// no line break after the last line.
constexpr std::string_view kMountInfo =
    "26 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda rw,discard\n"
    "40 26 11:0 / /media/taro/My\\040Photos\\0402024 ro,nosuid,nodev,relatime shared:90 - "
    "iso9660 /dev/sr0 ro,nojoliet,check=s,map=n,blocksize=2048\n"
    "41 26 11:1 / /media/taro/BD_VIDEO ro,relatime - udf /dev/sr1 ro,utf8\n"
    "42 26 0:42 / /mnt/a rw,relatime - tmpfs tmpfs rw\n"
    "43 26 8:17 / /mnt/ab rw,relatime master:3 - vfat /dev/sdb1 rw,fmask=0022\n"
    "not a mountinfo line\n"
    "44 26 0:44 / /mnt/back\\134slash rw - ext4 /dev/sdc1 rw\n"
    "45 42 8:33 / /mnt/a rw,relatime - xfs /dev/sdc2 rw";

TEST(MountTable, ParsesEveryEntryWithEscapesUndone) {
    const MountTable table = MountTable::parse(kMountInfo);
    const std::vector<MountTable::Entry>& entries = table.entries();
    ASSERT_EQ(entries.size(), 7U);

    EXPECT_EQ(entries[0].mountPoint, "/");
    EXPECT_EQ(entries[0].fsType, "ext4");
    EXPECT_FALSE(entries[0].readOnly);

    EXPECT_EQ(entries[1].mountPoint, "/media/taro/My Photos 2024");
    EXPECT_EQ(entries[1].fsType, "iso9660");
    EXPECT_TRUE(entries[1].readOnly);

    EXPECT_EQ(entries[2].mountPoint, "/media/taro/BD_VIDEO");
    EXPECT_EQ(entries[2].fsType, "udf");
    EXPECT_TRUE(entries[2].readOnly);

    EXPECT_EQ(entries[4].fsType, "vfat");
    EXPECT_EQ(entries[5].mountPoint, "/mnt/back\\slash");
    EXPECT_EQ(entries[6].fsType, "xfs");
}

TEST(MountTable, TellsOpticalFileSystems) {
    const MountTable table = MountTable::parse(kMountInfo);
    const std::vector<MountTable::Entry>& entries = table.entries();
    ASSERT_EQ(entries.size(), 7U);
    EXPECT_FALSE(entries[0].isOptical());
    EXPECT_TRUE(entries[1].isOptical());
    EXPECT_TRUE(entries[2].isOptical());
    EXPECT_FALSE(entries[3].isOptical());
    EXPECT_FALSE(entries[4].isOptical());
}

TEST(MountTable, FindsTheMountWithTheLongestMountPointAbove) {
    const MountTable table = MountTable::parse(kMountInfo);
    const auto fsTypeOf = [&table](std::string_view path) -> std::string {
        const MountTable::Entry* entry = table.find(path);
        return entry != nullptr ? entry->fsType : "(none)";
    };

    EXPECT_EQ(fsTypeOf("/"), "ext4");
    EXPECT_EQ(fsTypeOf("/home/taro/site"), "ext4");
    EXPECT_EQ(fsTypeOf("/media/taro/My Photos 2024"), "iso9660");
    EXPECT_EQ(fsTypeOf("/media/taro/My Photos 2024/DCIM/100"), "iso9660");
    EXPECT_EQ(fsTypeOf("/media/taro/My Photos"), "ext4");
    EXPECT_EQ(fsTypeOf("/media/taro/BD_VIDEO/BDMV"), "udf");
    EXPECT_EQ(fsTypeOf("/mnt/ab/x"), "vfat");
    EXPECT_EQ(fsTypeOf("/mnt/abc"), "ext4");
    EXPECT_EQ(fsTypeOf("/mnt/back\\slash/x"), "ext4");
    // Mounted over: the later mount is the one in use.
    EXPECT_EQ(fsTypeOf("/mnt/a"), "xfs");
    EXPECT_EQ(fsTypeOf("/mnt/a/b"), "xfs");
}

TEST(MountTable, EmptyOrMalformedTextGivesNoEntries) {
    for (const std::string_view text :
         {std::string_view(), std::string_view("\n\n"),
          std::string_view("26 1 254:0 / / rw - ext4\n"),
          std::string_view("26 1 254:0 / / rw shared:1 ext4 x y\n")}) {
        const MountTable table = MountTable::parse(text);
        EXPECT_TRUE(table.entries().empty()) << text;
        EXPECT_EQ(table.find("/"), nullptr) << text;
    }
}

TEST(MountTable, ReadsTheTableOfThisProcess) {
    const MountTable table = MountTable::readCurrent();
    const MountTable::Entry* root = table.find("/");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->mountPoint, "/");
    const MountTable::Entry* proc = table.find("/proc/self");
    ASSERT_NE(proc, nullptr);
    EXPECT_EQ(proc->mountPoint, "/proc");
    EXPECT_EQ(proc->fsType, "proc");
}

} // namespace
} // namespace vistrel::detail
