// The main window's background colour and, in windowed mode, its shape: pixels in exactly the
// colour key are neither drawn nor hit, so the window takes the shape of what the skin paints.
#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

#include "core/lcd/image_model.h"
#include "core/skin/view_scale.h"
#include "core/skin/window_surface.h"

namespace zuzazizo {

// A Windows colour value (00BBGGRR) as Qt's colour.
QColor colour_of(std::uint32_t value);

class WindowShape {
  public:
    WindowShape(QWidget& window, const ImageModel& images, const GameSurface& surface)
        : window_(window), images_(images), surface_(surface) {}

    // What the window paints beneath its images.
    QColor background() const { return colour_of(surface_.colour); }
    // Cuts the window to the skin when the layout turned the colour key on, and makes it whole
    // again when not. The case is what gives the shape, so one pass after each layout does.
    void apply(const ViewScale& view);

  private:
    QWidget& window_;
    const ImageModel& images_;
    const GameSurface& surface_;
};

}  // namespace zuzazizo
