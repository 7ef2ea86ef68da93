// SPDX-License-Identifier: MIT
// The preview box and the source information boxes: decoded off the window's thread, the
// latest row's result only.
#include <condition_variable>
#include <mutex>
#include <thread>

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/window/CPreview.h"
#include "ui/window/ImageListView.h"
#include "ui/window/MainWindowTable.h"
#include "window/WindowFixture.h"

namespace vistrel::ui::test {
namespace {

void clickRow(MainWindow& window, int row) {
    ImageListView& list = window.listView();
    const QRect cell = list.visualRect(list.model()->index(row, 1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
}

std::string text(WindowFixture& fixture, int id) {
    return fixture.control<QLineEdit>(id)->text().toStdString();
}

TEST(ThePreview, ShowsTheClickedImageWithItsSizeAndColourCount) {
    WindowFixture fixture;
    MainWindow& window = fixture.open();
    clickRow(window, 0);
    ASSERT_TRUE(waitUntil([&] { return !window.preview().picture().isNull(); }));
    EXPECT_EQ(text(fixture, control::kResolution), "64 x 48　Pixel");
    EXPECT_EQ(text(fixture, control::kColours), "1　色");
    const QImage& picture = window.preview().picture();
    const QColor middle = picture.pixelColor(picture.width() / 2, picture.height() / 2);
    EXPECT_LT(middle.red(), 40);
    EXPECT_GT(middle.blue(), 200);
    EXPECT_EQ(window.panel().list().currentRow(), 0);
}

TEST(ThePreview, SaysWhenARowIsNotAnImage) {
    WindowFixture fixture;
    fixture.settings.ImageMode = 8;
    MainWindow& window = fixture.open();
    clickRow(window, 2);
    ASSERT_TRUE(waitUntil([&] { return window.preview().showsNotAnImage(); }));
    EXPECT_EQ(text(fixture, control::kResolution), " ");
    EXPECT_EQ(text(fixture, control::kColours), "");
}

TEST(ThePreview, ReportsADamagedFileByNameAndKeepsThePictureItShowed) {
    WindowFixture fixture;
    fixture.dir.write("photos/c.jpg", std::string("\xFF\xD8\xFF\xE0 damaged", 12));
    MainWindow& window = fixture.open();
    clickRow(window, 0);
    ASSERT_TRUE(waitUntil([&] { return !window.preview().picture().isNull(); }));
    const QImage before = window.preview().picture();

    clickRow(window, 2);
    ASSERT_TRUE(waitUntil([&] { return !fixture.prompter.calls.empty(); }));
    EXPECT_EQ(fixture.prompter.calls[0].caption, "エラー");
    EXPECT_EQ(fixture.prompter.calls[0].text,
              "画像ファイルから DIB ハンドルを取得するのに失敗しました\nc.jpg");
    EXPECT_EQ(window.preview().picture(), before);
    EXPECT_EQ(text(fixture, control::kResolution), "64 x 48　Pixel");
}

// Holds every decode until the test opens the gate, and answers with the row's name.
class GatedDecoder final : public PreviewDecoder {
public:
    PreviewResult decode(const PreviewRequest& request) override {
        std::unique_lock lock(m_mutex);
        started.push_back(request.name);
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_open; });
        PreviewResult result;
        result.information = SourceInformation{true, request.name, "1　色"};
        result.picture = QImage(4, 4, QImage::Format_RGB888);
        result.messages.push_back({"エラー", "decoded " + request.name, "", PromptIcon::Stop});
        return result;
    }
    void waitForStart(std::size_t count) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return started.size() >= count; });
    }
    void open() {
        const std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }

    std::vector<std::string> started;

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_open = false;
};

TEST(ThePreview, ShowsOnlyTheLatestRowWhenTheRowChangesDuringADecode) {
    WindowFixture fixture;
    GatedDecoder decoder;
    MainWindow& window = fixture.open(&decoder);
    clickRow(window, 0);
    decoder.waitForStart(1);
    clickRow(window, 1);
    clickRow(window, 0);
    clickRow(window, 1);
    decoder.open();
    ASSERT_TRUE(waitUntil([&] { return text(fixture, control::kResolution) == "b.png"; }));
    QTest::qWait(50);
    ASSERT_EQ(fixture.prompter.calls.size(), 1u);
    EXPECT_EQ(fixture.prompter.calls[0].text, "decoded b.png");
    EXPECT_EQ(decoder.started, (std::vector<std::string>{"a.jpg", "b.png"}))
        << "requests that waited behind a newer one are dropped";
}

TEST(ThePreview, EndsItsDecodeWhenTheWindowCloses) {
    GatedDecoder decoder;
    std::thread opener;
    {
        WindowFixture fixture;
        MainWindow& window = fixture.open(&decoder);
        clickRow(window, 0);
        decoder.waitForStart(1);
        opener = std::thread([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            decoder.open();
        });
        // The window waits here for the decode under way, whose result nobody shows.
    }
    opener.join();
    QTest::qWait(20);
    EXPECT_EQ(decoder.started, std::vector<std::string>{"a.jpg"});
}

} // namespace
} // namespace vistrel::ui::test
