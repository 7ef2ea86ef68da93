// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

struct RunContext;

// The create command: completes both folder settings with a final "/", checks the names and
// the output location, clears the old images, copies the main images (unless the source folder
// is the output image folder) and the music, writes the pages of the mode, and offers to open
// the result ("完了メッセージ"). Every stop has been reported by the step that stopped, or was
// the user's own choice. Returns 1 when the site was written, 0 when the run stopped.
int RunCreate(RunContext& context);

} // namespace vistrel
