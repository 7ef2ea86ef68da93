// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QColor>
#include <QTimer>

#include "app/Settings.h"
#include "support/RecordingOpener.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/window/MainWindow.h"
#include "ui/window/PreviewLoader.h"

namespace vistrel::ui::test {

using vistrel::test::ScriptedPrompter;
using vistrel::test::TempDir;

// Writes a width x height picture of one colour as a PNG or JPEG (by the name's extension).
void writePicture(const std::string& path, int width, int height, QColor colour);

// Processes events until done() holds or five seconds pass; true when it held.
bool waitUntil(const std::function<bool()>& done);

// Plays the user while the window is busy in a loop of its own (a run, a modal dialog, a
// menu): act is called on every pass of the event loop until it returns true.
class User {
public:
    explicit User(std::function<bool()> act);

private:
    std::function<bool()> m_act;
    QTimer m_timer;
};

// A photo folder and the main window over it: photos/ holds b.png (40 x 30), a.jpg (64 x 48)
// and notes.txt; the settings are the defaults with ImagePath at photos/ and HTMLPath at site/.
// Messages and questions go to a scripted prompter, documents to a recording opener, the
// common dialogs to scripted answers.
class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    // Makes the window (again), shown, with the decoder given or the core's own.
    MainWindow& open(PreviewDecoder* decoder = nullptr);
    MainWindow& window() { return *m_window; }
    template <typename Widget> Widget* control(int id) {
        return qobject_cast<Widget*>(m_window->control(id));
    }
    // Clicks a button through the real input path of the window.
    void click(int id);

    TempDir dir;
    Settings settings;
    ScriptedPrompter prompter;
    RecordingOpener opener;
    ScriptedFileDialogs dialogs;

private:
    CorePreviewDecoder m_decoder;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace vistrel::ui::test
