// The one family every picture is lettered in. It comes from Debian's fonts-dejavu-core, so the
// pictures come out the same on every build machine that has it.
#pragma once

#include <QFont>

namespace skingen {

inline QFont ui_font(int pixel_size, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Reports on stderr when the family is missing: the pictures would then be lettered in
// whatever fontconfig substitutes.
bool check_fonts();

}  // namespace skingen
