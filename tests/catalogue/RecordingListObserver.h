// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "catalogue/ImageListObserver.h"

namespace vistrel::test {

// An ImageListObserver that writes down every report as a line: "reset", "row <i>",
// "moving <from> <to>", "moved <from> <to>", "current <row>", "counts <total> <checked>".
class RecordingListObserver final : public ImageListObserver {
public:
    void rowsReset() override { events.emplace_back("reset"); }
    void rowChanged(int row) override { events.push_back("row " + std::to_string(row)); }
    void rowAboutToMove(int from, int to) override {
        events.push_back("moving " + std::to_string(from) + " " + std::to_string(to));
    }
    void rowMoved(int from, int to) override {
        events.push_back("moved " + std::to_string(from) + " " + std::to_string(to));
    }
    void currentRowChanged(int row) override { events.push_back("current " + std::to_string(row)); }
    void countsChanged(int total, int checked) override {
        events.push_back("counts " + std::to_string(total) + " " + std::to_string(checked));
    }

    std::vector<std::string> events;
};

} // namespace vistrel::test
