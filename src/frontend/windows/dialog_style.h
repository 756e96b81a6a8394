// The look shared by the dialogs: their dark blue and the designer's font.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "frontend/common/dialog_look.h"

namespace zuzazizo {

// Fills a dialog's background with the dark blue; its child controls keep their own colours.
inline void fill_with_dialog_blue(QWidget& window) {
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, dialog_blue);
    window.setPalette(colours);
    window.setAutoFillBackground(true);
}

// "Arial" at a cell height in pixels, as the windows were designed.
inline QFont arial_font(int pixel_size, bool bold = false) {
    QFont font(QString::fromLatin1(arial_family));
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    return font;
}

// The text colour of a label or check box.
inline void set_text_colour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

// A caption of a dialog at its designed place, font and colour.
inline QLabel* dialog_label(QWidget* parent, const char* text, QRect bounds, const QFont& font,
                            const QColor& colour,
                            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setGeometry(bounds);
    label->setAlignment(alignment);
    label->setFont(font);
    set_text_colour(*label, colour);
    return label;
}

// The windows were laid out for Arial's metrics; a fallback with other widths overflows their
// label rectangles. Where Arial is not installed, "Arial" resolves to Liberation Sans, which has
// the same advance widths. Qt consults a substitution only for a family it cannot find, so this
// needs no look at the font database, which would load every font at start-up. Call it once the
// application object exists, before any window.
inline void use_metric_compatible_arial() {
    QFont::insertSubstitution(QString::fromLatin1(arial_family), QStringLiteral("Liberation Sans"));
}

}  // namespace zuzazizo
