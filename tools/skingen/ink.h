// Drawing of LCD segments: every segment is painted in black on a mask in LCD coordinates and
// then coloured with the one ink of the screen, with the faint shadow that a real twisted-nematic
// segment casts on the reflector behind it.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <functional>
#include <initializer_list>

#include "skin_part.h"

namespace skingen {

// Where the glass of the LCD lies in the game area; segment drawings use coordinates relative to
// its top-left corner.
inline constexpr QRect lcd_rect{136, 30, 337, 258};

using DrawFn = std::function<void(QPainter&)>;

// A segment cropped to its ink (and shadow).
SkinPart ink_segment(ImageId id, const DrawFn& draw);

// A segment whose rectangle is fixed in advance (digit sources must all share one size).
SkinPart ink_segment_in(ImageId id, const QRect& rect_lcd, const DrawFn& draw);

// The rectangle of a segment of the skin translated into LCD coordinates.
QRect to_game_area(const QRect& rect_lcd);

// Strokes with round caps, as the limbs of the figures and the bats are drawn.
void limb(QPainter& p, std::initializer_list<QPointF> points, qreal width_px);
void blob(QPainter& p, QPointF centre, qreal rx_px, qreal ry_px);

// Text as an outline with its baseline at y 0, narrowed by squeeze, for the status words.
QPainterPath lcd_text_path(const QString& text, qreal size_px, qreal squeeze = 0.86);

QString png_name(ImageId id);

}  // namespace skingen
