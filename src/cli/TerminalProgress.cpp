// SPDX-License-Identifier: MIT
#include "cli/TerminalProgress.h"

#include <algorithm>

namespace vistrel::cli {
namespace {

constexpr int kBarWidth = 30;

} // namespace

void TerminalProgress::open(ProgressKind, std::string_view title) {
    m_title = title;
    m_percentage.reset();
    m_open = true;
    draw(0);
}

void TerminalProgress::setProgress(int done, int total) {
    if (const auto percentage = m_percentage.update(done, total); percentage && m_open) {
        draw(*percentage);
    }
}

void TerminalProgress::close() {
    if (m_open) {
        std::fputc('\n', m_out);
        std::fflush(m_out);
        m_open = false;
    }
}

void TerminalProgress::draw(int percentage) {
    const int filled = percentage * kBarWidth / 100;
    std::string bar(static_cast<std::size_t>(std::max(0, filled)), '#');
    bar.resize(kBarWidth, '.');
    std::fprintf(m_out, "\r%s [%s] %3d%%", m_title.c_str(), bar.c_str(), percentage);
    std::fflush(m_out);
}

} // namespace vistrel::cli
