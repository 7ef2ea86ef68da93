// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {
class DocumentOpener;
class Prompter;
} // namespace vistrel

namespace vistrel::ui {

class FileDialogs;

// What the windows hand to the desktop rather than decide themselves: messages and questions,
// documents and links to open, and the file, folder and colour dialogs. The program gives the
// real ones; tests give scripted ones, since the offscreen platform can neither open a document
// nor be answered in a modal dialog. Nothing is owned.
struct WindowSeams {
    Prompter& prompter;
    DocumentOpener& opener;
    FileDialogs& dialogs;
};

} // namespace vistrel::ui
