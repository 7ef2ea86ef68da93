// SPDX-License-Identifier: MIT
#include "ui/shell/DesktopOpener.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/shell/QtText.h"

namespace vistrel::ui {

Status DesktopOpener::open(const std::string& pathOrUrl) {
    const QString target = qText(pathOrUrl);
    const bool isAddress = target.startsWith(QStringLiteral("http://")) ||
                           target.startsWith(QStringLiteral("https://")) ||
                           target.startsWith(QStringLiteral("mailto:"));
    const QUrl url = isAddress ? QUrl(target) : QUrl::fromLocalFile(target);
    if (!QDesktopServices::openUrl(url)) {
        return Status::failure(pathOrUrl, "no application could open it");
    }
    return Status::success();
}

} // namespace vistrel::ui
