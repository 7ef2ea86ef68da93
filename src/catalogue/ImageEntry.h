// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace vistrel {

// One checked list row, collected for a create run by CollectSelectedImages.
struct ImageEntry {
    std::int32_t rowIndex = 0; // the list row it came from; its comment is read from there
    std::int32_t width = 0;    // pixels; 0 when the image did not load
    std::int32_t height = 0;   // pixels; 0 when the image did not load
    std::string dateText;      // the row's date text
    std::string sizeText;      // the row's size text
    std::string fileName;      // the row's name in the letter case of ImageCase
    std::string sourcePath;    // ImagePath + the row's name as listed
    std::string thumbPath;     // output image folder + thumbFileName
    std::string thumbFileName; // the thumbnail's file name without folder
    std::string comment;       // the row's comment, as it was when the entry was collected
    // No thumbnail file was made for it (a side of 0 pixels, or the write failed): the pages
    // show the image itself in its place, so they never point at a file that is not there.
    bool thumbMissing = false;
    std::string thumbFailure; // the system's reason when the thumbnail could not be written
};

} // namespace vistrel
