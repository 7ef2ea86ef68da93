// SPDX-License-Identifier: MIT
// The window's start-up: the image library check, the settings file, the main window shown
// modally, and the settings saved when it ends.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include <QApplication>

#include "app/ProgramInfo.h"
#include "app/Startup.h"
#include "imaging/ImageLibrary.h"
#include "ui/icons/IconResources.h"
#include "ui/shell/DesktopOpener.h"
#include "ui/shell/FileDialogs.h"
#include "ui/shell/MessageBoxPrompter.h"
#include "ui/shell/QtJapanese.h"
#include "ui/shell/QtText.h"
#include "ui/shell/WindowFont.h"
#include "ui/window/MainWindow.h"
#include "ui/window/PreviewLoader.h"

namespace {

constexpr const char* kUsage =
    "usage: vistrel [--ini FILE]\n"
    "       vistrel --version\n"
    "Opens the Vistrel window. The settings are read from FILE, or from\n"
    "vistrel.ini beside the program (~/.config/vistrel/vistrel.ini for an\n"
    "installed copy), and saved there when it ends.\n";

struct Arguments {
    std::optional<std::string> ini;
    bool version = false;
    bool help = false;
    bool wrong = false;
};

// Read before Qt starts, so that --version and --help work without a display. Qt's own options
// (-platform and the like) are left to Qt.
Arguments readArguments(int argc, char** argv) {
    Arguments read;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--ini" && i + 1 < argc) {
            read.ini = argv[++i];
        } else if (argument.starts_with("--ini=")) {
            read.ini = std::string(argument.substr(6));
        } else if (argument == "--version") {
            read.version = true;
        } else if (argument == "--help" || argument == "-h") {
            read.help = true;
        } else if (argument.starts_with("--")) {
            read.wrong = true;
        }
    }
    return read;
}

} // namespace

int main(int argc, char** argv) {
    const Arguments arguments = readArguments(argc, argv);
    if (arguments.version) {
        std::printf("vistrel %.*s\n", static_cast<int>(vistrel::kProgramVersion.size()),
                    vistrel::kProgramVersion.data());
        return 0;
    }
    if (arguments.help || arguments.wrong) {
        std::fputs(kUsage, arguments.wrong ? stderr : stdout);
        return arguments.wrong ? 2 : 0;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vistrel"));
    QApplication::setApplicationVersion(vistrel::ui::qText(vistrel::kProgramVersion));
    QGuiApplication::setDesktopFileName(vistrel::ui::qText(vistrel::kApplicationId));
    vistrel::ui::initIconResources();
    vistrel::ui::useJapaneseUiFont(application);
    vistrel::ui::useJapaneseQtTexts(application);

    vistrel::ui::MessageBoxPrompter prompter;
    std::optional<vistrel::Application> started =
        vistrel::startUp(vistrel::StartupEnvironment::current(), arguments.ini,
                         vistrel::GetLibraryVersion(), prompter);
    if (!started) {
        return 1;
    }

    vistrel::ui::DesktopOpener opener;
    vistrel::ui::QtFileDialogs dialogs;
    vistrel::ui::CorePreviewDecoder decoder;
    int result = QDialog::Rejected;
    {
        vistrel::ui::MainWindow window(started->settings, {prompter, opener, dialogs}, decoder);
        result = window.exec();
    }
    if (result == QDialog::Accepted && !started->save(prompter)) {
        return 1;
    }
    return 0;
}
