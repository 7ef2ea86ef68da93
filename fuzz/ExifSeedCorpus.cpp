// SPDX-License-Identifier: MIT
// Writes the seed corpora of the EXIF fuzzers, built the way the tests build their fixtures:
//   ExifSeedCorpus FOLDER
// fills FOLDER/ExifReaderFuzzer with JPEG files and FOLDER/CodeTableFuzzer with code tables.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "exif/ExifValueRules.h"
#include "support/ExifWriter.h"

namespace {

using vistrel::detail::ValueRule;
using vistrel::test::ByteOrder;
using vistrel::test::ExifWriter;
using Dir = vistrel::test::ExifDirectory;
namespace fs = std::filesystem;

bool writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

ExifWriter cameraFile(ByteOrder order) {
    ExifWriter writer(order);
    writer.ascii(Dir::Main, 0x010F, "Vistrel")
        .ascii(Dir::Main, 0x0110, "VX1")
        .shortValues(Dir::Main, 0x0112, {1})
        .exifPointer()
        .rational(Dir::Exif, 0x829A, 1, 125)
        .rational(Dir::Exif, 0x829D, 28, 10)
        .shortValues(Dir::Exif, 0x8822, {2})
        .shortValues(Dir::Exif, 0x8827, {100})
        .entry(Dir::Exif, 0x9000, vistrel::test::kTypeUndefined, 4, "0220")
        .ascii(Dir::Exif, 0x9003, "2005:06:12 10:30:00")
        .srational(Dir::Exif, 0x9201, 69658, 10000)
        .rational(Dir::Exif, 0x9202, 3, 1)
        .srational(Dir::Exif, 0x9203, 1, 1)
        .srational(Dir::Exif, 0x9204, -2, 3)
        .shortValues(Dir::Exif, 0x9207, {5})
        .shortValues(Dir::Exif, 0x9209, {16})
        .rational(Dir::Exif, 0x920A, 720, 100)
        .rawEntry(Dir::Exif, 0x927C, vistrel::test::kTypeUndefined, 64, 8);
    return writer;
}

// One entry for every tag that has a rule, with a value of the kind the rule reads.
void addEveryRule(ExifWriter& writer, Dir directory) {
    using namespace vistrel::test;
    for (const auto& rule : vistrel::detail::tagRules()) {
        const std::uint16_t tag = rule.tag;
        switch (rule.rule) {
        case ValueRule::Text:
        case ValueRule::UserComment:
            writer.entry(directory, tag, kTypeUndefined, 16,
                         std::string("ASCII\0\0\0comment\0", 16));
            break;
        case ValueRule::ShutterSpeed:
        case ValueRule::ExposureBias:
        case ValueRule::Brightness:
        case ValueRule::SubjectDistance:
            writer.srational(directory, tag, -2, 3);
            break;
        case ValueRule::WhitePoint:
            writer.entry(directory, tag, kTypeRational, 2,
                         writer.rationals({{313, 1000}, {329, 1000}}));
            break;
        case ValueRule::SixRationals:
            writer.entry(directory, tag, kTypeRational, 6,
                         writer.rationals({{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {11, 12}}));
            break;
        case ValueRule::YCbCrCoefficients:
            writer.entry(directory, tag, kTypeRational, 3,
                         writer.rationals({{299, 1000}, {587, 1000}, {114, 1000}}));
            break;
        case ValueRule::BitsPerSample:
            writer.shortValues(directory, tag, {8, 8, 8});
            break;
        case ValueRule::WordPair:
            writer.shortValues(directory, tag, {2, 1});
            break;
        case ValueRule::Word8:
            writer.entry(directory, tag, kTypeUndefined, 1, "\x03");
            break;
        case ValueRule::WordBytes4:
            writer.entry(directory, tag, kTypeUndefined, 4, std::string("\x04\x05\x06\x00", 4));
            break;
        case ValueRule::CfaPattern:
            writer.entry(directory, tag, kTypeUndefined, 8,
                         std::string("\x00\x02\x00\x02\x00\x01\x01\x02", 8));
            break;
        case ValueRule::Word16:
        case ValueRule::SpeedValue:
            writer.shortValues(directory, tag, {1});
            break;
        case ValueRule::Pixels:
        case ValueRule::ByteOffset:
        case ValueRule::Integer:
        case ValueRule::ByteCount:
            writer.longValue(directory, tag, 640);
            break;
        case ValueRule::ExifPointer:
            break;
        default:
            writer.rational(directory, tag, 28, 10);
            break;
        }
    }
}

void writeExifSeeds(const fs::path& folder, bool& ok) {
    const auto seed = [&](const char* name, const std::string& bytes) {
        ok = writeFile(folder / name, bytes) && ok;
    };
    seed("camera-intel.jpg", cameraFile(ByteOrder::Intel).jpeg());
    seed("camera-motorola.jpg", cameraFile(ByteOrder::Motorola).jpeg());
    seed("camera-jfif.jpg", cameraFile(ByteOrder::Intel).jpeg({.jfifFirst = true}));
    seed("camera-far.jpg",
         cameraFile(ByteOrder::Motorola).jpeg({.jfifFirst = true, .fillerBytes = 495}));
    for (const ByteOrder order : {ByteOrder::Intel, ByteOrder::Motorola}) {
        ExifWriter every(order);
        every.exifPointer();
        addEveryRule(every, Dir::Exif);
        seed(order == ByteOrder::Intel ? "rules-intel.jpg" : "rules-motorola.jpg", every.jpeg());
    }
    ExifWriter damaged(ByteOrder::Intel);
    damaged.rawEntry(Dir::Main, 0x010F, vistrel::test::kTypeAscii, 20, 0xFFFFFF00)
        .rawEntry(Dir::Main, 0x0110, 0, 9, 0)
        .rawEntry(Dir::Main, 0x0112, 13, 1, 1)
        .exifPointer()
        .rawEntry(Dir::Exif, 0x9003, vistrel::test::kTypeAscii, 0xFFFFFFFF, 8)
        .rawEntry(Dir::Exif, 0x9204, vistrel::test::kTypeSRational, 0x20000001, 8)
        .rational(Dir::Exif, 0x829D, 28, 0)
        .announceEntries(Dir::Exif, 65535);
    seed("damaged.jpg", damaged.jpeg());
    const std::string camera = cameraFile(ByteOrder::Motorola).jpeg();
    seed("truncated.jpg", camera.substr(0, camera.size() / 2));
}

void writeCodeTableSeeds(const fs::path& folder, bool& ok) {
    const auto seed = [&](const char* name, std::string_view bytes) {
        ok = writeFile(folder / name, bytes) && ok;
    };
    std::string every = std::to_string(vistrel::detail::tagRules().size()) + "\r\n";
    for (const auto& rule : vistrel::detail::tagRules()) {
        char line[32];
        std::snprintf(line, sizeof line, "%04X\t\x83\x89\x83\x78\x83\x8B\r\n", unsigned{rule.tag});
        every += line;
    }
    seed("every-rule.vtd", every);
    seed("spellings.vtd", "3\r\n829d\ta\r\n829D\tb\tc\r\n0x829D\t d \r\n");
    seed("short.vtd", "3\n0001\ta\n0002\tb\n");
    seed("no-tab.vtd", "  2 codes\n8769 Exif\n\n");
    seed("utf8.vtd", "\xEF\xBB\xBF"
                     "1\n9209\tフラッシュ\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: ExifSeedCorpus FOLDER\n", stderr);
        return 2;
    }
    const fs::path root = argv[1];
    bool ok = true;
    for (const char* fuzzer : {"ExifReaderFuzzer", "CodeTableFuzzer"}) {
        std::error_code error;
        fs::create_directories(root / fuzzer, error);
        ok = !error && ok;
    }
    writeExifSeeds(root / "ExifReaderFuzzer", ok);
    writeCodeTableSeeds(root / "CodeTableFuzzer", ok);
    return ok ? 0 : 1;
}
