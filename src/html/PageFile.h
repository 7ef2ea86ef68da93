// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "platform/ReplacingFile.h"
#include "platform/Status.h"
#include "text/PageStream.h"

namespace vistrel {

struct PageRun;

// One generated page on its way to disk: the text is written to a temporary file beside path
// and put in place by finish(), so the page is either whole or, when anything failed, left as
// it was. A page dropped without finish() (a cancelled run) leaves path as it was.
class PageFile {
public:
    explicit PageFile(std::string path);

    PageStream& stream() { return m_stream; }

    // Puts the page in place; the failure names the page and the system's reason.
    Status finish();

private:
    ReplacingFile m_file;
    PageStream m_stream;
};

// Puts a finished page in place; a page that could not be written joins the run's list of
// failed writes, and the writer goes on with the next page.
void finishPage(PageRun& run, PageFile& page);

} // namespace vistrel
