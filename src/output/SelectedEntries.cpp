// SPDX-License-Identifier: MIT
#include "output/SelectedEntries.h"

#include <string>
#include <unordered_set>

#include "app/Settings.h"
#include "catalogue/ImageList.h"
#include "catalogue/OutputImageFolder.h"
#include "names/ImageKind.h"
#include "names/NameCase.h"
#include "platform/FileSystem.h"

namespace vistrel {
namespace {

constexpr std::int32_t kThumbnailKindStep = 2;

} // namespace

namespace {

std::unordered_set<std::string> mainImageNames(const ImageList& list, const Settings& settings) {
    std::unordered_set<std::string> names;
    for (int index = 0; index < list.rowCount(); ++index) {
        const ImageRow& row = list.row(index);
        if (row.checked && ClassifyImageName(row.name) != ImageKind::None) {
            names.insert(applyImageCase(row.name, settings.ImageCase));
        }
    }
    return names;
}

} // namespace

EntryBuilder::EntryBuilder(const Settings& settings, const ImageList& list)
    : m_settings(settings),
      m_namer(outputImageFolder(settings), settings.ImageCase, mainImageNames(list, settings)),
      m_thumbnailKind(kThumbnailKindStep * settings.ThumbType) {}

void EntryBuilder::add(int index, const ImageRow& row, std::vector<ImageEntry>& entries) {
    std::string sourcePath = m_settings.ImagePath + row.name;
    if (!row.checked || !FileExists(sourcePath)) {
        return;
    }
    ImageEntry& entry = entries.emplace_back();
    entry.rowIndex = index;
    entry.fileName = applyImageCase(row.name, m_settings.ImageCase);
    entry.sizeText = row.sizeText;
    entry.dateText = row.dateText;
    entry.comment = row.comment;
    entry.sourcePath = std::move(sourcePath);
    ThumbnailName thumbnail =
        m_namer.MakeThumbnailName(static_cast<std::int32_t>(entries.size() - 1), entry.fileName,
                                  m_thumbnailKind, m_settings.AddString);
    entry.thumbPath = std::move(thumbnail.path);
    entry.thumbFileName = std::move(thumbnail.fileName);
}

std::vector<ImageEntry> entriesAfterCopy(const ImageList& list, const Settings& settings) {
    std::vector<ImageEntry> entries;
    EntryBuilder builder(settings, list);
    for (int index = 0; index < list.rowCount(); ++index) {
        const ImageRow& row = list.row(index);
        if (ClassifyImageName(row.name) != ImageKind::None) {
            builder.add(index, row, entries);
        }
    }
    return entries;
}

} // namespace vistrel
