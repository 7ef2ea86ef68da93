// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>

#include "platform/ProgressPercentage.h"
#include "platform/ProgressSink.h"

namespace vistrel::cli {

// A progress bar on a terminal: the title and a bar of the percentage, redrawn in place on one
// line when the percentage changes, and ended with a line break when the run closes it.
class TerminalProgress final : public ProgressSink {
public:
    explicit TerminalProgress(std::FILE* out) : m_out(out) {}

    void open(ProgressKind kind, std::string_view title) override;
    void setProgress(int done, int total) override;
    void close() override;
    void pump() override {}

private:
    void draw(int percentage);

    std::FILE* m_out;
    std::string m_title;
    ProgressPercentage m_percentage;
    bool m_open = false;
};

} // namespace vistrel::cli
