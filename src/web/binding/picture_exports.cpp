// The picture rules the page applies itself, as the desktop program applies them: which pictures
// have their bottom-left colour keyed out.
#include <emscripten/emscripten.h>

#include <string>

#include "core/skin/picture_formats.h"
#include "core/skin/picture_scales.h"

extern "C" {

// transparency 0 for the bottom-left key, 1 for opaque, as in the picture requests.
EMSCRIPTEN_KEEPALIVE int hh_keys_out_bottom_left(const char* path, int transparency) {
    using zuzazizo::Transparency;
    return zuzazizo::keys_out_bottom_left(
               path, transparency == 1 ? Transparency::opaque : Transparency::bottom_left_key)
               ? 1
               : 0;
}

// "dir/name@2x.png" for "dir/name.png" at factor 2: where a picture's larger drawings lie.
EMSCRIPTEN_KEEPALIVE const char* hh_larger_file_name(const char* path, int factor) {
    static std::string name;
    name = zuzazizo::larger_file_name(path, factor);
    return name.c_str();
}

}  // extern "C"
