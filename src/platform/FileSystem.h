// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "platform/Status.h"

namespace vistrel {

// True when a file search finds at least one match for path. Wild cards ("*", "?") are
// allowed in the last component; "*.*" matches every name, names without a dot and dot files
// included, so folder + "*.*" is true for any existing folder, empty or not, and
// folder + "name*.*" is true when some entry's name begins with "name".
// "*" matches any run of characters, "?" exactly one (a whole UTF-8 character); every other
// byte, "[" included, matches itself, case-sensitively (Linux names differ by case).
// A path without wild cards is true when any kind of entry exists there, a dangling symbolic
// link included. Entries are never opened, so a FIFO never blocks the search.
bool FileExists(const std::string& path);

// One entry of a folder listing.
struct DirEntry {
    std::string name;           // file name only, UTF-8 bytes as stored
    std::uint64_t size = 0;     // bytes (of the target, for a symbolic link)
    std::time_t mtime = 0;      // modification time (of the target, for a symbolic link)
    bool isRegularFile = false; // a regular file or a link to one
    bool isDirectory = false;   // a folder or a link to one
};

// Lists the entries of folder ("." and ".." left out) in the order an NTFS folder lists them:
// names compared upper-cased (ASCII letters only) byte by byte, equal keys by their raw bytes.
// An unreadable or missing folder gives an empty list. Kinds, sizes and times are those of the
// link target; a dangling link is listed as neither file nor folder, with size and time 0.
// Entries are never opened, so a FIFO in the folder never blocks the listing.
std::vector<DirEntry> listDirectory(const std::string& folder);

// The NTFS listing order of two names: true when a comes before b. Only the ASCII letters
// a-z are upper-cased; bytes are compared unsigned, so "_" (0x5F) follows "Z" and multi-byte
// UTF-8 names follow every ASCII name.
bool ntfsNameLess(const std::string& a, const std::string& b);

// Deletes a file silently (no questions). A failure carries the system's error text.
Status deleteFile(const std::string& path);

// Moves a file or folder into the user's freedesktop.org Trash, silently. A failure carries
// GIO's error text.
Status trashFile(const std::string& path);

// Opens a document or URL with the user's default application ("open" verb) and returns
// without waiting for it. "http://" and "https://" addresses are passed on as they are; anything
// else is a local path (relative to the current folder when not absolute). A missing file
// fails with the system's error text, a failure to find or start an application with GIO's.
Status openWithDefaultApplication(const std::string& pathOrUrl);

// What the output location checks need to know about a folder.
struct LocationInfo {
    bool absolute = false;      // the path is non-empty and starts with "/"
    std::string existingFolder; // the nearest existing folder on the way to the path
    std::string mountPoint;     // mount point of the file system holding existingFolder
    bool readOnly = false;      // that file system is mounted read-only
    bool optical = false;       // that file system is iso9660 or udf
};

// Probes path (which need not exist yet) for the output location checks. A relative path is
// taken from the current folder; "." and ".." components are resolved by name. The mount is
// found from the folder's real path (symbolic links resolved), read-only from the file system
// of the folder itself.
LocationInfo probeLocation(const std::string& path);

} // namespace vistrel
