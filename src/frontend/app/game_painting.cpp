#include "frontend/app/game_painting.h"

#include "frontend/skin/picture_loader_qt.h"
#include "frontend/skin/picture_scales_qt.h"

namespace zuzazizo {

namespace {

QRectF window_rect(const ViewScale& view, const Rect& r) {
    const QPointF top_left(view.window_x(r.left), view.window_y(r.top));
    return {top_left, QSizeF(r.width * view.factor, r.height * view.factor)};
}

QRectF target_of(const Image& image, const ViewScale& view) {
    const Picture& picture = *image.picture;
    const QSizeF size(picture.width_px() * view.factor, picture.height_px() * view.factor);
    switch (image.draw_rule) {
        case DrawRule::at_own_size:
            break;
        case DrawRule::stretched:
            return window_rect(view, image.bounds);
        case DrawRule::centred: {
            // Centred in game pixels first, as at its own size, so that every scale agrees.
            const QRect bounds(image.bounds.left, image.bounds.top, image.bounds.width,
                               image.bounds.height);
            const QPoint corner =
                bounds.center() - QPoint(picture.width_px() / 2, picture.height_px() / 2);
            return {QPointF(view.window_x(corner.x()), view.window_y(corner.y())), size};
        }
    }
    return {QPointF(view.window_x(image.bounds.left), view.window_y(image.bounds.top)), size};
}

void draw_image(QPainter& painter, const Image& image, const QRect& dirty, const ViewScale& view,
                double device_pixel_ratio) {
    if (!image.visible || !image.picture || image.bounds.empty()) return;
    const QRectF clip = window_rect(view, image.bounds).intersected(QRectF(dirty));
    if (clip.isEmpty()) return;
    const auto* picture = dynamic_cast<const QtPicture*>(image.picture.get());
    if (!picture) return;
    const double device_scale = view.factor * device_pixel_ratio;
    const int factor = picture_factor(device_scale);
    const QImage& drawing = picture_at_factor(*picture, factor);
    painter.setClipRect(clip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !exact_factor(device_scale, factor));
    painter.drawImage(target_of(image, view), drawing, QRectF(drawing.rect()));
}

}  // namespace

void paint_images(QPainter& painter, const ImageModel& images, const QRect& dirty,
                  const ViewScale& view, double device_pixel_ratio) {
    const ViewScale own_size{};
    for (std::size_t i = 0; i < image_count; ++i) {
        const auto id = static_cast<ImageId>(i);
        draw_image(painter, images[id], dirty, is_window_level(id) ? own_size : view,
                   device_pixel_ratio);
    }
    painter.setClipping(false);
}

}  // namespace zuzazizo
