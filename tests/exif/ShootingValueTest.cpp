// SPDX-License-Identifier: MIT
// The twelve items a main page can show, and the exposure time that stands in for one of them.
#include <cstdint>
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

constexpr std::uint16_t kFNumber = 0x829D;
constexpr std::uint16_t kExposureProgram = 0x8822;
constexpr std::uint16_t kIsoSpeed = 0x8827;
constexpr std::uint16_t kDateTimeOriginal = 0x9003;
constexpr std::uint16_t kShutterSpeed = 0x9201;
constexpr std::uint16_t kExposureTime = 0x829A;
constexpr std::uint16_t kAperture = 0x9202;
constexpr std::uint16_t kMeteringMode = 0x9207;
constexpr std::uint16_t kFlash = 0x9209;
constexpr std::uint16_t kFocalLength = 0x920A;
constexpr std::uint16_t kExposureBias = 0x9204;
constexpr std::uint16_t kMake = 0x010F;
constexpr std::uint16_t kModel = 0x0110;

constexpr ByteOrder kBothOrders[] = {ByteOrder::Motorola, ByteOrder::Intel};

std::string rationalText(ByteOrder order, std::uint16_t tag, std::uint32_t numerator,
                         std::uint32_t denominator) {
    const std::string bytes = ExifWriter(order).rationals({{numerator, denominator}});
    return formatValue(order, tag, test::kTypeRational, 1, bytes).text;
}

std::string srationalText(ByteOrder order, std::uint16_t tag, std::int32_t numerator,
                          std::int32_t denominator) {
    const std::string bytes = ExifWriter(order).srationals({{numerator, denominator}});
    return formatValue(order, tag, test::kTypeSRational, 1, bytes).text;
}

std::string shortText(ByteOrder order, std::uint16_t tag, std::uint16_t value) {
    return formatValue(order, tag, test::kTypeShort, 1, ExifWriter(order).shorts({value})).text;
}

// Checks every code of a word table and a few codes that it does not list.
void expectWords(std::uint16_t tag,
                 const std::vector<std::pair<std::uint16_t, std::string>>& words) {
    for (const ByteOrder order : kBothOrders) {
        for (const auto& [code, text] : words) {
            EXPECT_EQ(shortText(order, tag, code), text) << std::hex << tag << " " << code;
        }
    }
}

TEST(TheFNumber, PrintsTheRationalWithOneDecimal) {
    for (const ByteOrder order : kBothOrders) {
        EXPECT_EQ(rationalText(order, kFNumber, 28, 10), "F2.8");
        EXPECT_EQ(rationalText(order, kFNumber, 110, 10), "F11.0");
        EXPECT_EQ(rationalText(order, kFNumber, 56, 10), "F5.6");
        EXPECT_EQ(rationalText(order, kFNumber, 1, 1), "F1.0");
    }
}

TEST(TheFNumber, IsEmptyForAZeroDenominatorOrAValueTooShortForARational) {
    EXPECT_EQ(rationalText(ByteOrder::Motorola, kFNumber, 28, 0), "");
    EXPECT_EQ(rationalText(ByteOrder::Intel, kFNumber, 0, 0), "");
    EXPECT_EQ(formatText(kFNumber, test::kTypeShort, 1, "\x00\x1C"), "");
}

TEST(TheApertureValue, PrintsTheSquareRootOfTwoToThePowerOfTheValue) {
    for (const ByteOrder order : kBothOrders) {
        EXPECT_EQ(rationalText(order, kAperture, 3, 1), "F2.8");
        EXPECT_EQ(rationalText(order, kAperture, 5, 1), "F5.7");
        EXPECT_EQ(rationalText(order, kAperture, 0, 1), "F1.0");
        EXPECT_EQ(rationalText(order, kAperture, 30, 10), "F2.8");
    }
    EXPECT_EQ(rationalText(ByteOrder::Motorola, kAperture, 3, 0), "");
    EXPECT_EQ(rationalText(ByteOrder::Motorola, kAperture, 0, 0), "");
    EXPECT_EQ(rationalText(ByteOrder::Motorola, kAperture, 4000000000u, 1), "");
}

