// The look shared by the dialogs: their dark blue and the designer's font.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

namespace zuzazizo {

// RGB(8, 41, 82), the background of the splash screen, the key dialog and the about box.
inline const QColor dialog_blue{8, 41, 82};

// Fills a dialog's background with the dark blue; its child controls keep their own colours.
inline void fill_with_dialog_blue(QWidget& window) {
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, dialog_blue);
    window.setPalette(colours);
    window.setAutoFillBackground(true);
}

// "Arial" at a cell height in pixels, as the windows were designed.
inline QFont arial_font(int pixel_size, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    return font;
}

// The windows were laid out for Arial's metrics; a fallback with other widths overflows their
// label rectangles. Where Arial is not installed, "Arial" resolves to Liberation Sans, which has
// the same advance widths. Qt consults a substitution only for a family it cannot find, so this
// needs no look at the font database, which would load every font at start-up. Call it once the
// application object exists, before any window.
inline void use_metric_compatible_arial() {
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

}  // namespace zuzazizo
