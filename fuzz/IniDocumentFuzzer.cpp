// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes through the settings file reader and writer.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/IniDocument.h"
#include "app/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto document = vistrel::IniDocument::fromFileBytes(bytes);
    const vistrel::Settings settings = vistrel::loadSettings(document, "/p/");
    vistrel::storeSettings(settings, document);
    const auto saved = document.fileBytes();
    // Integers survive a save and a new load unchanged, whatever the file held before.
    const auto reread = vistrel::IniDocument::fromFileBytes(saved);
    if (vistrel::loadSettings(reread, "/p/").ThumSize != settings.ThumSize) {
        __builtin_trap();
    }
    return 0;
}
