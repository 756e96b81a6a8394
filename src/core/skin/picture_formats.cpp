#include "core/skin/picture_formats.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace zuzazizo {

namespace {

constexpr std::array formats = {
    PictureFormat{"png", "PNG", PictureKind::own_alpha},
    PictureFormat{"bmp", "BMP", PictureKind::keyed_bitmap},
    PictureFormat{"jpg", "JPEG", PictureKind::opaque},
    PictureFormat{"jpeg", "JPEG", PictureKind::opaque},
    PictureFormat{"ico", "ICO", PictureKind::own_alpha},
    PictureFormat{"wmf", "WMF", PictureKind::no_decoder},
    PictureFormat{"emf", "EMF", PictureKind::no_decoder},
};

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

}  // namespace

std::string_view picture_extension_of(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return {};
    }
    return path.substr(dot + 1);
}

const PictureFormat* picture_format_of(std::string_view path) {
    const std::string extension = lower(picture_extension_of(path));
    for (const PictureFormat& format : formats) {
        if (format.extension == extension) return &format;
    }
    return nullptr;
}

std::string unreadable_extension_reason(std::string_view path) {
    const PictureFormat* format = picture_format_of(path);
    const std::string extension(picture_extension_of(path));
    if (format == nullptr) {
        return "its extension \"" + extension +
               "\" has no decoder here (PNG, BMP, JPEG and ICO pictures can be read).";
    }
    if (format->kind == PictureKind::no_decoder) {
        return "its extension \"" + extension +
               "\" has no decoder here; save the picture as PNG or BMP instead.";
    }
    return {};
}

std::string damaged_picture_reason(const PictureFormat& format, std::string_view detail) {
    return "the file is damaged or is not a " + std::string(format.name) + " picture (" +
           std::string(detail) + ").";
}

bool keys_out_bottom_left(std::string_view path, Transparency transparency) {
    const PictureFormat* format = picture_format_of(path);
    return format != nullptr && format->kind == PictureKind::keyed_bitmap &&
           transparency == Transparency::bottom_left_key;
}

}  // namespace zuzazizo
