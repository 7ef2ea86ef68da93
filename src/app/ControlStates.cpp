// SPDX-License-Identifier: MIT
#include "app/ControlStates.h"

#include "app/Settings.h"

namespace vistrel {

ControlStates controlStatesFor(const Settings& settings) {
    const bool thumbnails = settings.Mode == 0;
    const bool slideShow = !thumbnails;
    const bool mainPages = thumbnails && settings.MakePage == 1;
    ControlStates states;
    states.mainPageBox = thumbnails;
    states.sizeChoices = thumbnails;
    states.resizeBox = mainPages;
    states.resizeFields = mainPages && settings.Changeres == 1;
    states.commentItems = thumbnails;
    states.frameChoice = thumbnails;
    states.withoutFrames = thumbnails && settings.Frame != 1;
    states.frameSettings = thumbnails && settings.Frame == 1;
    states.pageLinks = mainPages;
    states.indexLink = mainPages && settings.Frame != 1;
    states.slideShow = slideShow;
    states.preloadCounts = slideShow && settings.PreLoad == 1;
    states.effectList = slideShow && settings.Transition == 1;
    states.roundList = slideShow && settings.SlideStop != 0;
    states.music = slideShow;
    return states;
}

} // namespace vistrel
