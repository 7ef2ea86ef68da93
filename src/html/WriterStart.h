// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/ImageEntry.h"

namespace vistrel {

class PageFile;
struct PageRun;

// The progress texts of the two kinds of run.
inline constexpr std::string_view kThumbnailProgressText =
    "HTML ファイル及び縮小画像の生成中です。しばらくお待ち下さい...";
inline constexpr std::string_view kSlideShowProgressText =
    "スライドショーファイルの生成中です。しばらくお待ち下さい...";

// The steps every page writer starts with: refuse an empty selection ("エラー"), confirm
// overwriting the main page at mainPage, open the progress display, clear the old pages and
// collect the checked images into entries. False when the run stops (the progress display is
// closed again by then).
bool startPageWriter(PageRun& run, const std::string& mainPage, std::string_view progressText,
                     std::vector<ImageEntry>& entries);

// Puts a finished page in place; a page that could not be written joins the run's list of
// failed writes, and the writer goes on with the next page.
void finishPage(PageRun& run, PageFile& page);

} // namespace vistrel
