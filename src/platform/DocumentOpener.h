// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/Status.h"

namespace vistrel {

// Hands a document or address to the user's default application: the result page, the manual,
// the links of the about box. A front end gives its own where it opens things its own way, and
// tests give one that records what would have been opened.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // Starts the default application for pathOrUrl without waiting for it.
    virtual Status open(const std::string& pathOrUrl) = 0;
};

// The desktop's default application, through GIO.
class DefaultApplicationOpener final : public DocumentOpener {
public:
    Status open(const std::string& pathOrUrl) override {
        return openWithDefaultApplication(pathOrUrl);
    }
};

} // namespace vistrel
