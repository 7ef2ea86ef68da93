// SPDX-License-Identifier: MIT
#include "ui/controls/CFontCombo.h"

#include <memory>

#include <fontconfig/fontconfig.h>

#include "ui/controls/FontFaceList.h"

namespace vistrel::ui {
namespace {

struct PatternRelease {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct ObjectSetRelease {
    void operator()(FcObjectSet* objects) const { FcObjectSetDestroy(objects); }
};
struct FontSetRelease {
    void operator()(FcFontSet* fonts) const { FcFontSetDestroy(fonts); }
};

QString fcText(const FcChar8* text) {
    return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

// Every family name of every installed face with the face's format. A face with several
// family names (a condensed cut often has its own besides the main one) gives one entry each.
std::vector<InstalledFace> installedFaces() {
    std::vector<InstalledFace> faces;
    const std::unique_ptr<FcPattern, PatternRelease> all(FcPatternCreate());
    const std::unique_ptr<FcObjectSet, ObjectSetRelease> wanted(
        FcObjectSetBuild(FC_FAMILY, FC_FONTFORMAT, nullptr));
    if (!all || !wanted) {
        return faces;
    }
    const std::unique_ptr<FcFontSet, FontSetRelease> fonts(
        FcFontList(nullptr, all.get(), wanted.get()));
    if (!fonts) {
        return faces;
    }
    for (int i = 0; i < fonts->nfont; ++i) {
        const FcPattern* font = fonts->fonts[i];
        FcChar8* format = nullptr;
        if (FcPatternGetString(font, FC_FONTFORMAT, 0, &format) != FcResultMatch) {
            continue;
        }
        FcChar8* family = nullptr;
        for (int n = 0; FcPatternGetString(font, FC_FAMILY, n, &family) == FcResultMatch; ++n) {
            faces.push_back({fcText(family), fcText(format)});
        }
    }
    return faces;
}

} // namespace

CFontCombo::CFontCombo(QWidget* parent) : QComboBox(parent) {}

void CFontCombo::FillFonts() {
    clear();
    addItems(fontFaceItems(installedFaces()));
}

} // namespace vistrel::ui