TEST(TheShutterSpeedValue, PrintsAFractionOfASecondForAPositiveValue) {
    for (const ByteOrder order : kBothOrders) {
        // 2 to the power 6.9658 is 125.0 to four places.
        EXPECT_EQ(srationalText(order, kShutterSpeed, 69658, 10000), "1/125 (秒)");
        EXPECT_EQ(srationalText(order, kShutterSpeed, 7, 1), "1/128 (秒)");
        EXPECT_EQ(srationalText(order, kShutterSpeed, 1, 2), "1/1 (秒)");
    }
}

TEST(TheShutterSpeedValue, PrintsSecondsForAValueOfZeroOrBelow) {
    for (const ByteOrder order : kBothOrders) {
        EXPECT_EQ(srationalText(order, kShutterSpeed, -1, 1), "2.00 (秒)");
        EXPECT_EQ(srationalText(order, kShutterSpeed, 0, 1), "1.00 (秒)");
        EXPECT_EQ(srationalText(order, kShutterSpeed, -2, 1), "4.00 (秒)");
        EXPECT_EQ(srationalText(order, kShutterSpeed, 3, -2), "2.83 (秒)");
    }
}

TEST(TheShutterSpeedValue, IsEmptyWhenTheTimeIsNoFiniteNumber) {
    EXPECT_EQ(srationalText(ByteOrder::Motorola, kShutterSpeed, 0, 0), "");
    EXPECT_EQ(srationalText(ByteOrder::Motorola, kShutterSpeed, 1, 0), "");
    EXPECT_EQ(srationalText(ByteOrder::Intel, kShutterSpeed, -1, 0), "");
    EXPECT_EQ(srationalText(ByteOrder::Intel, kShutterSpeed, 2147483647, 1), "");
    EXPECT_EQ(srationalText(ByteOrder::Intel, kShutterSpeed, -2147483647 - 1, 1), "");
}

TEST(TheExposureTime, PrintsTheStoredFractionUnreduced) {
    for (const ByteOrder order : kBothOrders) {
        EXPECT_EQ(rationalText(order, kExposureTime, 10, 1250), "10/1250 (秒)");
        EXPECT_EQ(rationalText(order, kExposureTime, 1, 0), "1/0 (秒)");
        EXPECT_EQ(rationalText(order, kExposureTime, 4294967295u, 0), "4294967295/0 (秒)");
    }
}

TEST(TheFocalLength, PrintsMillimetresWithTwoDecimals) {
    for (const ByteOrder order : kBothOrders) {
        EXPECT_EQ(rationalText(order, kFocalLength, 720, 100), "7.20 (mm)");
        EXPECT_EQ(rationalText(order, kFocalLength, 50, 1), "50.00 (mm)");
        EXPECT_EQ(rationalText(order, kFocalLength, 1, 4), "0.25 (mm)");
    }
    EXPECT_EQ(rationalText(ByteOrder::Motorola, kFocalLength, 720, 0), "");
}

TEST(TheExposureBiasValue, PrintsASignedValueWithOneDecimal) {
    for (const ByteOrder order : kBothOrders) {
        EXPECT_EQ(srationalText(order, kExposureBias, -1, 3), "EV-0.3");
        EXPECT_EQ(srationalText(order, kExposureBias, -2, 3), "EV-0.7");
        EXPECT_EQ(srationalText(order, kExposureBias, 0, 1), "EV0.0");
        EXPECT_EQ(srationalText(order, kExposureBias, 4, 3), "EV1.3");
    }
    EXPECT_EQ(srationalText(ByteOrder::Intel, kExposureBias, -1, 0), "");
}

