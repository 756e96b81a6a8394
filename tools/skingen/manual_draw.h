// The printing of the manual pages: paper, headings, text and small pictures of the screen.
#pragma once

#include <QImage>
#include <QPainter>
#include <array>
#include <initializer_list>

#include "core/skin/config_keys.h"
#include "core/skin/window_surface.h"
#include "skin_part.h"

namespace skingen::manual {

// The page size Config.ini gives the viewer when it names none, and the viewer's page count.
inline constexpr int page_width_px = zuzazizo::config_keys::manual_width.fallback;
inline constexpr int page_height_px = zuzazizo::config_keys::manual_height.fallback;
inline constexpr int page_count = zuzazizo::manual_page_count;
inline constexpr int margin_px = 14;
inline constexpr int body_top_px = 38;

// A fresh page with its heading and page number; the corners stay free for the viewer's
// buttons. Drawn at the art scale: with twice the pixels at scale 2, its device pixel ratio 2,
// so every page is laid out in the same page pixels and drawn anew at the finer resolution.
QImage blank_page(int number, const QString& heading);

// Rich text (a little HTML: <b>, <i>, <br>) wrapped into the rectangle.
void text(QPainter& p, const QRectF& box, const QString& html, int size_px = 11);

void key_cap(QPainter& p, QPointF top_left, const QString& label);

// The handheld as the program shows it, with all segments lit, scaled to the width; drawn with
// `ratio` times the pixels for a screen of that pixel ratio.
QImage handheld(const Skin& skin, int width_px, int ratio = 1);

// A part of the screen (in LCD coordinates) with only the listed segments lit, at the art scale
// and drawn from a skin of that scale.
QImage screen(const Skin& skin, std::initializer_list<ImageId> lit, std::array<int, 5> digits,
              const QRect& part_lcd, qreal scale);

void framed(QPainter& p, QPointF top_left, const QImage& picture);

}  // namespace skingen::manual
