#include "frontend/windows/manual_buttons.h"

#include <cstring>

namespace zuzazizo {

QImage manual_button_picture(ManualGlyph glyph, bool pressed, qreal device_pixel_ratio) {
    const int scale = device_pixel_ratio > 1 ? manual_button_largest_scale : 1;
    const std::vector<std::uint32_t> pixels = manual_button_pixels(glyph, pressed, scale);
    QImage image(manual_button_size_px * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    // Format_RGB32 holds each pixel as 0xFFRRGGBB, the core's own order.
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(image.scanLine(y), pixels.data() + y * image.width(),
                    static_cast<std::size_t>(image.width()) * sizeof(std::uint32_t));
    }
    return image;
}

}  // namespace zuzazizo
