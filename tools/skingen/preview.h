// Previews of the skin as the program would show it, for people to look at.
#pragma once

#include <QImage>
#include <array>
#include <functional>

#include "skin_part.h"

namespace skingen {

struct PreviewOptions {
    std::function<bool(ImageId)> lit;  // which segments are shown
    bool buttons_pressed = false;
    bool light_on = false;
    // What the five digit places show, left to right; -1 leaves a place empty. The fifth place
    // takes the small digits.
    std::array<int, 5> digits{8, 8, 8, 8, 8};
    bool transparent_outside = false;  // the colour key becomes alpha instead of a dark desk
};

// Everything of the window stacked in its painting order, the colour key replaced by a dark
// desk so that the outline of the case can be judged. Drawn at the skin's own scale (see
// skin_scale): a skin drawn with twice the pixels gives a preview of twice the pixels whose
// device pixel ratio is 2.
QImage render_preview(const Skin& skin, const PreviewOptions& options);

// The scale the skin was drawn at (art_scale), read from its pictures' device pixel ratio.
int skin_scale(const Skin& skin);

// The all-segments display and one picture per group of segments, beside the main preview.
bool write_previews(const Skin& skin, const QString& preview_path);

// The eight manual pages side by side, since few viewers open a bitmap.
bool write_manual_sheet(const QString& manual_dir, const QString& sheet_path);

}  // namespace skingen
