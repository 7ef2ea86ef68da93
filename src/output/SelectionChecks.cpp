// SPDX-License-Identifier: MIT
#include "output/SelectionChecks.h"

#include <string>
#include <unordered_map>

#include "app/Settings.h"
#include "catalogue/ImageList.h"
#include "names/ImageKind.h"
#include "names/NameCase.h"
#include "output/BlockingCalls.h"
#include "platform/CancelFlag.h"
#include "platform/FileContent.h"
#include "platform/ProgressSink.h"
#include "platform/Prompter.h"
#include "text/ProgramTexts.h"

namespace vistrel {
namespace {

constexpr std::string_view kJpegSignature = "\xFF\xD8\xFF";
constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1A\n";
constexpr std::string_view kGif87Signature = "GIF87a";
constexpr std::string_view kGif89Signature = "GIF89a";
constexpr std::size_t kLongestSignature = kPngSignature.size();

bool startsWith(std::string_view bytes, std::string_view signature) {
    return bytes.substr(0, signature.size()) == signature;
}

} // namespace

bool hasSignatureOfItsName(std::string_view name, std::string_view bytes) {
    switch (ClassifyImageName(name)) {
    case ImageKind::Jpeg:
        return startsWith(bytes, kJpegSignature);
    case ImageKind::Png:
        return startsWith(bytes, kPngSignature);
    case ImageKind::Gif:
        return startsWith(bytes, kGif87Signature) || startsWith(bytes, kGif89Signature);
    case ImageKind::None:
        break;
    }
    return false;
}

bool uncheckFilesThatAreNotImages(ImageList& list, const Settings& settings, Prompter& prompter,
                                  ProgressSink& progress, CancelFlag& cancel) {
    BlockingCalls calls(progress);
    std::string names;
    bool finished = true;
    for (int row = 0; row < list.rowCount(); ++row) {
        const std::string& name = list.row(row).name;
        if (!list.row(row).checked || ClassifyImageName(name) == ImageKind::None) {
            continue;
        }
        progress.pump();
        if (cancel.testAndClear()) {
            finished = false;
            break;
        }
        const std::string path = settings.ImagePath + name;
        std::string head;
        bool read = false;
        calls.run([&] { read = readFileInto(path, head, kLongestSignature).ok(); });
        if (read && !hasSignatureOfItsName(name, head)) {
            list.setChecked(row, false);
            names.append("\n").append(name);
        }
    }
    if (!names.empty()) {
        prompter.message(texts::kImageFileErrorCaption, std::string(texts::kNotImages) + names,
                         PromptIcon::Warning);
    }
    return finished;
}

void uncheckNameClashes(ImageList& list, const Settings& settings, Prompter& prompter) {
    std::unordered_map<std::string, int> firstWithName;
    for (int row = 0; row < list.rowCount(); ++row) {
        if (!list.row(row).checked) {
            continue;
        }
        const std::string& name = list.row(row).name;
        std::string output = applyImageCase(name, settings.ImageCase);
        const auto [first, isNew] = firstWithName.try_emplace(output, row);
        if (!isNew) {
            list.setChecked(row, false);
            std::string text = name;
            text.append(texts::kSameName)
                .append(list.row(first->second).name)
                .append(texts::kSameNameEnd)
                .append(output)
                .append(texts::kSameNameTail);
            prompter.message(texts::kImageFileErrorCaption, text, PromptIcon::Warning);
        }
    }
}

} // namespace vistrel
