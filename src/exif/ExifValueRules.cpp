// SPDX-License-Identifier: MIT
#include "exif/ExifValueRules.h"

#include <algorithm>

namespace vistrel::detail {
namespace {

constexpr std::string_view kUnknown = "不明";

constexpr ValueWord kExposureProgram[] = {
    {1, "マニュアル設定"},     {2, "プログラム AE"},  {3, "絞り優先"},
    {4, "シャッター速度優先"}, {5, "低速プログラム"}, {6, "高速プログラム"},
    {7, "ポートレートモード"}, {8, "風景モード"},
};

constexpr ValueWord kMeteringMode[] = {
    {0, "不明"},         {1, "平均測光E"},        {2, "中央重点"}, {3, "スポット"},
    {4, "多点スポット"}, {5, "マルチセグメント"}, {6, "部分測光"}, {255, "その他"},
};

// The whole value is compared: a flash value with other bits set (red-eye) is not listed.
constexpr ValueWord kFlash[] = {
    {0, "フラッシュ非発光"},
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
};

constexpr ValueWord kLightSource[] = {
    {0, "不明"},
    {1, "太陽光"},
    {2, "蛍光灯"},
    {3, "白熱電球"},
    {4, "フラッシュ"},
    {9, "晴天、太陽光"},
    {10, "曇天、太陽光"},
    {11, "日陰、太陽光"},
    {12, "昼光色蛍光灯 D5700"},
    {13, "昼光白色蛍光灯 N4600"},
    {14, "クールホワイト蛍光灯 W3900"},
    {15, "白色蛍光灯 WW3200"},
    {17, "標準ライトA"},
    {18, "標準ライトB"},
    {19, "標準ライトC"},
    {20, "D55"},
    {21, "D65"},
    {22, "D75"},
    {23, "D70"},
    {24, "ISO 標準タングステンランプ"},
    {255, "その他"},
};

constexpr ValueWord kCompression[] = {{1, "非圧縮"}, {6, "JPEG 圧縮"}};
constexpr ValueWord kPhotometric[] = {{2, "RGB 形式"}, {6, "YCbCr 形式"}};
constexpr ValueWord kOrientation[] = {
    {1, "左上"}, {2, "右上"}, {3, "右下"}, {4, "左下"},
    {5, "左上"}, {6, "右上"}, {7, "右下"}, {8, "左下"},
};
constexpr ValueWord kPlanar[] = {{1, "Chunky Format"}, {2, "Planar Format"}};
constexpr ValueWord kResolutionUnit[] = {{1, "単位無し"}, {2, "インチ"}, {3, "センチ"}};
constexpr ValueWord kSubSampling[] = {{0x00020001, "YCbCr 4:2:2"}, {0x00020002, "YCbCr 4:2:0"}};
constexpr ValueWord kPositioning[] = {{1, "点集合の中央"}, {2, "点集合の原点"}};
constexpr ValueWord kComponents[] = {{0x04050600, "RGB 形式"}, {0x01020300, "YCbCr 形式"}};
constexpr ValueWord kColorSpace[] = {{1, "sRGB"}, {0xFFFF, "Uncalibrated"}};
constexpr ValueWord kSensingMethod[] = {
    {1, "未定義"},
    {2, "１チップカラーエリアセンサー"},
    {3, "２チップカラーエリアセンサー"},
    {4, "３チップカラーエリアセンサー"},
    {5, "カラーシーケンシャルエリアセンサー"},
    {6, "未定義"},
    {7, "トリリニアセンサー"},
    {8, "カラーシーケンシャルリニアセンサー"},
};
constexpr ValueWord kFileSource[] = {{0x03, "デジタルカメラ"}};
constexpr ValueWord kSceneType[] = {{0x01, "直接撮影"}};
constexpr ValueWord kCustomRendered[] = {{0, "通常処理"}, {1, "カスタム処理"}};
constexpr ValueWord kAutoManual[] = {{0, "オート"}, {1, "マニュアル"}, {2, "Auto Bracket"}};
constexpr ValueWord kSceneCapture[] = {
    {0, "標準"}, {1, "風景"}, {2, "ポートレート"}, {3, "夜景モード"}};
constexpr ValueWord kGainControl[] = {
    {0, "無し"},
    {1, "ゲイン増加（小）"},
    {2, "ゲイン増加（大）"},
    {3, "ゲイン減少（小）"},
    {4, "ゲイン減少（大）"},
};
constexpr ValueWord kSoftHard[] = {{0, "標準"}, {1, "ソフト"}, {2, "ハード"}};
constexpr ValueWord kDistanceRange[] = {{0, "不明"}, {1, "マクロ"}, {2, "近景"}, {3, "遠景"}};

constexpr ValueWords kExposureProgramWords{kExposureProgram, kUnknown};
constexpr ValueWords kMeteringModeWords{kMeteringMode, kUnknown};
constexpr ValueWords kFlashWords{kFlash, kUnknown};
constexpr ValueWords kLightSourceWords{kLightSource, kUnknown};
constexpr ValueWords kCompressionWords{kCompression, kUnknown};
constexpr ValueWords kPhotometricWords{kPhotometric, kUnknown};
constexpr ValueWords kOrientationWords{kOrientation, kUnknown};
constexpr ValueWords kPlanarWords{kPlanar, kUnknown};
constexpr ValueWords kResolutionUnitWords{kResolutionUnit, kUnknown};
constexpr ValueWords kSubSamplingWords{kSubSampling, kUnknown};
constexpr ValueWords kPositioningWords{kPositioning, kUnknown};
constexpr ValueWords kComponentsWords{kComponents, kUnknown};
constexpr ValueWords kColorSpaceWords{kColorSpace, kUnknown};
constexpr ValueWords kSensingMethodWords{kSensingMethod, kUnknown};
constexpr ValueWords kFileSourceWords{kFileSource, kUnknown};
constexpr ValueWords kSceneTypeWords{kSceneType, kUnknown};
constexpr ValueWords kCustomRenderedWords{kCustomRendered, kUnknown};
constexpr ValueWords kAutoManualWords{kAutoManual, kUnknown};
constexpr ValueWords kSceneCaptureWords{kSceneCapture, kUnknown};
constexpr ValueWords kGainControlWords{kGainControl, kUnknown};
// Contrast, saturation and sharpness show nothing for a value they do not know.
constexpr ValueWords kSoftHardWords{kSoftHard, ""};
constexpr ValueWords kDistanceRangeWords{kDistanceRange, kUnknown};

constexpr TagRule kRules[] = {
    {0x0001, ValueRule::Text},                           // InteroperabilityIndex
    {0x0002, ValueRule::Text},                           // InteroperabilityVersion
    {0x0100, ValueRule::Pixels},                         // ImageWidth
    {0x0101, ValueRule::Pixels},                         // ImageLength
    {0x0102, ValueRule::BitsPerSample},                  // BitsPerSample
    {0x0103, ValueRule::Word16, &kCompressionWords},     // Compression
    {0x0106, ValueRule::Word16, &kPhotometricWords},     // PhotometricInterpretation
    {0x010E, ValueRule::Text},                           // ImageDescription
    {0x010F, ValueRule::Text},                           // Make
    {0x0110, ValueRule::Text},                           // Model
    {0x0111, ValueRule::ByteOffset},                     // StripOffsets
    {0x0112, ValueRule::Word16, &kOrientationWords},     // Orientation
    {0x0115, ValueRule::SpeedValue},                     // SamplesPerPixel
    {0x0116, ValueRule::Integer},                        // RowsPerStrip
    {0x0117, ValueRule::Integer},                        // StripByteCounts
    {0x011A, ValueRule::Rational},                       // XResolution
    {0x011B, ValueRule::Rational},                       // YResolution
    {0x011C, ValueRule::Word16, &kPlanarWords},          // PlanarConfiguration
    {0x0128, ValueRule::Word16, &kResolutionUnitWords},  // ResolutionUnit
    {0x0131, ValueRule::Text},                           // Software
    {0x0132, ValueRule::Text},                           // DateTime
    {0x013E, ValueRule::WhitePoint},                     // WhitePoint
    {0x013F, ValueRule::SixRationals},                   // PrimaryChromaticities
    {0x0201, ValueRule::ByteCount},                      // JPEGInterchangeFormat
    {0x0202, ValueRule::ByteCount},                      // JPEGInterchangeFormatLength
    {0x0211, ValueRule::YCbCrCoefficients},              // YCbCrCoefficients
    {0x0212, ValueRule::WordPair, &kSubSamplingWords},   // YCbCrSubSampling
    {0x0213, ValueRule::Word16, &kPositioningWords},     // YCbCrPositioning
    {0x0214, ValueRule::SixRationals},                   // ReferenceBlackWhite
    {0x1000, ValueRule::Text},                           // RelatedImageFileFormat
    {0x1001, ValueRule::Pixels},                         // RelatedImageWidth
    {0x1002, ValueRule::Pixels},                         // RelatedImageLength
    {0x8298, ValueRule::Text},                           // Copyright
    {0x829A, ValueRule::ExposureTime},                   // ExposureTime
    {0x829D, ValueRule::FNumber},                        // FNumber
    {0x8769, ValueRule::ExifPointer},                    // ExifIFDPointer
    {0x8822, ValueRule::Word16, &kExposureProgramWords}, // ExposureProgram
    {0x8827, ValueRule::SpeedValue},                     // ISOSpeedRatings
    {0x9000, ValueRule::Text},                           // ExifVersion
    {0x9003, ValueRule::Text},                           // DateTimeOriginal
    {0x9004, ValueRule::Text},                           // DateTimeDigitized
    {0x9101, ValueRule::WordBytes4, &kComponentsWords},  // ComponentsConfiguration
    {0x9102, ValueRule::Rational},                       // CompressedBitsPerPixel
    {0x9201, ValueRule::ShutterSpeed},                   // ShutterSpeedValue
    {0x9202, ValueRule::Aperture},                       // ApertureValue
    {0x9203, ValueRule::Brightness},                     // BrightnessValue
    {0x9204, ValueRule::ExposureBias},                   // ExposureBiasValue
    {0x9205, ValueRule::Aperture},                       // MaxApertureValue
    {0x9206, ValueRule::SubjectDistance},                // SubjectDistance
    {0x9207, ValueRule::Word16, &kMeteringModeWords},    // MeteringMode
    {0x9208, ValueRule::Word16, &kLightSourceWords},     // LightSource
    {0x9209, ValueRule::Word16, &kFlashWords},           // Flash
    {0x920A, ValueRule::FocalLength},                    // FocalLength
    {0x927C, ValueRule::ByteCount},                      // MakerNote (its offset)
    {0x9286, ValueRule::UserComment},                    // UserComment
    {0x9290, ValueRule::Text},                           // SubSecTime
    {0x9291, ValueRule::Text},                           // SubSecTimeOriginal
    {0x9292, ValueRule::Text},                           // SubSecTimeDigitized
    {0xA000, ValueRule::Text},                           // FlashpixVersion
    {0xA001, ValueRule::Word16, &kColorSpaceWords},      // ColorSpace
    {0xA002, ValueRule::Pixels},                         // PixelXDimension
    {0xA003, ValueRule::Pixels},                         // PixelYDimension
    {0xA004, ValueRule::Text},                           // RelatedSoundFile
    {0xA005, ValueRule::ByteCount},                      // InteroperabilityIFDPointer
    {0xA20E, ValueRule::Rational},                       // FocalPlaneXResolution
    {0xA20F, ValueRule::Rational},                       // FocalPlaneYResolution
    {0xA210, ValueRule::Word16, &kResolutionUnitWords},  // FocalPlaneResolutionUnit
    {0xA215, ValueRule::Rational},                       // ExposureIndex
    {0xA217, ValueRule::Word16, &kSensingMethodWords},   // SensingMethod
    {0xA300, ValueRule::Word8, &kFileSourceWords},       // FileSource
    {0xA301, ValueRule::Word8, &kSceneTypeWords},        // SceneType
    {0xA302, ValueRule::CfaPattern},                     // CFAPattern
    {0xA401, ValueRule::Word16, &kCustomRenderedWords},  // CustomRendered
    {0xA402, ValueRule::Word16, &kAutoManualWords},      // ExposureMode
    {0xA403, ValueRule::Word16, &kAutoManualWords},      // WhiteBalance
    {0xA404, ValueRule::Rational},                       // DigitalZoomRatio
    {0xA405, ValueRule::SpeedValue},                     // FocalLengthIn35mmFilm
    {0xA406, ValueRule::Word16, &kSceneCaptureWords},    // SceneCaptureType
    {0xA407, ValueRule::Word16, &kGainControlWords},     // GainControl
    {0xA408, ValueRule::Word16, &kSoftHardWords},        // Contrast
    {0xA409, ValueRule::Word16, &kSoftHardWords},        // Saturation
    {0xA40A, ValueRule::Word16, &kSoftHardWords},        // Sharpness
    {0xA40C, ValueRule::Word16, &kDistanceRangeWords},   // SubjectDistanceRange
};

static_assert(std::ranges::is_sorted(kRules, {}, &TagRule::tag));

} // namespace

std::string_view ValueWords::lookup(std::uint32_t code) const {
    const auto word = std::ranges::find(words, code, &ValueWord::code);
    return word == words.end() ? otherwise : word->text;
}

std::span<const TagRule> tagRules() {
    return kRules;
}

const TagRule* findTagRule(std::uint16_t tag) {
    const auto rule = std::ranges::lower_bound(kRules, tag, {}, &TagRule::tag);
    return rule != std::end(kRules) && rule->tag == tag ? &*rule : nullptr;
}

} // namespace vistrel::detail
