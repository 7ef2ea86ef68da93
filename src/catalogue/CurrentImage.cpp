// SPDX-License-Identifier: MIT
#include "catalogue/CurrentImage.h"

#include <string_view>

#include "catalogue/ImageKind.h"
#include "imaging/ImageLibrary.h"
#include "platform/Prompter.h"

namespace vistrel {
namespace {

constexpr std::string_view kErrorCaption = "エラー";
constexpr std::string_view kNoImageHandle =
    "画像ファイルから DIB ハンドルを取得するのに失敗しました";
constexpr std::string_view kNoImageData = "DIB 実データの読みとり失敗";
constexpr std::string_view kNoImageHeader =
    "DIB データの BITMAPINFOHEADER構造体 取得に失敗しました。";

// The kind comes from the file name alone: a folder called "trip.png" must not send the JPEG
// files inside it to the PNG decoder.
ImageHandle decodeByKind(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    switch (ClassifyImageName(name)) {
    case ImageKind::Jpeg:
        return LoadJpegImage(path);
    case ImageKind::Png:
        return LoadPngImage(path);
    case ImageKind::Gif:
        return LoadGifImage(path);
    default:
        return nullptr;
    }
}

} // namespace

int CurrentImage::LoadSourceImage(const std::string& path, bool noPreview, Prompter& prompter) {
    release();
    m_image = decodeByKind(path);
    if (!m_image) {
        prompter.message(kErrorCaption, kNoImageHandle, PromptIcon::Stop);
        return 0;
    }
    m_header = GetImageHeader(m_image.get());
    if (!m_header) {
        release();
        prompter.message(kErrorCaption, kNoImageData, PromptIcon::Stop);
        return 0;
    }
    if (CheckImage(m_image.get()) == 0) {
        release();
        prompter.message(kErrorCaption, kNoImageHeader, PromptIcon::Stop);
        return 0;
    }
    if (!noPreview && m_previewRequest) {
        m_previewRequest();
    }
    return 1;
}

void CurrentImage::release() {
    m_header.reset();
    FreeImage(m_image);
}

} // namespace vistrel
