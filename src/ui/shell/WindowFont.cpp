// SPDX-License-Identifier: MIT
#include "ui/shell/WindowFont.h"

#include <memory>

#include <QApplication>

#include <fontconfig/fontconfig.h>

namespace vistrel::ui {
namespace {

struct PatternRelease {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternRelease>;

} // namespace

QString japaneseSansFamily() {
    const Pattern wanted(FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:lang=ja")));
    if (!wanted) {
        return {};
    }
    FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(nullptr, wanted.get(), &result));
    FcChar8* family = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &family) != FcResultMatch) {
        return {};
    }
    return QString::fromUtf8(reinterpret_cast<const char*>(family));
}

void useJapaneseUiFont(QApplication& application) {
    const QString family = japaneseSansFamily();
    if (family.isEmpty()) {
        return;
    }
    QFont font = QApplication::font();
    font.setFamilies({family});
    application.setFont(font);
}

} // namespace vistrel::ui
