// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vistrel {

// Which display a long step stands for, so that a front end can show each its own way.
enum class ProgressKind {
    Thumbnails, // the pages and thumbnails of an index: a bar and Cancel
    SlideShow,  // the slideshow page: a notice to wait, with Cancel
    Copy,       // a batch copy: the files copied so far
};

// Where a long run reports its progress. The GUI shows a progress dialog, the command line a
// bar on the terminal. pump() is called between files, cells and the blocks of a large copy so
// that a front end can repaint and take the user's cancel request.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;

    // Shows the display of kind with text (its title or notice).
    virtual void open(ProgressKind kind, std::string_view text) = 0;
    // done of total steps are complete; total may be 0.
    virtual void setProgress(int done, int total) = 0;
    virtual void close() = 0;
    virtual void pump() = 0;
};

// A sink that shows nothing (quiet runs, tests that do not look at progress).
class NullProgressSink final : public ProgressSink {
public:
    void open(ProgressKind, std::string_view) override {}
    void setProgress(int, int) override {}
    void close() override {}
    void pump() override {}
};

} // namespace vistrel
