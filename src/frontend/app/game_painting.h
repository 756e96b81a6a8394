// Painting the image model into the main window, with the game area scaled by the window's view.
//
// Shared by the window's paint event and by the pass that finds the window's shape, so that what
// is hit and what is seen can never part. Each picture is drawn from its drawing at the size that
// matches the device pixels (view scale times the device pixel ratio).
#pragma once

#include <QPainter>
#include <QRect>

#include "core/lcd/image_model.h"
#include "core/skin/view_scale.h"

namespace zuzazizo {

// Paints every visible image that meets the dirty rectangle (window coordinates).
void paint_images(QPainter& painter, const ImageModel& images, const QRect& dirty,
                  const ViewScale& view, double device_pixel_ratio);

}  // namespace zuzazizo
