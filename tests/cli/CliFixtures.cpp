// SPDX-License-Identifier: MIT
#include "cli/CliFixtures.h"

#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

#include "imaging/ImageLibrary.h"

namespace vistrel::test {

void writePng(const std::string& path, int width, int height) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    auto image = Image::create(width, height);
    ASSERT_NE(image, nullptr);
    auto pixels = image->pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<std::uint8_t>((i + path.size()) % 253);
    }
    ASSERT_TRUE(SavePngImage(path, *image));
}

std::string makeSource(const TempDir& dir, int count) {
    std::filesystem::create_directories(dir.file("src"));
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "src/p%03d.png", i);
        writePng(dir.file(name), 64 + i % 5, 48);
    }
    return dir.file("src");
}

ProcessResult runCreate(const TempDir& dir, const std::vector<std::string>& arguments) {
    std::vector<std::string> all = {"create", "--ini", dir.file("v.ini")};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return runProcess(kCli, all);
}

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace vistrel::test
