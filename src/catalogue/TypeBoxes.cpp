// SPDX-License-Identifier: MIT
#include "catalogue/TypeBoxes.h"

#include "names/ImageKind.h"

namespace vistrel {
namespace {

constexpr std::array<TypeBox, 3> kTypeBoxes = {TypeBox::Jpeg, TypeBox::Png, TypeBox::Gif};

std::int32_t bitOf(TypeBox box) {
    switch (box) {
    case TypeBox::Jpeg:
        return kindBit(ImageKind::Jpeg);
    case TypeBox::Png:
        return kindBit(ImageKind::Png);
    case TypeBox::Gif:
        return kindBit(ImageKind::Gif);
    case TypeBox::AllFiles:
        break;
    }
    return kAllFilesMask;
}

} // namespace

TypeBoxes::TypeBoxes(std::int32_t imageMode) : m_mask(imageMode) {
    for (const TypeBox box : kTypeBoxes) {
        m_checked[index(box)] = (imageMode & bitOf(box)) != 0;
    }
    m_checked[index(TypeBox::AllFiles)] = (imageMode & kAllFilesMask) != 0;
    setTypeBoxesEnabled(!m_checked[index(TypeBox::AllFiles)]);
}

bool TypeBoxes::click(TypeBox box) {
    if (!isEnabled(box)) {
        return false;
    }
    const bool checked = !m_checked[index(box)];
    m_checked[index(box)] = checked;
    if (box != TypeBox::AllFiles) {
        m_mask = checked ? (m_mask | bitOf(box)) : (m_mask & ~bitOf(box));
        return true;
    }
    setTypeBoxesEnabled(!checked);
    if (checked) {
        m_mask = kAllFilesMask;
        return true;
    }
    // The marks of the three boxes were kept while they were disabled, so they say again
    // which types to list.
    m_mask = 0;
    for (const TypeBox each : kTypeBoxes) {
        if (m_checked[index(each)]) {
            m_mask |= bitOf(each);
        }
    }
    return true;
}

void TypeBoxes::setTypeBoxesEnabled(bool enabled) {
    for (const TypeBox box : kTypeBoxes) {
        m_enabled[index(box)] = enabled;
    }
}

} // namespace vistrel
