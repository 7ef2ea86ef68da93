// SPDX-License-Identifier: MIT
#include "exif/ExifValueFormatter.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <optional>

#include "exif/ExifEntry.h"
#include "exif/ExifValueRules.h"
#include "platform/TiffCursor.h"
#include "text/Encoding.h"

namespace vistrel {
namespace {

using detail::ValueRule;

constexpr char kFNumber[] = "F%3.1lf";
constexpr char kShortExposure[] = "1/%.0lf (秒)";
constexpr char kLongExposure[] = "%.2lf (秒)";
constexpr char kExposureTime[] = "%u/%u (秒)";
constexpr char kFocalLength[] = "%4.2lf (mm)";
constexpr char kExposureValue[] = "EV%.1lf";
constexpr char kDistance[] = "%.1lf (m)";
constexpr char kPixels16[] = "%u (pixel)";
constexpr char kPixels32[] = "%lu (pixel)";
constexpr char kBytes16[] = "%u バイト";
constexpr char kBytes32[] = "%lu バイト";
constexpr char kInteger16[] = "%u";
constexpr char kInteger32[] = "%lu";
constexpr char kThreeShorts[] = "%u,%u,%u";
constexpr char kRational[] = "%u/%u";
constexpr char kTwoRationals[] = "%u/%u, %u/%u";
constexpr char kRationalAndBlank[] = "%u/%u ";
constexpr char kThreeReals[] = "%f, %f, %f";
constexpr char kCfaStart[] = "%02x%02x,%02x%02x";
constexpr char kCfaMore[] = ",%02x";

constexpr std::uint64_t kRationalSize = 8;
constexpr std::uint64_t kCommentPrefixSize = 8;
constexpr std::uint64_t kCfaStartSize = 4;
constexpr double kSpeedToBrightness = 0.32;

[[gnu::format(printf, 1, 2)]] std::string print(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, arguments);
    va_end(arguments);
    text.pop_back();
    return text;
}

// Only finite numbers are printed: a zero denominator or a speed value of 0 gives nothing.
std::string printReal(const char* format, double value) {
    return std::isfinite(value) ? print(format, value) : std::string();
}

struct Fraction {
    std::uint32_t numerator;
    std::uint32_t denominator;

    double unsignedValue() const {
        return static_cast<double>(numerator) / static_cast<double>(denominator);
    }
    double signedValue() const {
        return static_cast<double>(static_cast<std::int32_t>(numerator)) /
               static_cast<double>(static_cast<std::int32_t>(denominator));
    }
};

std::optional<Fraction> fractionAt(const TiffCursor& data, std::uint64_t offset) {
    const auto numerator = data.Get32(offset);
    const auto denominator = data.Get32(offset + 4);
    if (!numerator || !denominator) {
        return std::nullopt;
    }
    return Fraction{*numerator, *denominator};
}

// The bytes from offset, at most limit of them, up to the first zero byte, decoded as CP932.
std::string storedText(const TiffCursor& data, std::uint64_t offset, std::uint64_t limit) {
    if (offset > data.size()) {
        return {};
    }
    const auto bytes = data.bytesAt(offset, std::min(limit, data.size() - offset));
    if (!bytes) {
        return {};
    }
    return cp932ToUtf8(std::string_view(*bytes).substr(0, bytes->find('\0')));
}

std::string userComment(const ExifEntry& entry, const TiffCursor& data) {
    if (entry.count <= kCommentPrefixSize) {
        return {};
    }
    return storedText(data, kCommentPrefixSize, entry.count - kCommentPrefixSize);
}

// A 16-bit value for a unit size of 2, else a 32-bit one, printed with the matching format.
std::string widthInteger(const ExifEntry& entry, const TiffCursor& data, const char* format16,
                         const char* format32) {
    if (entry.unitSize == 2) {
        const auto value = data.Get16(0);
        return value ? print(format16, unsigned{*value}) : std::string();
    }
    const auto value = data.Get32(0);
    return value ? print(format32, static_cast<unsigned long>(*value)) : std::string();
}

std::string shutterSpeed(const TiffCursor& data) {
    const auto tv = fractionAt(data, 0);
    if (!tv) {
        return {};
    }
    const double value = tv->signedValue();
    if (std::isnan(value)) {
        return {};
    }
    if (value > 0) {
        return printReal(kShortExposure, std::pow(2.0, value));
    }
    return printReal(kLongExposure, std::pow(2.0, std::fabs(value)));
}

std::string sixRationals(const TiffCursor& data) {
    std::string text;
    for (std::uint64_t i = 0; i < 6; ++i) {
        const auto value = fractionAt(data, kRationalSize * i);
        if (!value) {
            return {};
        }
        text += print(kRationalAndBlank, value->numerator, value->denominator);
    }
    return text;
}

std::string whitePoint(const TiffCursor& data) {
    const auto first = fractionAt(data, 0);
    const auto second = fractionAt(data, kRationalSize);
    if (!first || !second) {
        return {};
    }
    return print(kTwoRationals, first->numerator, first->denominator, second->numerator,
                 second->denominator);
}

std::string coefficients(const TiffCursor& data) {
    double values[3] = {};
    for (std::uint64_t i = 0; i < 3; ++i) {
        const auto value = fractionAt(data, kRationalSize * i);
        if (!value || !std::isfinite(value->unsignedValue())) {
            return {};
        }
        values[i] = value->unsignedValue();
    }
    return print(kThreeReals, values[0], values[1], values[2]);
}

std::string cfaPattern(const ExifEntry& entry, const TiffCursor& data) {
    const auto start = data.bytesAt(0, kCfaStartSize);
    if (!start) {
        return {};
    }
    const auto byte = [&](std::size_t i) {
        return unsigned{static_cast<std::uint8_t>((*start)[i])};
    };
    std::string text = print(kCfaStart, byte(0), byte(1), byte(2), byte(3));
    const std::uint64_t end = std::min(std::uint64_t{entry.unitSize} * entry.count, data.size());
    if (end > kCfaStartSize) {
        const auto more = data.bytesAt(kCfaStartSize, end - kCfaStartSize);
        if (!more) {
            return {};
        }
        for (const char c : *more) {
            text += print(kCfaMore, unsigned{static_cast<std::uint8_t>(c)});
        }
    }
    return text;
}

std::optional<std::uint32_t> wordCode(ValueRule rule, const TiffCursor& data) {
    switch (rule) {
    case ValueRule::Word8:
        return data.byteAt(0);
    case ValueRule::WordPair: {
        const auto first = data.Get16(0);
        const auto second = data.Get16(2);
        if (!first || !second) {
            return std::nullopt;
        }
        return std::uint32_t{*first} << 16 | *second;
    }
    case ValueRule::WordBytes4: {
        const auto bytes = data.bytesAt(0, 4);
        if (!bytes) {
            return std::nullopt;
        }
        std::uint32_t code = 0;
        for (const char c : *bytes) {
            code = code << 8 | static_cast<std::uint8_t>(c);
        }
        return code;
    }
    default:
        return data.Get16(0);
    }
}

} // namespace

