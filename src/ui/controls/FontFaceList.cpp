// SPDX-License-Identifier: MIT
#include "ui/controls/FontFaceList.h"

#include <algorithm>

namespace vistrel::ui {
namespace {

// The formats a browser can use from a page's font-family; bitmap and Type 1 faces are left out.
bool isOutlineForBrowsers(const QString& format) {
    return format == QLatin1String("TrueType") || format == QLatin1String("CFF");
}

} // namespace

QStringList fontFaceItems(const std::vector<InstalledFace>& faces) {
    QStringList items{kNoFontFace};
    for (const InstalledFace& face : faces) {
        if (isOutlineForBrowsers(face.format) && !face.family.isEmpty()) {
            items << face.family;
        }
    }
    std::sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
        const int order = QString::compare(a, b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    items.erase(std::unique(items.begin(), items.end()), items.end());
    return items;
}

} // namespace vistrel::ui
