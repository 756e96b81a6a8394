// Previews of the skin as the program would show it, for people to look at.
#pragma once

#include <QImage>
#include <functional>

#include "skin_part.h"

namespace skingen {

struct PreviewOptions {
    std::function<bool(ImageId)> lit;  // which segments are shown
    bool buttons_pressed = false;
    bool light_on = false;
    bool digits_lit = true;
};

// Everything of the window stacked in its painting order, the colour key replaced by a dark
// desk so that the outline of the case can be judged.
QImage render_preview(const Skin& skin, const PreviewOptions& options);

// The all-segments display and one picture per group of segments, beside the main preview.
bool write_previews(const Skin& skin, const QString& preview_path);

}  // namespace skingen
