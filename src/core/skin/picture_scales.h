// The larger drawings of a skin picture, for zoomed windows and HiDPI screens.
//
// Beside `name.png` a skin may hold `name@2x.png` up to `name@4x.png`: the same art drawn at that
// many times the size, one drawing for each zoom of the window. skingen writes them under these
// names and the front end reads them back.
#pragma once

#include <string>
#include <string_view>

#include "core/skin/view_scale.h"

namespace zuzazizo {

inline constexpr int largest_picture_factor = zoom_max;

// The length of the path without its extension ("dir/name" of "dir/name.png").
inline std::size_t stem_length(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const bool has_extension =
        dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
    return has_extension ? dot : path.size();
}

// "dir/name.png" to "dir/name@2x.png"; a name without an extension takes the suffix at its end.
inline std::string larger_file_name(std::string_view path, int factor) {
    const std::size_t stem_end = stem_length(path);
    return std::string(path.substr(0, stem_end)) + "@" + std::to_string(factor) + "x" +
           std::string(path.substr(stem_end));
}

// The manual's pages are drawn again with twice the pixels, beside "dir/3.bmp" as
// "dir/3@2x.png": a bitmap of that size would weigh over a megabyte a page.
inline constexpr int manual_larger_factor = 2;
inline std::string manual_larger_page(std::string_view page_path) {
    return std::string(page_path.substr(0, stem_length(page_path))) + "@" +
           std::to_string(manual_larger_factor) + "x.png";
}

}  // namespace zuzazizo
