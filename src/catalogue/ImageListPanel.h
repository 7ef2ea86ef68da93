// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "app/RunInProgress.h"
#include "catalogue/ImageList.h"
#include "catalogue/TypeBoxes.h"

namespace vistrel {

class Prompter;
struct Settings;

// The left half of the main window without its widgets: the folder box text, the type check
// boxes, the select-all toggle and the image list they fill. A window shows this state and
// forwards the user's actions to it; the list reports its own changes to its observer, and
// the rest (folder text, boxes, caption) changes only through the calls below, so the window
// reads it back after each call.
//
// The panel edits settings in place (ImagePath on every folder change, Select on the toggle)
// and reads Select and ImageMode; settings must outlive it.
class ImageListPanel {
public:
    // The state at window start: boxes and mask from ImageMode, an empty list, sort column 0
    // with flag 1, no current row. The window then puts ImagePath into the folder box
    // (setFolderText), which makes the first scan.
    explicit ImageListPanel(Settings& settings);

    ImageList& list() { return m_list; }
    const ImageList& list() const { return m_list; }
    const TypeBoxes& typeBoxes() const { return m_typeBoxes; }
    const std::string& folderText() const { return m_folderText; }

    // Whether a create run is under way: while it is, every request below that a front end
    // makes is refused (returns false and changes nothing). A run holds it.
    RunInProgress& runInProgress() { return m_run; }
    const RunInProgress& runInProgress() const { return m_run; }

    // The folder box text changed (typed, or set by the folder browser): refills the list from
    // text, then stores text into ImagePath. Nothing is asked.
    bool setFolderText(std::string text);

    // Empties the list (comments included) and scans the folder text with the current mask,
    // checking images when Select is set. The counters follow. Returns the number of rows.
    int RefillImageList();

    // The create run completed the folder text (a final "/" added): the text and ImagePath take
    // it without a new scan, so the user's checks, order and comments stay as they are.
    void completeFolderText(std::string text);

    // A click on a type box. First asks, caption "確認" with a question icon, whether to go on
    // although every comment will be lost. No: nothing changes (box, mask, list, comments).
    // Yes: the box and mask change as TypeBoxes::click says and the list is refilled. True
    // when the click was applied; a disabled box asks nothing and returns false.
    bool clickTypeBox(TypeBox box, Prompter& prompter);

    // The select-all toggle: Select becomes not Select, and every row, image or not, is checked
    // when it is now set and unchecked when not.
    bool toggleSelectAll();

    // A click on a column header and a row dragged to target, as ImageList::sortByColumn and
    // ImageList::moveRow do them.
    bool sortByColumn(int column);
    bool moveRow(int from, int target);
    // The toggle's caption for the current Select: "全解除" while Select is set, "全選択"
    // while it is 0.
    std::string_view selectAllCaption() const;

    // The exit button: the type mask goes to ImageMode and the folder text to ImagePath.
    // (Closing the window otherwise keeps the ImageMode it started with.)
    void storeChoices();

private:
    Settings& m_settings;
    TypeBoxes m_typeBoxes;
    ImageList m_list;
    std::string m_folderText;
    RunInProgress m_run;
};

} // namespace vistrel
