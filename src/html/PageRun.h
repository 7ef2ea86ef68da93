// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

class CancelFlag;
class CSmallImg;
class CurrentImage;
class ImageList;
class ProgressSink;
class Prompter;
struct Settings;

// What the page writers work with during one create run. Nothing is owned.
struct PageRun {
    Settings& settings;
    ImageList& list;            // the checked rows in order, and their comments
    CurrentImage& currentImage; // the image the thumbnail maker draws from
    CSmallImg& thumbnailMaker;
    Prompter& prompter;
    ProgressSink& progress;
    CancelFlag& cancel;
};

} // namespace vistrel
