// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vistrel::detail {

// The mounted file systems, as the kernel lists them in /proc/self/mountinfo.
class MountTable {
public:
    struct Entry {
        std::string mountPoint; // escapes undone ("\040" is a space)
        std::string fsType;     // "ext4", "iso9660", "fuse.sshfs", ...
        bool readOnly = false;  // mounted with the "ro" option

        // A CD, DVD or Blu-ray file system, which the program can never write to.
        bool isOptical() const { return fsType == "iso9660" || fsType == "udf"; }
    };

    // Parses mountinfo text, entries in the order of the text. Lines without the mountinfo form
    // (too few fields, no "-" separator) are skipped.
    static MountTable parse(std::string_view mountInfo);

    // The table of the calling process; empty when it cannot be read.
    static MountTable readCurrent();

    const std::vector<Entry>& entries() const { return m_entries; }

    // The mount that holds path, which must be absolute with symbolic links, "." and ".."
    // resolved: the entry whose mount point is path or its nearest folder above. Of entries with
    // the same mount point the last one wins, as a later mount hides an earlier one there.
    // Null when no entry holds path.
    const Entry* find(std::string_view path) const;

private:
    std::vector<Entry> m_entries;
};

} // namespace vistrel::detail
