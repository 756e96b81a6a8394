#include "fonts.h"

#include <QFontInfo>
#include <cstdio>

namespace skingen {

bool check_fonts() {
    const QFontInfo info(ui_font(12));
    if (info.family() == QStringLiteral("DejaVu Sans")) return true;
    std::fprintf(stderr,
                 "skingen: font \"DejaVu Sans\" not found (install fonts-dejavu-core); "
                 "using \"%s\"\n",
                 qPrintable(info.family()));
    return false;
}

}  // namespace skingen
