// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>

#include "platform/ProgressSink.h"

class QDialog;
class QWidget;

namespace vistrel {
class CancelFlag;
}

namespace vistrel::ui {

// A create run's progress in the window: each display the run opens is a modeless dialog over
// the main window (CMsgDialog for the index and for the copy of the main images, CMsgSlide for
// the slideshow), and the run's pumps let it repaint and take its Cancel.
class WindowProgress final : public ProgressSink {
public:
    // owner is the main window, the parent of every display; owner and cancel must outlive
    // this sink.
    WindowProgress(QWidget* owner, CancelFlag& cancel);
    ~WindowProgress() override;
    WindowProgress(const WindowProgress&) = delete;
    WindowProgress& operator=(const WindowProgress&) = delete;

    // Shows the display of kind with text as its message, in place of any display still open.
    void open(ProgressKind kind, std::string_view text) override;
    // Moves the bar of the open display, when it has one.
    void setProgress(int done, int total) override;
    // Hides and destroys the open display.
    void close() override;
    // Takes every pending event, so that the display repaints and its Cancel is taken.
    void pump() override;

    // The open display, or null (tests act as the user through it).
    QDialog* display() const { return m_display; }

private:
    QWidget* m_owner;
    CancelFlag& m_cancel;
    QPointer<QDialog> m_display;
};

} // namespace vistrel::ui
