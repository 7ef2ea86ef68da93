// SPDX-License-Identifier: MIT
#include "imaging/CSmallImg.h"

#include "catalogue/CurrentImage.h"

namespace vistrel {

void CSmallImg::ProduceThumbnail(CurrentImage& current) {
    if (!current.header() || current.image() == nullptr) {
        return;
    }
    renderThumbnail(*current.image(), current.header()->width, current.header()->height, m_size,
                    m_options, m_path);
}

} // namespace vistrel
