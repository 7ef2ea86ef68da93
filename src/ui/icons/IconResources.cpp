// SPDX-License-Identifier: MIT
#include "ui/icons/IconResources.h"

#include <QtGlobal>

// Qt's resource initialiser declares its function where it is used, so it must be used outside
// any namespace.
static void initIconsQrc() {
    Q_INIT_RESOURCE(icons);
}

namespace vistrel::ui {

void initIconResources() {
    initIconsQrc();
}

} // namespace vistrel::ui
