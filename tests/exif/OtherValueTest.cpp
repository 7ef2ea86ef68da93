// SPDX-License-Identifier: MIT
// The tags that are formatted while the directories are read but never shown on a page.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "FormatFixture.h"

namespace vistrel {
namespace {

using test::ByteOrder;
using test::ExifWriter;
using test::formatText;
using test::formatValue;
using test::kTypeAscii;
using test::kTypeLong;
using test::kTypeRational;
using test::kTypeShort;
using test::kTypeSRational;
using test::kTypeUndefined;

using Tags = std::initializer_list<std::uint16_t>;

const ExifWriter kMotorola(ByteOrder::Motorola);
const ExifWriter kIntel(ByteOrder::Intel);

std::string shortText(std::uint16_t tag, std::uint16_t value) {
    return formatText(tag, kTypeShort, 1, kMotorola.shorts({value}));
}

void expectWords(std::uint16_t tag,
                 const std::vector<std::pair<std::uint16_t, std::string>>& words) {
    for (const auto& [code, text] : words) {
        EXPECT_EQ(shortText(tag, code), text) << std::hex << tag << " " << code;
        EXPECT_EQ(formatValue(ByteOrder::Intel, tag, kTypeShort, 1, kIntel.shorts({code})).text,
                  text)
            << std::hex << tag << " " << code;
    }
}

TEST(TheStoredTexts, EndAtTheirZeroOrTheirCount) {
    for (const std::uint16_t tag : Tags{0x010E, 0x0131, 0x0132, 0x8298, 0x9004, 0x9290, 0x9291,
                                        0x9292, 0xA004, 0x1000, 0x0001}) {
        EXPECT_EQ(formatText(tag, kTypeAscii, 8, std::string("R98\0zzzz", 8)), "R98") << tag;
        EXPECT_EQ(formatText(tag, kTypeAscii, 3, "abcdef"), "abc") << tag;
    }
}

TEST(TheVersions, AreTheirCountOfBytes) {
    for (const std::uint16_t tag : Tags{0x9000, 0xA000, 0x0002}) {
        EXPECT_EQ(formatText(tag, kTypeUndefined, 4, "0220"), "0220") << tag;
        EXPECT_EQ(formatText(tag, kTypeUndefined, 2, "0100"), "01") << tag;
    }
}

TEST(TheUserComment, SkipsTheEightByteCodePrefixAndEndsAtAZero) {
    const std::string prefix("ASCII\0\0\0", 8);
    EXPECT_EQ(formatText(0x9286, kTypeUndefined, 13, prefix + "Hello"), "Hello");
    EXPECT_EQ(formatText(0x9286, kTypeUndefined, 14, prefix + std::string("Hi\0Hi\0x", 6)), "Hi");
    EXPECT_EQ(formatText(0x9286, kTypeUndefined, 8, prefix), "");
    EXPECT_EQ(formatText(0x9286, kTypeUndefined, 4, "ASCI"), "");
}

TEST(TheWidthDependentIntegers, ReadSixteenBitsForShortsAndThirtyTwoOtherwise) {
    for (const std::uint16_t tag : Tags{0x0100, 0x0101, 0xA002, 0xA003, 0x1001, 0x1002}) {
        EXPECT_EQ(formatText(tag, kTypeShort, 1, kMotorola.shorts({640})), "640 (pixel)");
        EXPECT_EQ(formatText(tag, kTypeLong, 1, kMotorola.longs({3000000})), "3000000 (pixel)");
        EXPECT_EQ(formatValue(ByteOrder::Intel, tag, kTypeShort, 1, kIntel.shorts({480})).text,
                  "480 (pixel)");
    }
    EXPECT_EQ(formatText(0x0111, kTypeShort, 2, kMotorola.shorts({1234, 99})), "1234 バイト");
    EXPECT_EQ(formatText(0x0111, kTypeLong, 2, kMotorola.longs({70000, 1})), "70000 バイト");
    EXPECT_EQ(formatText(0x0116, kTypeShort, 1, kMotorola.shorts({16})), "16");
    EXPECT_EQ(formatText(0x0117, kTypeLong, 1, kMotorola.longs({65536})), "65536");
}

TEST(TheBitsPerSample, PrintsThreeShortsAndNothingWhenThereAreFewer) {
    EXPECT_EQ(formatText(0x0102, kTypeShort, 3, kMotorola.shorts({8, 8, 8})), "8,8,8");
    EXPECT_EQ(formatValue(ByteOrder::Intel, 0x0102, kTypeShort, 3, kIntel.shorts({8, 12, 16})).text,
              "8,12,16");
    EXPECT_EQ(formatText(0x0102, kTypeShort, 1, kMotorola.shorts({8})), "");
}

TEST(TheSpeedValues, AreKeptForTheBrightnessValue) {
    for (const std::uint16_t tag : Tags{0x0115, 0xA405}) {
        const auto result =
            formatValue(ByteOrder::Motorola, tag, kTypeShort, 1, kMotorola.shorts({35}));
        EXPECT_EQ(result.text, "35");
        EXPECT_EQ(result.state.speedValue, 35u);
    }
}

TEST(TheOffsetsAndByteCounts, PrintBytes) {
    for (const std::uint16_t tag : Tags{0x0201, 0x0202, 0xA005, 0x927C}) {
        EXPECT_EQ(formatText(tag, kTypeLong, 1, kMotorola.longs({5120})), "5120 バイト") << tag;
    }
}

TEST(TheExifPointer, GivesTheReaderTheExifDirectoryOffset) {
    for (const ByteOrder order : {ByteOrder::Motorola, ByteOrder::Intel}) {
        const auto result =
            formatValue(order, 0x8769, kTypeLong, 1, ExifWriter(order).longs({0x01020304}));
        EXPECT_EQ(result.text, "16909060 バイト");
        EXPECT_TRUE(result.state.exifPointerSeen);
        EXPECT_EQ(result.state.exifDirectoryOffset, 0x01020304u);
    }
    EXPECT_FALSE(formatValue(ByteOrder::Motorola, 0xA005, kTypeLong, 1, kMotorola.longs({8}))
                     .state.exifPointerSeen);
}

TEST(TheFractions, PrintTheStoredNumbers) {
    for (const std::uint16_t tag : Tags{0x011A, 0x011B, 0x9102, 0xA20E, 0xA20F, 0xA215, 0xA404}) {
        EXPECT_EQ(formatText(tag, kTypeRational, 1, kMotorola.rationals({{72, 1}})), "72/1");
        EXPECT_EQ(formatText(tag, kTypeRational, 1, kMotorola.rationals({{300, 0}})), "300/0");
    }
    EXPECT_EQ(formatText(0x013E, kTypeRational, 2, kMotorola.rationals({{313, 1000}, {329, 1000}})),
              "313/1000, 329/1000");
    const std::string six =
        kMotorola.rationals({{64, 100}, {33, 100}, {21, 100}, {71, 100}, {15, 100}, {6, 100}});
    for (const std::uint16_t tag : Tags{0x013F, 0x0214}) {
        EXPECT_EQ(formatText(tag, kTypeRational, 6, six),
                  "64/100 33/100 21/100 71/100 15/100 6/100 ");
        EXPECT_EQ(formatText(tag, kTypeRational, 5, six.substr(0, 40)), "");
    }
}

TEST(TheYCbCrCoefficients, PrintThreeRealsAndNothingWhenOneIsNoFiniteNumber) {
    EXPECT_EQ(formatText(0x0211, kTypeRational, 3,
                         kMotorola.rationals({{299, 1000}, {587, 1000}, {114, 1000}})),
              "0.299000, 0.587000, 0.114000");
    EXPECT_EQ(formatText(0x0211, kTypeRational, 3,
                         kMotorola.rationals({{299, 1000}, {587, 0}, {114, 1000}})),
              "");
}

TEST(TheBrightnessValue, AddsTheLogarithmOfTheSpeedValueToIt) {
    ExifFormatState iso100;
    iso100.speedValue = 100;
    // log2(100 x 0.32) = log2(32) = 5.
    EXPECT_EQ(formatValue(ByteOrder::Motorola, 0x9203, kTypeSRational, 1,
                          kMotorola.srationals({{1, 1}}), iso100)
                  .text,
              "EV6.0");
    EXPECT_EQ(formatValue(ByteOrder::Intel, 0x9203, kTypeSRational, 1, kIntel.srationals({{-7, 2}}),
                          iso100)
                  .text,
              "EV1.5");
    EXPECT_EQ(formatValue(ByteOrder::Motorola, 0x9203, kTypeSRational, 1,
                          kMotorola.srationals({{0, 0}}), iso100)
                  .text,
              "");
    EXPECT_EQ(formatText(0x9203, kTypeSRational, 1, kMotorola.srationals({{1, 1}})), "");
}

TEST(TheMaximumApertureAndSubjectDistance, PrintRealsLikeTheShootingItems) {
    EXPECT_EQ(formatText(0x9205, kTypeRational, 1, kMotorola.rationals({{3, 1}})), "F2.8");
    EXPECT_EQ(formatText(0x9205, kTypeRational, 1, kMotorola.rationals({{3, 0}})), "");
    EXPECT_EQ(formatText(0x9206, kTypeSRational, 1, kMotorola.srationals({{35, 10}})), "3.5 (m)");
    EXPECT_EQ(formatText(0x9206, kTypeRational, 1, kMotorola.rationals({{0xFFFFFFFF, 1}})),
              "-1.0 (m)");
    EXPECT_EQ(formatText(0x9206, kTypeSRational, 1, kMotorola.srationals({{35, 0}})), "");
}

TEST(TheWordTables, NameTheImageStructureCodes) {
    expectWords(0x0103, {{1, "非圧縮"}, {6, "JPEG 圧縮"}, {7, "不明"}});
    expectWords(0x0106, {{2, "RGB 形式"}, {6, "YCbCr 形式"}, {1, "不明"}});
    expectWords(0x0112, {{0, "不明"},
                         {1, "左上"},
                         {2, "右上"},
                         {3, "右下"},
                         {4, "左下"},
                         {5, "左上"},
                         {6, "右上"},
                         {7, "右下"},
                         {8, "左下"},
                         {9, "不明"}});
    expectWords(0x011C, {{1, "Chunky Format"}, {2, "Planar Format"}, {3, "不明"}});
    for (const std::uint16_t tag : Tags{0x0128, 0xA210}) {
        expectWords(tag, {{1, "単位無し"}, {2, "インチ"}, {3, "センチ"}, {4, "不明"}});
    }
    expectWords(0x0213, {{1, "点集合の中央"}, {2, "点集合の原点"}, {0, "不明"}});
    expectWords(0xA001, {{1, "sRGB"}, {0xFFFF, "Uncalibrated"}, {2, "不明"}});
}

TEST(TheWordTables, NameTheSubsamplingByBothValues) {
    EXPECT_EQ(formatText(0x0212, kTypeShort, 2, kMotorola.shorts({2, 1})), "YCbCr 4:2:2");
    EXPECT_EQ(formatText(0x0212, kTypeShort, 2, kMotorola.shorts({2, 2})), "YCbCr 4:2:0");
    EXPECT_EQ(formatValue(ByteOrder::Intel, 0x0212, kTypeShort, 2, kIntel.shorts({2, 1})).text,
              "YCbCr 4:2:2");
    EXPECT_EQ(formatText(0x0212, kTypeShort, 2, kMotorola.shorts({1, 1})), "不明");
}

TEST(TheWordTables, ReadTheComponentsAndSourceBytesWhateverTheByteOrder) {
    for (const ByteOrder order : {ByteOrder::Motorola, ByteOrder::Intel}) {
        const auto text = [&](std::uint16_t tag, std::string bytes) {
            return formatValue(order, tag, kTypeUndefined, static_cast<std::uint32_t>(bytes.size()),
                               bytes)
                .text;
        };
        EXPECT_EQ(text(0x9101, std::string("\x04\x05\x06\x00", 4)), "RGB 形式");
        EXPECT_EQ(text(0x9101, std::string("\x01\x02\x03\x00", 4)), "YCbCr 形式");
        EXPECT_EQ(text(0x9101, std::string("\x00\x03\x02\x01", 4)), "不明");
        EXPECT_EQ(text(0xA300, "\x03"), "デジタルカメラ");
        EXPECT_EQ(text(0xA300, "\x02"), "不明");
        EXPECT_EQ(text(0xA301, "\x01"), "直接撮影");
        EXPECT_EQ(text(0xA301, "\x03"), "不明");
    }
}

TEST(TheWordTables, NameTheLightSources) {
    expectWords(0x9208, {{0, "不明"},
                         {1, "太陽光"},
                         {2, "蛍光灯"},
                         {3, "白熱電球"},
                         {4, "フラッシュ"},
                         {5, "不明"},
                         {8, "不明"},
                         {9, "晴天、太陽光"},
                         {10, "曇天、太陽光"},
                         {11, "日陰、太陽光"},
                         {12, "昼光色蛍光灯 D5700"},
                         {13, "昼光白色蛍光灯 N4600"},
                         {14, "クールホワイト蛍光灯 W3900"},
                         {15, "白色蛍光灯 WW3200"},
                         {16, "不明"},
                         {17, "標準ライトA"},
                         {18, "標準ライトB"},
                         {19, "標準ライトC"},
                         {20, "D55"},
                         {21, "D65"},
                         {22, "D75"},
                         {23, "D70"},
                         {24, "ISO 標準タングステンランプ"},
                         {25, "不明"},
                         {254, "不明"},
                         {255, "その他"},
                         {256, "不明"}});
}

TEST(TheWordTables, NameTheSensingMethods) {
    expectWords(0xA217, {{0, "不明"},
                         {1, "未定義"},
                         {2, "１チップカラーエリアセンサー"},
                         {3, "２チップカラーエリアセンサー"},
                         {4, "３チップカラーエリアセンサー"},
                         {5, "カラーシーケンシャルエリアセンサー"},
                         {6, "未定義"},
                         {7, "トリリニアセンサー"},
                         {8, "カラーシーケンシャルリニアセンサー"},
                         {9, "不明"}});
}

TEST(TheWordTables, NameTheProcessingAndSceneSettings) {
    expectWords(0xA401, {{0, "通常処理"}, {1, "カスタム処理"}, {2, "不明"}});
    for (const std::uint16_t tag : Tags{0xA402, 0xA403}) {
        expectWords(tag, {{0, "オート"}, {1, "マニュアル"}, {2, "Auto Bracket"}, {3, "不明"}});
    }
    expectWords(0xA406,
                {{0, "標準"}, {1, "風景"}, {2, "ポートレート"}, {3, "夜景モード"}, {4, "不明"}});
    expectWords(0xA407, {{0, "無し"},
                         {1, "ゲイン増加（小）"},
                         {2, "ゲイン増加（大）"},
                         {3, "ゲイン減少（小）"},
                         {4, "ゲイン減少（大）"},
                         {5, "不明"}});
    expectWords(0xA40C, {{0, "不明"}, {1, "マクロ"}, {2, "近景"}, {3, "遠景"}, {4, "不明"}});
}

TEST(TheWordTables, LeaveContrastSaturationAndSharpnessEmptyForAnUnknownValue) {
    for (const std::uint16_t tag : Tags{0xA408, 0xA409, 0xA40A}) {
        expectWords(tag, {{0, "標準"}, {1, "ソフト"}, {2, "ハード"}, {3, ""}});
    }
}

TEST(TheCfaPattern, PrintsTheFirstFourBytesInPairsAndEveryFurtherByte) {
    EXPECT_EQ(
        formatText(0xA302, kTypeUndefined, 8, std::string("\x00\x02\x00\x02\x00\x01\x01\x02", 8)),
        "0002,0002,00,01,01,02");
    EXPECT_EQ(formatText(0xA302, kTypeUndefined, 4, std::string("\x00\x02\xAB\xCD", 4)),
              "0002,abcd");
    EXPECT_EQ(formatText(0xA302, kTypeShort, 3, kMotorola.shorts({0x0102, 0x0304, 0xFF10})),
              "0102,0304,ff,10");
}

TEST(AValueWithoutARule, HasNoText) {
    EXPECT_EQ(formatText(0x9999, kTypeShort, 1, kMotorola.shorts({1})), "");
    EXPECT_EQ(formatText(0x8825, kTypeLong, 1, kMotorola.longs({1})), "");
}

} // namespace
} // namespace vistrel
