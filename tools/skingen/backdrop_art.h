// The pictures outside the handheld: the fullscreen backdrop and logo, and the pictures of the
// splash screen and the about box.
#pragma once

#include <QImage>

namespace skingen {

QImage backdrop_picture();  // 1024 by 768, a ball park under floodlights at night
QImage logo_picture();      // 64 by 32
// The dialog pictures, each at its size in dialog_pictures.h; the box is the retail box.
QImage splash_background();
QImage splash_box(const QImage& handheld);
QImage dialog_button(const QString& caption, QRgb face, bool enabled);

// A baseball with its red stitching, used by the logo, the box and the manual.
void draw_baseball(QPainter& p, QPointF centre, qreal radius_px);

}  // namespace skingen
