// SPDX-License-Identifier: MIT
#include "catalogue/LoadFailure.h"

#include <string_view>

#include "platform/Prompter.h"

namespace vistrel {
namespace {

constexpr std::string_view kErrorCaption = "エラー";
constexpr std::string_view kNoImageHandle =
    "画像ファイルから DIB ハンドルを取得するのに失敗しました";
constexpr std::string_view kNoImageData = "DIB 実データの読みとり失敗";
constexpr std::string_view kNoImageHeader =
    "DIB データの BITMAPINFOHEADER構造体 取得に失敗しました。";

std::string_view textOf(LoadFailure failure) {
    switch (failure) {
    case LoadFailure::NoImageHandle:
        break;
    case LoadFailure::NoImageData:
        return kNoImageData;
    case LoadFailure::NoImageHeader:
        return kNoImageHeader;
    }
    return kNoImageHandle;
}

} // namespace

void showLoadFailure(LoadFailure failure, std::string_view fileName, Prompter& prompter) {
    prompter.messageAbout(kErrorCaption, textOf(failure), PromptIcon::Stop, fileName);
}

} // namespace vistrel
