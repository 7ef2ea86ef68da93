// SPDX-License-Identifier: MIT
#include "ReaderFixture.h"

#include <cstdio>

#include <gtest/gtest.h>

#include "exif/ExifRows.h"
#include "text/Encoding.h"

namespace vistrel::test {

const char* const kTestCodeLines[] = {
    "010F\tメーカ名",
    "0110\t機種名",
    "0112\t画像方向",
    "0115\tコンポーネント数",
    "829A\t露出時間",
    "829D\tＦナンバー",
    "8769\tExif IFDへのポインタ",
    "8822\t露出プログラム",
    "9000\tExifバージョン",
    "9003\t原画像データの生成日時",
    "9201\tシャッタースピード",
    "9202\t絞り値",
    "9203\t輝度値",
    "9204\t露出補正値",
    "9207\t測光方式",
    "9209\tフラッシュ",
    "920A\tレンズ焦点距離",
    "927C\tメーカノート",
};

ReaderFolder::ReaderFolder()
    : ReaderFolder(std::vector<std::string>(std::begin(kTestCodeLines), std::end(kTestCodeLines))) {
}

ReaderFolder::ReaderFolder(const std::vector<std::string>& codeLines) {
    std::string text = std::to_string(codeLines.size()) + "\r\n";
    for (const std::string& line : codeLines) {
        text += line + "\r\n";
    }
    const auto cp932 = utf8ToCp932(text);
    EXPECT_TRUE(cp932.has_value());
    m_codeTablePath = m_dir.write("vtdcode.vtd", cp932.value_or(""));
}

ExifReader ReaderFolder::reader(const std::string& name, const std::string& bytes) const {
    return ExifReader(m_dir.write(name, bytes), {m_codeTablePath});
}

ExifReader ReaderFolder::readAll(const std::string& bytes, bool* available) const {
    ExifReader result = reader("photo.jpg", bytes);
    const bool read = readExifBlock(result).available;
    if (available != nullptr) {
        *available = read;
    }
    return result;
}

std::string describe(const ExifEntry& entry) {
    char head[64];
    std::snprintf(head, sizeof head, "0x%04X %u %u %u ", unsigned{entry.tag}, unsigned{entry.type},
                  unsigned{entry.count}, unsigned{entry.unitSize});
    return head + entry.label + "=" + entry.value;
}

std::vector<std::string> describe(const std::vector<ExifEntry>& entries) {
    std::vector<std::string> lines;
    for (const ExifEntry& entry : entries) {
        lines.push_back(describe(entry));
    }
    return lines;
}

} // namespace vistrel::test
