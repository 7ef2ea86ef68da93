// SPDX-License-Identifier: MIT
#include "ui/pages/music/MidiPlayer.h"

#include <utility>

#include "ui/pages/music/FluidSynthPlayer.h"

namespace vistrel::ui {
namespace {

MidiPlayerFactory& overridingFactory() {
    static MidiPlayerFactory factory;
    return factory;
}

} // namespace

std::unique_ptr<MidiPlayer> makeMidiPlayer() {
    const MidiPlayerFactory& factory = overridingFactory();
    return factory ? factory() : std::make_unique<FluidSynthPlayer>();
}

MidiPlayerOverride::MidiPlayerOverride(MidiPlayerFactory factory)
    : m_previous(std::exchange(overridingFactory(), std::move(factory))) {}

MidiPlayerOverride::~MidiPlayerOverride() {
    overridingFactory() = std::move(m_previous);
}

} // namespace vistrel::ui