std::string FormatValue(std::uint16_t code, const ExifEntry& entry, const TiffCursor& data,
                        ExifFormatState& state) {
    const detail::TagRule* rule = detail::findTagRule(code);
    if (rule == nullptr) {
        return {};
    }
    const auto value16 = data.Get16(0);
    const auto value32 = data.Get32(0);
    const auto fraction = fractionAt(data, 0);
    switch (rule->rule) {
    case ValueRule::Text:
        return storedText(data, 0, entry.count);
    case ValueRule::UserComment:
        return userComment(entry, data);
    case ValueRule::FNumber:
        return fraction ? printReal(kFNumber, fraction->unsignedValue()) : std::string();
    case ValueRule::Aperture:
        return fraction ? printReal(kFNumber, std::pow(std::sqrt(2.0), fraction->unsignedValue()))
                        : std::string();
    case ValueRule::ShutterSpeed:
        return shutterSpeed(data);
    case ValueRule::ExposureTime:
        return fraction ? print(kExposureTime, fraction->numerator, fraction->denominator)
                        : std::string();
    case ValueRule::FocalLength:
        return fraction ? printReal(kFocalLength, fraction->unsignedValue()) : std::string();
    case ValueRule::ExposureBias:
        return fraction ? printReal(kExposureValue, fraction->signedValue()) : std::string();
    case ValueRule::Brightness:
        return fraction
                   ? printReal(kExposureValue, fraction->signedValue() +
                                                   std::log2(state.speedValue * kSpeedToBrightness))
                   : std::string();
    case ValueRule::SubjectDistance:
        return fraction ? printReal(kDistance, fraction->signedValue()) : std::string();
    case ValueRule::Pixels:
        return widthInteger(entry, data, kPixels16, kPixels32);
    case ValueRule::ByteOffset:
        return widthInteger(entry, data, kBytes16, kBytes32);
    case ValueRule::Integer:
        return widthInteger(entry, data, kInteger16, kInteger32);
    case ValueRule::BitsPerSample: {
        const auto second = data.Get16(2);
        const auto third = data.Get16(4);
        return value16 && second && third
                   ? print(kThreeShorts, unsigned{*value16}, unsigned{*second}, unsigned{*third})
                   : std::string();
    }
    case ValueRule::SpeedValue:
        if (!value16) {
            return {};
        }
        state.speedValue = *value16;
        return print(kInteger16, unsigned{*value16});
    case ValueRule::ByteCount:
        return value32 ? print(kBytes16, *value32) : std::string();
    case ValueRule::ExifPointer:
        if (!value32) {
            return {};
        }
        state.exifDirectoryOffset = *value32;
        state.exifPointerSeen = true;
        return print(kBytes16, *value32);
    case ValueRule::Rational:
        return fraction ? print(kRational, fraction->numerator, fraction->denominator)
                        : std::string();
    case ValueRule::WhitePoint:
        return whitePoint(data);
    case ValueRule::SixRationals:
        return sixRationals(data);
    case ValueRule::YCbCrCoefficients:
        return coefficients(data);
    case ValueRule::Word16:
    case ValueRule::Word8:
    case ValueRule::WordPair:
    case ValueRule::WordBytes4: {
        const auto wordValue = wordCode(rule->rule, data);
        return wordValue ? std::string(rule->words->lookup(*wordValue)) : std::string();
    }
    case ValueRule::CfaPattern:
        return cfaPattern(entry, data);
    }
    return {};
}

} // namespace vistrel
