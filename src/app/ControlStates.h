// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

struct Settings;

// Which controls of the settings pages are usable, from the creation mode and the settings the
// controls depend on. One rule serves the mode buttons, the main-page box, the frame buttons and
// the page starts alike, so that what a page lets the user change always matches what the run
// will use. Thumbnail mode is Mode 0; any other Mode is the slideshow.
struct ControlStates {
    // General: the main-page box, the four size buttons and "設定".
    bool mainPageBox = false;
    bool sizeChoices = false;
    // General: the resize box (thumbnail mode with main pages), and width, height, unit and
    // keep-ratio (the resize box usable and ticked).
    bool resizeBox = false;
    bool resizeFields = false;
    // Comment: the placement boxes, the thumbnail and main-page item boxes, the EXIF list.
    bool commentItems = false;
    // HTML 1: the frame buttons; other-window, border and per-row (without frames); the frame
    // "設定" button (with frames).
    bool frameChoice = false;
    bool withoutFrames = false;
    bool frameSettings = false;
    // HTML 2: next and previous texts, the above and below boxes and the layout button (main
    // pages made); the index-link text (main pages made, without frames).
    bool pageLinks = false;
    bool indexLink = false;
    // Slideshow: interval, buttons, preload, effect, comment and stop boxes; the preload counts
    // (preloading on); the effect list (transitions on); the round list (a stop set).
    bool slideShow = false;
    bool preloadCounts = false;
    bool effectList = false;
    bool roundList = false;
    // Music: the background-music box; the other music controls follow the music page's own
    // rules while this is set and are all disabled while it is not.
    bool music = false;

    friend bool operator==(const ControlStates&, const ControlStates&) = default;
};

ControlStates controlStatesFor(const Settings& settings);

} // namespace vistrel
