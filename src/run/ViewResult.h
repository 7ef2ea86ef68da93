// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

class DocumentOpener;
class Prompter;
struct Settings;

// Opens the main page of the site (HTMLPath + HTMLFile + page extension) with the user's
// default browser, through opener. A missing page, or a browser that does not start, is
// reported.
void ViewResult(const Settings& settings, Prompter& prompter, DocumentOpener& opener);

} // namespace vistrel
