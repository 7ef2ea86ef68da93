// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes through the code table parser and searches the table it gives.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "exif/CodeTable.h"
#include "exif/ExifEntry.h"

namespace {

// Enough of a huge announced count to look at; the rest are missing lines.
constexpr std::int32_t kCheckedCodes = 4096;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto table =
        vistrel::CodeTable::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (table.count() < 0) {
        __builtin_trap();
    }
    const std::int32_t checked = table.count() < kCheckedCodes ? table.count() : kCheckedCodes;
    bool ascending = checked == table.count();
    for (std::int32_t i = 0; i < checked; ++i) {
        ascending = ascending && (i == 0 || table.code(i - 1) <= table.code(i));
        vistrel::ExifEntry entry;
        const std::int32_t found = table.LookupLabel(table.code(i), entry);
        // A hit is always the tag with its own label; in an ascending table every listed code
        // is found at its first occurrence.
        if (found >= 0 &&
            (table.code(found) != table.code(i) || entry.label != table.label(found))) {
            __builtin_trap();
        }
        if (found < 0 && entry.label != "不明") {
            __builtin_trap();
        }
    }
    for (std::int32_t i = 0; ascending && i < checked; ++i) {
        vistrel::ExifEntry entry;
        const std::int32_t found = table.LookupLabel(table.code(i), entry);
        if (found < 0 || found > i || (found < i && table.code(found) != table.code(i)) ||
            (found > 0 && table.code(found - 1) == table.code(i))) {
            __builtin_trap();
        }
    }
    return 0;
}
