// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <QColor>
#include <QImage>
#include <QObject>
#include <QSize>

#include "catalogue/SourceInformation.h"
#include "platform/Prompter.h"

namespace vistrel::ui {

// A message the decode of a row wanted to show; it is shown only when the row is still the one
// to preview by the time the decode ends.
struct PreviewMessage {
    std::string caption;
    std::string text;
    std::string fileName; // empty unless the message is about one file
    PromptIcon icon = PromptIcon::None;
};

// What the preview of one row shows: the texts of the two information boxes (nullopt when the
// image could not be loaded: the boxes keep what they showed) and the whole preview box drawn,
// or no picture for a file that is not an image.
struct PreviewResult {
    std::optional<SourceInformation> information;
    QImage picture;
    std::vector<PreviewMessage> messages;
};

// What the preview of one row needs.
struct PreviewRequest {
    std::string folderText;
    std::string name;
    QSize box;
    QColor background;
};

// Decodes the file of a row and draws its preview; runs off the user-interface thread.
class PreviewDecoder {
public:
    virtual ~PreviewDecoder() = default;
    virtual PreviewResult decode(const PreviewRequest& request) = 0;
};

// The core's own loading: the current image of the row decoded in full (the colour count needs
// every pixel) and drawn into the box by area averaging, as the thumbnails are.
class CorePreviewDecoder final : public PreviewDecoder {
public:
    PreviewResult decode(const PreviewRequest& request) override;
};

// Decodes previews on a thread of its own so that a large photograph never freezes the window.
// Only the latest request counts: a request made while a decode runs supersedes it and any
// request still waiting, and only the latest request's result (with its messages) reaches the
// window. Destroying the loader drops what waits and joins the decode under way.
class PreviewLoader final : public QObject {
    Q_OBJECT

public:
    using Delivery = std::function<void(const PreviewResult&)>;

    // deliver is called on the user-interface thread with the latest request's result.
    PreviewLoader(PreviewDecoder& decoder, Delivery deliver, QObject* parent);
    ~PreviewLoader() override;
    PreviewLoader(const PreviewLoader&) = delete;
    PreviewLoader& operator=(const PreviewLoader&) = delete;

    void request(PreviewRequest request);

private:
    void work();
    void deliver(unsigned generation, const PreviewResult& result);

    PreviewDecoder& m_decoder;
    Delivery m_deliver;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<PreviewRequest> m_waiting;
    unsigned m_generation = 0;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace vistrel::ui
