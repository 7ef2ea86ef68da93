// SPDX-License-Identifier: MIT
// Runs the window's tests inside one QApplication on the offscreen platform, in the Japanese
// UI font the program itself uses, so that sizes and texts are what a user gets.
#include <QApplication>

#include <gtest/gtest.h>

#include "ui/icons/IconResources.h"
#include "ui/shell/WindowFont.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    vistrel::ui::useJapaneseUiFont(application);
    vistrel::ui::initIconResources();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
