// SPDX-License-Identifier: MIT
#include "ui/pages/music/FluidLogCapture.h"

#include <array>
#include <mutex>

#include <fluidsynth.h>

namespace vistrel::ui {
namespace {

constexpr std::array<int, 2> kCapturedLevels{FLUID_PANIC, FLUID_ERR};

// The synthesiser's own threads log too, so the text being collected is reached under a lock.
std::mutex& captureMutex() {
    static std::mutex mutex;
    return mutex;
}

std::string*& captureTarget() {
    static std::string* target = nullptr;
    return target;
}

void collect(int level, const char* message, void* data) {
    const std::scoped_lock lock(captureMutex());
    std::string* target = captureTarget();
    if (target == nullptr) {
        fluid_default_log_function(level, message, data);
        return;
    }
    if (!target->empty()) {
        target->push_back('\n');
    }
    target->append(message);
}

} // namespace

FluidLogCapture::FluidLogCapture() {
    {
        const std::scoped_lock lock(captureMutex());
        captureTarget() = &m_text;
    }
    for (const int level : kCapturedLevels) {
        fluid_set_log_function(level, collect, nullptr);
    }
}

FluidLogCapture::~FluidLogCapture() {
    for (const int level : kCapturedLevels) {
        fluid_set_log_function(level, fluid_default_log_function, nullptr);
    }
    const std::scoped_lock lock(captureMutex());
    captureTarget() = nullptr;
}

std::string FluidLogCapture::text() const {
    const std::scoped_lock lock(captureMutex());
    return m_text;
}

} // namespace vistrel::ui
