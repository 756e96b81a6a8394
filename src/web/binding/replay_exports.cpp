// The page's replay of a scripted run, which its pixel test plays beside the desktop program:
// the handheld's local time and the coin that launches its balls, set before it is switched on.
#include <emscripten/emscripten.h>

#include <cstdint>

#include "web/binding/web_handheld.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE void hh_replay(int year, int month, int day, int hour, int minute, int second,
                                    double seed) {
    zuzazizo::page_handheld().replay({year, month, day, hour, minute, second},
                                     static_cast<std::uint32_t>(seed));
}

}  // extern "C"
