// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vistrel {

class Prompter;
struct Settings;

// What CheckOutputLocation found.
enum class LocationStatus {
    Ready = 0,       // the output folder and the image subfolder exist
    NoSuchPlace = 1, // the output folder is empty or not an absolute path
    ReadOnly = 2,    // it lies on a read-only or optical-disc file system
    NoFolder = 3,    // the output folder does not exist
    NoSubFolder = 4, // the image subfolder does not exist
};

// Checks the output folder (ending in "/") and the image subfolder name.
LocationStatus CheckOutputLocation(const std::string& folder, const std::string& subFolder);

// Reacts to a status: reports the unusable places ("ドライブエラー") and stops; asks before
// creating a missing output folder (with every folder above it and the image subfolder) or a
// missing image subfolder ("フォルダチェック"). Returns 1 to go on, 0 to stop, as every step of a
// run does.
int ResolveOutputLocation(LocationStatus status, const Settings& settings, Prompter& prompter);

} // namespace vistrel
