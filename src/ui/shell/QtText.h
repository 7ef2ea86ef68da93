// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace vistrel::ui {

// The core holds every text as UTF-8; Qt holds UTF-16.
inline QString qText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string stdText(const QString& text) {
    return text.toStdString();
}

} // namespace vistrel::ui
