// SPDX-License-Identifier: MIT
#include "catalogue/CurrentImage.h"

#include "catalogue/LoadFailure.h"
#include "imaging/ImageFormat.h"
#include "imaging/ImageLibrary.h"
#include "platform/PathText.h"

namespace vistrel {
namespace {

ImageHandle decodeByKind(const std::string& path) {
    const auto format = imageFormatOfPath(path);
    if (!format) {
        return nullptr;
    }
    switch (*format) {
    case ImageFormat::Jpeg:
        return LoadJpegImage(path);
    case ImageFormat::Png:
        return LoadPngImage(path);
    case ImageFormat::Gif:
        return LoadGifImage(path);
    }
    return nullptr;
}

} // namespace

int CurrentImage::LoadSourceImage(const std::string& path, bool noPreview, Prompter& prompter) {
    release();
    m_image = decodeByKind(path);
    if (!m_image) {
        showLoadFailure(LoadFailure::NoImageHandle, fileNamePart(path), prompter);
        return 0;
    }
    m_header = GetImageHeader(m_image.get());
    if (!m_header) {
        release();
        showLoadFailure(LoadFailure::NoImageData, fileNamePart(path), prompter);
        return 0;
    }
    if (CheckImage(m_image.get()) == 0) {
        release();
        showLoadFailure(LoadFailure::NoImageHeader, fileNamePart(path), prompter);
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
