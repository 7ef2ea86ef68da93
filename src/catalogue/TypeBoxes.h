// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace vistrel {

// The four file type check boxes of the main window.
enum class TypeBox { AllFiles, Jpeg, Png, Gif };

// The state of the type check boxes and the type mask they edit (the window's working copy of
// ImageMode). Holds no list and asks nothing: ImageListPanel puts the question first and
// calls click() only when the user goes on.
class TypeBoxes {
public:
    // The boxes at window start: JPG, PNG and GIF checked by the bits 1, 2 and 4 of imageMode;
    // bit 8 checks the all-files box and disables the other three. The mask starts as
    // imageMode itself.
    explicit TypeBoxes(std::int32_t imageMode);

    bool isChecked(TypeBox box) const { return m_checked[index(box)]; }
    bool isEnabled(TypeBox box) const { return m_enabled[index(box)]; }
    std::int32_t mask() const { return m_mask; }

    // A click on an enabled box: its mark flips, then the mask follows. All files checked:
    // the three type boxes are disabled (their marks stay) and the mask is kAllFilesMask. All
    // files unchecked: the three are enabled and the mask is the sum of their checked bits.
    // A type box sets or clears its own bit. A click on a disabled box changes nothing and
    // returns false.
    bool click(TypeBox box);

private:
    static std::size_t index(TypeBox box) { return static_cast<std::size_t>(box); }
    void setTypeBoxesEnabled(bool enabled);

    std::array<bool, 4> m_checked{};
    std::array<bool, 4> m_enabled{true, true, true, true};
    std::int32_t m_mask = 0;
};

} // namespace vistrel
