// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "exif/ExifEntry.h"
#include "exif/ExifReader.h"
#include "support/TempDir.h"

namespace vistrel::test {

// The labels of the code table the reader tests use: a few tags, in ascending order, with the
// EXIF pointer; ISOSpeedRatings (8827) is left out on purpose.
extern const char* const kTestCodeLines[];

// A folder holding a code table and the image files of one test.
class ReaderFolder {
public:
    // Writes the code table of kTestCodeLines, CP932 with CR LF lines.
    ReaderFolder();
    // Writes a code table of these lines ("TTTT<TAB>label", UTF-8 here) instead.
    explicit ReaderFolder(const std::vector<std::string>& codeLines);

    const std::string& codeTablePath() const { return m_codeTablePath; }

    // A reader of bytes written as the file name, using this folder's code table.
    ExifReader reader(const std::string& name, const std::string& bytes) const;

    // A reader of bytes driven as a main page drives it (readExifBlock).
    ExifReader readAll(const std::string& bytes, bool* available = nullptr) const;

    const TempDir& dir() const { return m_dir; }

private:
    TempDir m_dir;
    std::string m_codeTablePath;
};

// "0xTTTT type count unitSize label=value", for comparing entries in one glance.
std::string describe(const ExifEntry& entry);
std::vector<std::string> describe(const std::vector<ExifEntry>& entries);

} // namespace vistrel::test
