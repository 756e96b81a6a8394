// The picture rules the page applies itself, as the desktop program applies them: which pictures
// have their bottom-left colour keyed out.
#include <emscripten/emscripten.h>

#include "core/skin/picture_formats.h"

extern "C" {

// transparency 0 for the bottom-left key, 1 for opaque, as in the picture requests.
EMSCRIPTEN_KEEPALIVE int hh_keys_out_bottom_left(const char* path, int transparency) {
    using zuzazizo::Transparency;
    return zuzazizo::keys_out_bottom_left(
               path, transparency == 1 ? Transparency::opaque : Transparency::bottom_left_key)
               ? 1
               : 0;
}

}  // extern "C"
