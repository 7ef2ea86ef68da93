// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "app/IniDocument.h"
#include "app/Settings.h"
#include "platform/Status.h"

namespace vistrel {

// Reads the settings file. A missing or unreadable file gives an empty document (every key
// then takes its default); nothing is reported.
IniDocument readIniFile(const std::string& path);

// Writes the document whole to a temporary file beside path and renames it into place, so a
// crash never leaves half a settings file (writeFileAtomically). The lines read from the file
// that the document did not change go back byte for byte; the file stays UTF-8 when it was read
// as UTF-8 without a byte order mark, else it is CP932, or UTF-8 with a byte order mark when a
// line holds a character CP932 cannot (IniDocument::fileBytes). New lines end in CR LF unless
// the file's first line ends otherwise. A missing parent folder is created.
Status writeIniFile(const std::string& path, const IniDocument& document);

// Load all: every stored value from the document in the load order, the default for a missing
// key; then a SetCommentCol of 0 makes CommentColor black. programFolder ends in "/".
Settings loadSettings(const IniDocument& document, const std::string& programFolder);

// Save all: every stored value into the document in the save order.
void storeSettings(const Settings& settings, IniDocument& document);

// Load all from the file at path.
Settings loadSettingsFile(const std::string& path, const std::string& programFolder);

// Save all into the file at path, keeping the lines of the existing file that are not ours.
Status saveSettingsFile(const std::string& path, const Settings& settings);

} // namespace vistrel
