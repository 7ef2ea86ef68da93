// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel::ui {

// Collects FluidSynth's error messages while it lives, for the steps that report a failure
// only through FluidSynth's log (a sound font that does not load, an audio driver that does not
// start). FluidSynth's own log functions are back in place once it goes. One at a time.
class FluidLogCapture {
public:
    FluidLogCapture();
    ~FluidLogCapture();
    FluidLogCapture(const FluidLogCapture&) = delete;
    FluidLogCapture& operator=(const FluidLogCapture&) = delete;

    // The messages logged so far, one a line.
    std::string text() const;

private:
    std::string m_text;
};

} // namespace vistrel::ui
