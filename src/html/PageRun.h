// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

class CancelFlag;
class ImagePass;
class ImageList;
class ProgressSink;
class Prompter;
struct Settings;

// What the page writers work with during one create run. Nothing is owned.
struct PageRun {
    Settings& settings;
    ImageList& list; // the checked rows in order, and their comments
    Prompter& prompter;
    ProgressSink& progress;
    CancelFlag& cancel;
    ImagePass& pass; // reads the images, perhaps started ahead of the writer
};

} // namespace vistrel
