// SPDX-License-Identifier: MIT
#include "html/GoldenCase.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vistrel::test {
namespace {

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\' && i + 1 < line.size()) {
            const char next = line[++i];
            switch (next) {
            case 'n':
                fields.back() += '\n';
                break;
            case 'r':
                fields.back() += '\r';
                break;
            case 't':
                fields.back() += '\t';
                break;
            default:
                fields.back() += next;
            }
        } else if (c == '|') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

} // namespace

bool readGoldenCase(const std::filesystem::path& folder, GoldenCase& result, std::string& problem) {
    std::ifstream in(folder / "case.txt", std::ios::binary);
    if (!in) {
        problem = "no case.txt";
        return false;
    }
    result = {};
    result.name = folder.filename().string();
    result.expectedFolder = folder / "expected";
    std::string section;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            section = line;
            continue;
        }
        if (section == "[settings]") {
            const auto equals = line.find('=');
            if (equals == std::string::npos) {
                problem = "setting without '=': " + line;
                return false;
            }
            result.settings.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        } else if (section == "[images]") {
            const auto fields = splitFields(line);
            if (fields.size() != 7) {
                problem = "image line without 7 fields: " + line;
                return false;
            }
            GoldenImage image;
            image.name = fields[0];
            image.width = std::stoi(fields[1]);
            image.height = std::stoi(fields[2]);
            image.kilobytes = std::stoi(fields[3]);
            image.date = fields[4];
            image.checked = fields[5] == "1";
            image.comment = fields[6];
            result.images.push_back(std::move(image));
        } else if (section == "[exif]") {
            const auto fields = splitFields(line);
            if (fields.size() != 5) {
                problem = "exif line without 5 fields: " + line;
                return false;
            }
            result.exif.push_back({fields[0], fields[1] == "exif",
                                   static_cast<std::uint16_t>(std::stoul(fields[2], nullptr, 16)),
                                   fields[3], fields[4]});
        } else {
            problem = "line outside a section: " + line;
            return false;
        }
    }
    return true;
}

std::vector<std::filesystem::path> goldenCaseFolders(const std::filesystem::path& root) {
    std::vector<std::filesystem::path> folders;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(root, error)) {
        if (entry.is_directory() && std::filesystem::exists(entry.path() / "case.txt")) {
            folders.push_back(entry.path());
        }
    }
    std::ranges::sort(folders);
    return folders;
}

} // namespace vistrel::test
