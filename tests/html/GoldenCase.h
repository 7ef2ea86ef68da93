// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace vistrel::test {

// One list row of a golden case.
struct GoldenImage {
    std::string name;
    int width = 0; // 0: the file is not a decodable image
    int height = 0;
    int kilobytes = 0;
    std::string date;
    bool checked = true;
    std::string comment;
};

// One EXIF entry that the harness writes into a JPEG of the case.
struct GoldenExifEntry {
    std::string image;
    bool inExifDirectory = false; // false: IFD0
    std::uint16_t tag = 0;
    std::string type;  // "ascii", "short" or "rational"
    std::string value; // the text, the number, or "numerator/denominator"
};

// A golden case: the settings a run starts from, the rows of its list, and the folder of the
// pages it must write (expected/).
struct GoldenCase {
    std::string name;
    std::vector<std::pair<std::string, std::string>> settings;
    std::vector<GoldenImage> images;
    std::vector<GoldenExifEntry> exif;
    std::filesystem::path expectedFolder;
};

// Reads tests/golden/<name>/case.txt: a [settings] section of KEY=VALUE lines and an [images]
// section of name|width|height|kb|date|checked|comment lines ("\n", "\r", "\\" and "\|" in the
// comment), and an optional [exif] section of image|main or exif|tag in hex|type|value lines,
// in the order the entries are written; lines starting with '#' are comments. Returns false with a
// reason on bad input.
bool readGoldenCase(const std::filesystem::path& folder, GoldenCase& result, std::string& problem);

// Every case folder under root, sorted by name.
std::vector<std::filesystem::path> goldenCaseFolders(const std::filesystem::path& root);

} // namespace vistrel::test
