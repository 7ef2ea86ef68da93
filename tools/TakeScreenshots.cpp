// SPDX-License-Identifier: MIT
// Writes a PNG of every window of the program as a user sees it, from a folder of a few
// pictures with one of them shown in the preview:
//   vistrel_screenshots OUTPUT_FOLDER
// main-<tab>.png for each settings tab in thumbnail mode and main-<tab>-slideshow.png in
// slideshow mode, options-<tab>.png for each page of the options dialog, progress-index.png,
// progress-slideshow.png and about.png.
#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QElapsedTimer>
#include <QTabBar>
#include <QTabWidget>
#include <QThread>

#include "app/SettingsTable.h"
#include "imaging/Image.h"
#include "imaging/ImageLibrary.h"
#include "platform/CancelFlag.h"
#include "platform/DocumentOpener.h"
#include "platform/Prompter.h"
#include "text/ProgramTexts.h"
#include "ui/about/AboutBox.h"
#include "ui/icons/IconResources.h"
#include "ui/options/COptMain.h"
#include "ui/progress/CMsgDialog.h"
#include "ui/progress/CMsgSlide.h"
#include "ui/shell/FileDialogs.h"
#include "ui/shell/QtJapanese.h"
#include "ui/shell/QtText.h"
#include "ui/shell/WindowFont.h"
#include "ui/window/ImageListView.h"
#include "ui/window/MainWindow.h"
#include "ui/window/PreviewLoader.h"
#include "ui/window/SettingsTabs.h"

namespace {

using namespace vistrel;

// Nothing is asked while the pictures are taken.
class SilentPrompter final : public Prompter {
public:
    void message(std::string_view, std::string_view, PromptIcon) override {}
    bool ask(std::string_view, std::string_view, PromptIcon) override { return false; }
};

class NoOpener final : public DocumentOpener {
public:
    Status open(const std::string&) override { return Status::success(); }
};

// A picture with a gradient, so the preview shows something recognisable.
void writeGradient(const std::string& path, int width, int height, QColor from, QColor to) {
    ImageHandle image = Image::create(width, height);
    for (int y = 0; y < height; ++y) {
        auto row = image->row(y);
        for (int x = 0; x < width; ++x) {
            const double t = static_cast<double>(x + y) / (width + height);
            const auto mix = [t](int a, int b) {
                return static_cast<std::uint8_t>(a + (b - a) * t);
            };
            const auto at = static_cast<std::size_t>(x) * 3;
            row[at] = mix(from.red(), to.red());
            row[at + 1] = mix(from.green(), to.green());
            row[at + 2] = mix(from.blue(), to.blue());
        }
    }
    if (path.ends_with(".png")) {
        SavePngImage(path, *image);
    } else {
        SaveJpegImage(path, *image, 90);
    }
}

void settle() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

bool save(QWidget& window, const std::string& folder, const std::string& name) {
    settle();
    const std::string path = folder + "/" + name + ".png";
    if (!window.grab().save(QString::fromStdString(path))) {
        std::fprintf(stderr, "vistrel_screenshots: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: vistrel_screenshots OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    ui::useJapaneseUiFont(application);
    ui::useJapaneseQtTexts(application);
    ui::initIconResources();
    const std::string output = argv[1];
    std::filesystem::create_directories(output);

    const std::filesystem::path photos = std::filesystem::temp_directory_path() /
                                         ("vistrel-screenshots-" + std::to_string(::getpid()));
    std::filesystem::create_directories(photos);
    writeGradient((photos / "夏の海.jpg").string(), 640, 480, QColor(30, 110, 200),
                  QColor(250, 220, 120));
    writeGradient((photos / "mountain.jpg").string(), 480, 640, QColor(40, 120, 60),
                  QColor(230, 240, 250));
    writeGradient((photos / "sunset.png").string(), 800, 450, QColor(250, 120, 40),
                  QColor(80, 20, 90));

    Settings settings = makeDefaultSettings(photos.string() + "/");
    settings.ImagePath = photos.string() + "/";
    // A face the list holds and the resize fields in use, so that the pages show filled controls.
    settings.FontFace = ui::japaneseSansFamily().toStdString();
    settings.Changeres = 1;
    SilentPrompter prompter;
    NoOpener opener;
    ui::QtFileDialogs dialogs;
    ui::CorePreviewDecoder decoder;
    bool saved = true;
    const char* tabNames[] = {"general", "comment", "html1", "html2", "slideshow", "music"};
    {
        // Every slideshow and music control in use.
        Settings slideShow = settings;
        slideShow.Mode = 1;
        slideShow.PreLoad = 1;
        slideShow.Transition = 1;
        slideShow.SlideStop = 3;
        slideShow.Button = 1;
        slideShow.Comment = 1;
        slideShow.PlayMusic = 1;
        slideShow.MIDIFile = "/home/user/music/waltz.mid";
        slideShow.Repeat = 2;
        slideShow.Tag = 0;
        ui::MainWindow window(slideShow, {prompter, opener, dialogs}, decoder);
        window.show();
        window.listView().onRowClicked(0);
        for (int tab = 0; tab < ui::SettingsTabs::kPageCount; ++tab) {
            window.tabs().tabBar()->setCurrentIndex(tab);
            saved =
                save(window, output, std::string("main-") + tabNames[tab] + "-slideshow") && saved;
        }
    }
    {
        ui::MainWindow window(settings, {prompter, opener, dialogs}, decoder);
        window.show();
        window.listView().onRowClicked(0);
        for (int tab = 0; tab < ui::SettingsTabs::kPageCount; ++tab) {
            window.tabs().tabBar()->setCurrentIndex(tab);
            saved = save(window, output, std::string("main-") + tabNames[tab]) && saved;
        }

        ui::COptMain options(settings, &window);
        options.show();
        const char* optionNames[] = {"existing-files", "thumbnails", "main-image", "file-names"};
        auto* pages = options.findChild<QTabWidget*>();
        for (int page = 0; page < 4 && pages != nullptr; ++page) {
            pages->setCurrentIndex(page);
            saved = save(options, output, std::string("options-") + optionNames[page]) && saved;
        }
        options.hide();

        CancelFlag cancel;
        ui::CMsgDialog progress(&window, cancel, ui::qText(texts::kThumbnailProgressText));
        progress.show();
        progress.SetProgress(2, 5);
        saved = save(progress, output, "progress-index") && saved;
        progress.hide();
        ui::CMsgSlide slide(&window, ui::qText(texts::kSlideShowProgressText));
        slide.show();
        saved = save(slide, output, "progress-slideshow") && saved;
        slide.hide();

        ui::AboutBox about(&window, opener);
        about.show();
        saved = save(about, output, "about") && saved;
    }
    std::filesystem::remove_all(photos);
    return saved ? 0 : 1;
}
