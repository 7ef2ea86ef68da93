// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

class CancelFlag;
class CurrentImage;
class DocumentOpener;
class ImageListPanel;
class ProgressSink;
class SettingsChanges;
class Prompter;
struct Settings;

// The collaborators of one create run, given by the front end that starts it. Nothing is owned.
struct RunContext {
    Settings& settings;
    const SettingsChanges& settingsChanges; // told of each setting the run changes itself
    ImageListPanel& panel;                  // the folder text and the list of the images to publish
    CurrentImage& currentImage;
    Prompter& prompter;
    ProgressSink& progress;
    CancelFlag& cancel;
    DocumentOpener& opener; // opens the finished site when the user asks for it
};

} // namespace vistrel
