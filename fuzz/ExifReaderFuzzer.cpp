// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes as an image file through the whole EXIF reader, driven as a main page
// drives it, with a code table that lists every tag the formatter has a rule for.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include <sys/mman.h>
#include <unistd.h>

#include "exif/ExifReader.h"
#include "exif/ExifRows.h"
#include "exif/ExifValueRules.h"

namespace {

// An in-memory file reachable by path, so the reader opens and reads it as it does a photo.
class MemoryFile {
public:
    explicit MemoryFile(const char* name) : m_fd(::memfd_create(name, 0)) {
        if (m_fd < 0) {
            __builtin_trap();
        }
        m_path = "/proc/self/fd/" + std::to_string(m_fd);
    }

    void replace(std::string_view bytes) const {
        if (::ftruncate(m_fd, 0) != 0 ||
            ::pwrite(m_fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
            __builtin_trap();
        }
    }

    const std::string& path() const { return m_path; }

private:
    int m_fd;
    std::string m_path;
};

std::string fullCodeTable() {
    const auto rules = vistrel::detail::tagRules();
    std::string text = std::to_string(rules.size()) + "\r\n";
    for (const auto& rule : rules) {
        char line[32];
        std::snprintf(line, sizeof line, "%04X\tL%04X\r\n", unsigned{rule.tag}, unsigned{rule.tag});
        text += line;
    }
    return text;
}

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

void checkEntries(const std::vector<vistrel::ExifEntry>& entries, std::size_t size) {
    // Every entry is 12 bytes of the file.
    if (entries.size() > size / 12) {
        __builtin_trap();
    }
    for (const auto& entry : entries) {
        if (!isUtf8(entry.value) || !isUtf8(entry.label) ||
            (entry.unitSize == 0 && entry.count != 0)) {
            __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const MemoryFile codeTable = [] {
        MemoryFile file("vtdcode.vtd");
        file.replace(fullCodeTable());
        return file;
    }();
    static const MemoryFile image("photo.jpg");
    image.replace(std::string_view(reinterpret_cast<const char*>(data), size));

    vistrel::ExifReader reader(image.path(), {codeTable.path()});
    const vistrel::ExifBlock block = vistrel::readExifBlock(reader);
    if (block.located != 0 && block.located != 1 && block.located != 3) {
        __builtin_trap();
    }
    checkEntries(reader.mainEntries(), size);
    checkEntries(reader.exifEntries(), size);
    const auto rows = vistrel::selectExifRows(reader, 0xFFFF);
    if (rows.size() > vistrel::kExifItemTags.size() || (!block && !reader.exifEntries().empty())) {
        __builtin_trap();
    }
    return 0;
}
