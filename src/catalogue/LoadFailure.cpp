// SPDX-License-Identifier: MIT
#include "catalogue/LoadFailure.h"

#include <string_view>

#include "platform/Prompter.h"
#include "text/ProgramTexts.h"

namespace vistrel {
namespace {

std::string_view textOf(LoadFailure failure) {
    switch (failure) {
    case LoadFailure::NoImageHandle:
        break;
    case LoadFailure::NoImageData:
        return texts::kNoImageData;
    case LoadFailure::NoImageHeader:
        return texts::kNoImageHeader;
    }
    return texts::kNoImageHandle;
}

} // namespace

void showLoadFailure(LoadFailure failure, std::string_view fileName, Prompter& prompter) {
    prompter.messageAbout(texts::kErrorCaption, textOf(failure), PromptIcon::Stop, fileName);
}

} // namespace vistrel
