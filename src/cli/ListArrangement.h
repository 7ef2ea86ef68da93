// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vistrel {
class ImageList;
}

namespace vistrel::cli {

// A --sort choice: the list column and the direction.
struct SortChoice {
    int column = 0; // 0 name, 1 size, 2 date
    bool descending = false;
};

// Reads "name|size|date[:asc|:desc]"; nullopt for anything else.
std::optional<SortChoice> parseSortChoice(const std::string& text);

// Sorts the list as clicks on the column header would: one click, or two when the first gives
// the other direction.
void sortList(ImageList& list, SortChoice choice);

// Puts the rows named in names first, in that order; the other rows follow in their order.
// Returns the names that no row has.
std::vector<std::string> orderList(ImageList& list, const std::vector<std::string>& names);

// Unchecks every row whose name matches one of the shell patterns.
void excludeFromList(ImageList& list, const std::vector<std::string>& patterns);

} // namespace vistrel::cli
