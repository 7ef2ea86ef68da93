// SPDX-License-Identifier: MIT
#include "cli/ListArrangement.h"

#include <fnmatch.h>

#include "catalogue/ImageList.h"

namespace vistrel::cli {

std::optional<SortChoice> parseSortChoice(const std::string& text) {
    const auto colon = text.find(':');
    const std::string column = text.substr(0, colon);
    const std::string direction = colon == std::string::npos ? "asc" : text.substr(colon + 1);
    SortChoice choice;
    if (column == "name") {
        choice.column = ImageList::kNameColumn;
    } else if (column == "size") {
        choice.column = ImageList::kSizeColumn;
    } else if (column == "date") {
        choice.column = ImageList::kDateColumn;
    } else {
        return std::nullopt;
    }
    if (direction != "asc" && direction != "desc") {
        return std::nullopt;
    }
    choice.descending = direction == "desc";
    return choice;
}

void sortList(ImageList& list, SortChoice choice) {
    const int wantedFlag = choice.descending ? 1 : 0;
    list.sortByColumn(choice.column);
    if (list.sortFlag() != wantedFlag) {
        list.sortByColumn(choice.column);
    }
}

std::vector<std::string> orderList(ImageList& list, const std::vector<std::string>& names) {
    std::vector<std::string> missing;
    int next = 0;
    for (const auto& name : names) {
        int found = -1;
        for (int row = next; row < list.rowCount(); ++row) {
            if (list.row(row).name == name) {
                found = row;
                break;
            }
        }
        if (found < 0) {
            missing.push_back(name);
            continue;
        }
        list.moveRow(found, next);
        ++next;
    }
    return missing;
}

void excludeFromList(ImageList& list, const std::vector<std::string>& patterns) {
    for (int row = 0; row < list.rowCount(); ++row) {
        for (const auto& pattern : patterns) {
            if (::fnmatch(pattern.c_str(), list.row(row).name.c_str(), 0) == 0) {
                list.setChecked(row, false);
                break;
            }
        }
    }
}

} // namespace vistrel::cli
