// SPDX-License-Identifier: MIT
// Draws the demo's photographs and gives them the shooting data a camera would write, so the
// demo site shows every part of an image page. Run once; its output is committed under
// demo/pictures/.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "imaging/ImageLibrary.h"
#include "support/ExifWriter.h"
#include "support/TempDir.h"

namespace {

using vistrel::Image;
using vistrel::test::ExifDirectory;
using vistrel::test::ExifWriter;

struct Scene {
    const char* name;
    int width;
    int height;
    double sunX;       // 0..1 across the picture
    double sunY;       // 0..1 down the picture
    double hillPhase;  // shape of the hills
    int hue;           // 0 dawn, 1 noon, 2 dusk, 3 night
    const char* taken; // "YYYY:MM:DD HH:MM:SS"
    std::uint32_t exposureDenominator;
    std::uint32_t fNumberTenths;
    std::uint16_t iso;
    std::uint32_t focalLength;
};

struct Colour {
    double r, g, b;
};

Colour skyAt(int hue, double y) {
    static const Colour top[] = {{70, 90, 160}, {60, 130, 220}, {60, 40, 110}, {10, 15, 40}};
    static const Colour bottom[] = {{250, 180, 140}, {190, 220, 250}, {250, 120, 60}, {40, 50, 90}};
    const Colour a = top[hue];
    const Colour b = bottom[hue];
    return {a.r + (b.r - a.r) * y, a.g + (b.g - a.g) * y, a.b + (b.b - a.b) * y};
}

std::unique_ptr<Image> draw(const Scene& scene) {
    auto image = Image::create(scene.width, scene.height);
    for (int y = 0; y < scene.height; ++y) {
        auto row = image->row(y);
        const double v = static_cast<double>(y) / scene.height;
        for (int x = 0; x < scene.width; ++x) {
            const double u = static_cast<double>(x) / scene.width;
            Colour c = skyAt(scene.hue, v);
            const double dx = (u - scene.sunX) * scene.width / scene.height;
            const double dy = v - scene.sunY;
            const double sun = std::exp(-(dx * dx + dy * dy) * 400.0);
            c = {c.r + (255 - c.r) * sun, c.g + (235 - c.g) * sun, c.b + (190 - c.b) * sun};
            const double hill = 0.62 + 0.08 * std::sin(u * 9.0 + scene.hillPhase) +
                                0.04 * std::sin(u * 23.0 + scene.hillPhase * 2.0);
            if (v > hill) {
                const double depth = (v - hill) * 3.0;
                c = {30 + 20 * depth, 90 - 30 * depth + 20 * scene.hue, 50 + 10 * depth};
            }
            row[static_cast<std::size_t>(x) * 3] =
                static_cast<std::uint8_t>(std::clamp(c.r, 0.0, 255.0));
            row[static_cast<std::size_t>(x) * 3 + 1] =
                static_cast<std::uint8_t>(std::clamp(c.g, 0.0, 255.0));
            row[static_cast<std::size_t>(x) * 3 + 2] =
                static_cast<std::uint8_t>(std::clamp(c.b, 0.0, 255.0));
        }
    }
    return image;
}

std::string exifSegment(const Scene& scene) {
    ExifWriter exif(vistrel::test::ByteOrder::Intel);
    exif.ascii(ExifDirectory::Main, 0x010F, "Vistrel Demo Optics");
    exif.ascii(ExifDirectory::Main, 0x0110, "VD-1");
    exif.exifPointer();
    exif.rational(ExifDirectory::Exif, 0x829A, 1, scene.exposureDenominator);
    exif.rational(ExifDirectory::Exif, 0x829D, scene.fNumberTenths, 10);
    exif.shortValues(ExifDirectory::Exif, 0x8822, {3});
    exif.shortValues(ExifDirectory::Exif, 0x8827, {scene.iso});
    exif.ascii(ExifDirectory::Exif, 0x9003, scene.taken);
    exif.srational(ExifDirectory::Exif, 0x9204, -1, 3);
    exif.shortValues(ExifDirectory::Exif, 0x9207, {5});
    exif.shortValues(ExifDirectory::Exif, 0x9209, {16});
    exif.rational(ExifDirectory::Exif, 0x920A, scene.focalLength, 1);
    const std::string jpeg = exif.jpeg();
    // The segment between the start and end markers of the minimal file.
    return jpeg.substr(2, jpeg.size() - 4);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const Scene scenes[] = {
        {"asahi.jpg", 960, 640, 0.3, 0.45, 0.4, 0, "2026:04:29 05:12:08", 250, 56, 200, 35},
        {"hiru_no_oka.jpg", 960, 640, 0.7, 0.18, 1.7, 1, "2026:04:29 12:40:31", 1000, 80, 100, 24},
        {"yuuhi.jpg", 960, 640, 0.55, 0.52, 2.9, 2, "2026:04:29 18:21:55", 125, 40, 400, 85},
        {"tate_no_kei.jpg", 640, 960, 0.5, 0.25, 4.1, 1, "2026:04:30 09:03:12", 500, 110, 100, 50},
        {"yoru.jpg", 960, 640, 0.8, 0.2, 5.3, 3, "2026:04:30 21:47:02", 4, 28, 3200, 18},
    };
    for (const auto& scene : scenes) {
        const std::string path = folder + scene.name;
        auto image = draw(scene);
        if (!vistrel::SaveJpegImage(path, *image, 85)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::string bytes = vistrel::test::readBytes(path);
        bytes.insert(2, exifSegment(scene));
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }
    return 0;
}