TEST(TheIsoSpeedRatings, PrintsTheFirstValueAndKeepsItAsTheSpeedValue) {
    for (const ByteOrder order : kBothOrders) {
        const auto one =
            formatValue(order, kIsoSpeed, test::kTypeShort, 1, ExifWriter(order).shorts({400}));
        EXPECT_EQ(one.text, "400");
        EXPECT_EQ(one.state.speedValue, 400u);
        const auto several = formatValue(order, kIsoSpeed, test::kTypeShort, 3,
                                         ExifWriter(order).shorts({100, 200, 400}));
        EXPECT_EQ(several.text, "100");
        EXPECT_EQ(several.state.speedValue, 100u);
    }
}

TEST(TheExposureProgram, NamesCodesOneToEightAndCallsTheRestUnknown) {
    expectWords(kExposureProgram, {{0, "不明"},
                                   {1, "マニュアル設定"},
                                   {2, "プログラム AE"},
                                   {3, "絞り優先"},
                                   {4, "シャッター速度優先"},
                                   {5, "低速プログラム"},
                                   {6, "高速プログラム"},
                                   {7, "ポートレートモード"},
                                   {8, "風景モード"},
                                   {9, "不明"},
                                   {0xFFFF, "不明"}});
}

TEST(TheMeteringMode, NamesItsCodesWithOtherForTwoHundredFiftyFive) {
    expectWords(kMeteringMode, {{0, "不明"},
                                {1, "平均測光E"},
                                {2, "中央重点"},
                                {3, "スポット"},
                                {4, "多点スポット"},
                                {5, "マルチセグメント"},
                                {6, "部分測光"},
                                {7, "不明"},
                                {254, "不明"},
                                {255, "その他"},
                                {256, "不明"}});
}

TEST(TheFlash, ComparesTheWholeValueWithoutDecodingBits) {
    expectWords(kFlash, {{0, "フラッシュ非発光"},
                         {1, "フラッシュ発光"},
                         {5, "フラッシュ発光（反射非光検出）"},
                         {7, "フラッシュ発光（反射光検出）"},
                         {9, "フラッシュ強制発光"},
                         {13, "フラッシュ強制発光（反射非光検出）"},
                         {15, "フラッシュ強制発光（反射光検出）"},
                         {16, "フラッシュ強制オフ"},
                         {24, "フラッシュオフ（自動）"},
                         {25, "フラッシュ自動発光"},
                         {29, "フラッシュ自動発光（反射非光検出）"},
                         {31, "フラッシュ自動発光（反射光検出）"},
                         {32, "フラッシュ機能無し"},
                         {0x41, "不明"},
                         {2, "不明"},
                         {0x0101, "不明"}});
}

TEST(TheDateAndMakerTexts, AreTheStoredTextUpToItsZero) {
    for (const std::uint16_t tag : {kDateTimeOriginal, kMake, kModel}) {
        EXPECT_EQ(formatText(tag, test::kTypeAscii, 20, std::string("2005:06:12 10:30:00\0", 20)),
                  "2005:06:12 10:30:00");
        EXPECT_EQ(formatText(tag, test::kTypeAscii, 6, std::string("AB\0CD\0", 6)), "AB");
    }
}

TEST(TheDateAndMakerTexts, StopAtTheirCountWhenTheZeroIsMissing) {
    EXPECT_EQ(formatText(kMake, test::kTypeAscii, 5, "Vista"), "Vista");
    EXPECT_EQ(formatText(kMake, test::kTypeAscii, 2, "Vixx"), "Vi");
    EXPECT_EQ(formatText(kModel, test::kTypeAscii, 0, "Vixx"), "");
    EXPECT_EQ(formatText(kModel, test::kTypeAscii, 3, std::string("ab\0", 3)), "ab");
}

TEST(TheDateAndMakerTexts, AreReadAsCp932WithBrokenBytesShownAsReplacementCharacters) {
    // "光学" in CP932, then a lone lead byte before the zero.
    EXPECT_EQ(formatText(kMake, test::kTypeAscii, 6, std::string("\x8C\xF5\x8A\x77\x81\0", 6)),
              "光学\xEF\xBF\xBD");
}

} // namespace
} // namespace vistrel
