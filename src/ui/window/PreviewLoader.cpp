// SPDX-License-Identifier: MIT
#include "ui/window/PreviewLoader.h"

#include <QMetaObject>

#include "catalogue/CurrentImage.h"
#include "imaging/ImageLibrary.h"
#include "imaging/Surface.h"

namespace vistrel::ui {
namespace {

// Keeps what a decode wanted to say until the window knows whether it still matters.
class HeldMessages final : public Prompter {
public:
    void message(std::string_view caption, std::string_view text, PromptIcon icon) override {
        held.push_back({std::string(caption), std::string(text), {}, icon});
    }
    void messageAbout(std::string_view caption, std::string_view text, PromptIcon icon,
                      std::string_view fileName) override {
        held.push_back({std::string(caption), std::string(text), std::string(fileName), icon});
    }
    // Loading a preview asks nothing.
    bool ask(std::string_view, std::string_view, PromptIcon) override { return false; }

    std::vector<PreviewMessage> held;
};

QImage drawnBox(const Image& image, const PreviewRequest& request) {
    const int boxWidth = request.box.width();
    const int boxHeight = request.box.height();
    const Rgb background{static_cast<std::uint8_t>(request.background.red()),
                         static_cast<std::uint8_t>(request.background.green()),
                         static_cast<std::uint8_t>(request.background.blue())};
    Surface surface(boxWidth, boxHeight, background);
    if (surface.width() == 0) {
        return {};
    }
    const PreviewRect where = fitPreview(boxWidth, boxHeight, image.width(), image.height());
    StretchImageToDC(surface, where.x, where.y, where.width, where.height, image, 0, 0,
                     image.width(), image.height());
    QImage picture(surface.width(), surface.height(), QImage::Format_RGB888);
    for (int y = 0; y < surface.height(); ++y) {
        const auto row = surface.row(y);
        std::copy(row.begin(), row.end(), picture.scanLine(y));
    }
    return picture;
}

} // namespace

PreviewResult CorePreviewDecoder::decode(const PreviewRequest& request) {
    HeldMessages messages;
    CurrentImage current;
    PreviewResult result;
    result.information = ShowListRow(request.folderText, request.name, current, messages);
    if (result.information && result.information->isImage && current.image() != nullptr) {
        result.picture = drawnBox(*current.image(), request);
    }
    result.messages = std::move(messages.held);
    return result;
}

PreviewLoader::PreviewLoader(PreviewDecoder& decoder, Delivery deliver, QObject* parent)
    : QObject(parent), m_decoder(decoder), m_deliver(std::move(deliver)),
      m_thread(&PreviewLoader::work, this) {}

PreviewLoader::~PreviewLoader() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_waiting.reset();
    }
    m_wake.notify_one();
    m_thread.join();
}

void PreviewLoader::request(PreviewRequest request) {
    {
        const std::lock_guard lock(m_mutex);
        m_waiting = std::move(request);
        ++m_generation;
    }
    m_wake.notify_one();
}

void PreviewLoader::work() {
    for (;;) {
        PreviewRequest next;
        unsigned generation = 0;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || m_waiting.has_value(); });
            if (m_stopping) {
                return;
            }
            next = std::move(*m_waiting);
            m_waiting.reset();
            generation = m_generation;
        }
        PreviewResult result = m_decoder.decode(next);
        // Queued to the window's thread; Qt drops the call when the loader is gone by then.
        QMetaObject::invokeMethod(
            this, [this, generation, result = std::move(result)] { deliver(generation, result); },
            Qt::QueuedConnection);
    }
}

void PreviewLoader::deliver(unsigned generation, const PreviewResult& result) {
    {
        const std::lock_guard lock(m_mutex);
        if (generation != m_generation) {
            return;
        }
    }
    m_deliver(result);
}

} // namespace vistrel::ui
