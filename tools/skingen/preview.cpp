#include "preview.h"

#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <string_view>

#include "case_art.h"
#include "digit_ids.h"
#include "ink.h"

namespace skingen {

using enum ImageId;

namespace {

bool starts_with(ImageId id, std::string_view prefix) {
    return zuzazizo::name_of(id).starts_with(prefix);
}

bool is_pressed_look(ImageId id) {
    const std::string_view name = zuzazizo::name_of(id);
    return name.starts_with("btn_") && name.ends_with("_down");
}

bool is_button_or_frame(ImageId id) {
    return id == im_background || id == im_background_screen_top ||
           (starts_with(id, "btn_") && !is_pressed_look(id));
}

bool is_digit_source(ImageId id) {
    return starts_with(id, "im_panel_number");
}

bool is_segment(ImageId id) {
    return !is_button_or_frame(id) && !is_pressed_look(id) && !is_digit_source(id) &&
           id != im_background_light && !starts_with(id, "im_panel_digit_pos");
}

bool shown(ImageId id, const PreviewOptions& o) {
    if (is_button_or_frame(id)) return true;
    if (is_pressed_look(id)) return o.buttons_pressed;
    if (id == im_background_light) return o.light_on;
    return is_segment(id) && o.lit(id);
}

void draw_part(QPainter& p, const SkinPart& part, ImageId id, const QImage& picture) {
    p.save();
    p.setClipRect(part.rect);
    if (id == btn_set_top)
        p.drawImage(QRectF(part.rect), picture);
    else
        p.drawImage(part.rect.topLeft(), picture);
    p.restore();
}

constexpr QRgb desk_colour = 0xff3a3632;

std::size_t digit_place_index(ImageId id) {
    return static_cast<std::size_t>(std::find(digit_place_ids.begin(), digit_place_ids.end(), id) -
                                    digit_place_ids.begin());
}

QImage desk_to_alpha(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (row[x] == desk_colour) row[x] = qRgba(0, 0, 0, 0);
    }
    return out;
}

QImage unkeyed(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (qAlpha(row[x]) == 0) row[x] = desk_colour;
    }
    return out;
}

}  // namespace

int skin_scale(const Skin& skin) {
    const auto background = skin.find(im_background);
    if (background == skin.end()) return 1;
    return std::max(1, qRound(background->second.picture.devicePixelRatio()));
}

QImage render_preview(const Skin& skin, const PreviewOptions& options) {
    const int scale = skin_scale(skin);
    QImage image(QSize(game_width_px, game_height_px) * scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(desk_colour);
    QPainter p(&image);
    for (std::size_t i = 0; i < zuzazizo::image_count; ++i) {
        const auto id = static_cast<ImageId>(i);
        const auto it = skin.find(id);
        if (it == skin.end()) continue;
        const SkinPart& part = it->second;
        if (starts_with(id, "im_panel_digit_pos")) {
            const int digit = options.digits[digit_place_index(id)];
            if (digit < 0) continue;
            const bool small = id == im_panel_digit_pos_5;
            const ImageId source = (small ? small_digit_ids : large_digit_ids)[std::size_t(digit)];
            draw_part(p, part, id, skin.at(source).picture);
            continue;
        }
        if (!shown(id, options) || part.picture.isNull()) continue;
        draw_part(p, part, id, id == im_background ? unkeyed(part.picture) : part.picture);
    }
    p.end();
    return options.transparent_outside ? desk_to_alpha(image) : image;
}

bool write_previews(const Skin& skin, const QString& preview_path) {
    const auto all = [](ImageId) { return true; };
    const QImage everything = render_preview(skin, {all});
    bool ok = everything.save(preview_path);
    struct Group {
        const char* suffix;
        std::function<bool(ImageId)> lit;
    };
    const Group groups[] = {
        {"hero", [](ImageId id) { return starts_with(id, "im_hero"); }},
        {"items",
         [](ImageId id) { return starts_with(id, "im_item") && !starts_with(id, "im_item_top"); }},
        {"top", [](ImageId id) { return starts_with(id, "im_item_top"); }},
        {"panel", [](ImageId id) { return starts_with(id, "im_panel"); }},
    };
    const QFileInfo info(preview_path);
    const QString stem = info.path() + "/" + info.completeBaseName();
    for (const Group& g : groups) {
        PreviewOptions o{g.lit};
        if (std::string_view(g.suffix) != "panel") o.digits = {-1, -1, -1, -1, -1};
        ok = render_preview(skin, o).save(stem + "-" + g.suffix + ".png") && ok;
    }
    // The screen at twice its size, to judge the segments' edges.
    const QImage screen = everything.copy(lcd_rect).scaled(lcd_rect.size() * 2, Qt::KeepAspectRatio,
                                                           Qt::SmoothTransformation);
    ok = screen.save(stem + "-lcd-2x.png") && ok;
    PreviewOptions pressed{[](ImageId) { return false; }, true, true, {-1, -1, -1, -1, -1}};
    ok = render_preview(skin, pressed).save(stem + "-pressed-lit.png") && ok;
    return ok;
}

bool write_manual_sheet(const QString& manual_dir, const QString& sheet_path) {
    constexpr int columns = 2, rows = 4, gap_px = 6, page_w = 390, page_h = 300;
    QImage sheet(columns * (page_w + gap_px) + gap_px, rows * (page_h + gap_px) + gap_px,
                 QImage::Format_RGB32);
    sheet.fill(desk_colour);
    QPainter p(&sheet);
    for (int n = 0; n < columns * rows; ++n) {
        const QImage page(QStringLiteral("%1/%2.bmp").arg(manual_dir).arg(n + 1));
        if (page.isNull()) return false;
        p.drawImage(gap_px + (n % columns) * (page_w + gap_px),
                    gap_px + (n / columns) * (page_h + gap_px), page);
    }
    p.end();
    return sheet.save(sheet_path);
}

}  // namespace skingen
