// SPDX-License-Identifier: MIT
#include "window/WindowFixture.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include "app/SettingsTable.h"
#include "imaging/Image.h"
#include "imaging/ImageLibrary.h"

namespace vistrel::ui::test {

void writePicture(const std::string& path, int width, int height, QColor colour) {
    ImageHandle image = Image::create(width, height);
    ASSERT_TRUE(image);
    auto pixels = image->pixels();
    for (std::size_t i = 0; i + 2 < pixels.size(); i += 3) {
        pixels[i] = static_cast<std::uint8_t>(colour.red());
        pixels[i + 1] = static_cast<std::uint8_t>(colour.green());
        pixels[i + 2] = static_cast<std::uint8_t>(colour.blue());
    }
    const bool saved =
        path.ends_with(".png") ? SavePngImage(path, *image) : SaveJpegImage(path, *image, 90);
    ASSERT_TRUE(saved) << path;
}

bool waitUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 5000) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

User::User(std::function<bool()> act) : m_act(std::move(act)) {
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_act()) {
            m_timer.stop();
        }
    });
    m_timer.start();
}

WindowFixture::WindowFixture() : settings(makeDefaultSettings(dir.file("program") + "/")) {
    dir.write("photos/notes.txt", "not a picture");
    writePicture(dir.file("photos/b.png"), 40, 30, Qt::red);
    writePicture(dir.file("photos/a.jpg"), 64, 48, Qt::blue);
    settings.ImagePath = dir.file("photos") + "/";
    settings.HTMLPath = dir.file("site") + "/";
}

WindowFixture::~WindowFixture() = default;

MainWindow& WindowFixture::open(PreviewDecoder* decoder) {
    m_window.reset();
    m_window = std::make_unique<MainWindow>(settings, WindowSeams{prompter, opener, dialogs},
                                            decoder != nullptr ? *decoder : m_decoder);
    m_window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    return *m_window;
}

void WindowFixture::click(int id) {
    auto* button = control<QAbstractButton>(id);
    ASSERT_NE(button, nullptr) << id;
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace vistrel::ui::test
