// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vistrel {

// Where a long run reports its progress. The GUI shows a progress dialog, the command line a
// bar on the terminal. pump() is called between files and cells so that a front end can
// repaint and take the user's cancel request.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;

    virtual void open(std::string_view title) = 0;
    // done of total steps are complete; total may be 0.
    virtual void setProgress(int done, int total) = 0;
    virtual void close() = 0;
    virtual void pump() = 0;
};

// A sink that shows nothing (quiet runs, tests that do not look at progress).
class NullProgressSink final : public ProgressSink {
public:
    void open(std::string_view) override {}
    void setProgress(int, int) override {}
    void close() override {}
    void pump() override {}
};

} // namespace vistrel
