// What the page's tests and benchmarks ask of the handheld: the replay of a scripted run, which
// the pixel test plays beside the desktop program (the handheld's local time and the coin that
// launches its balls, set before it is switched on), and the play ticks, which the timing
// benchmark times.
#include <emscripten/emscripten.h>

#include <cstdint>

#include "web/binding/web_handheld.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE void hh_replay(int year, int month, int day, int hour, int minute, int second,
                                    double seed) {
    zuzazizo::page_handheld().replay({year, month, day, hour, minute, second},
                                     static_cast<std::uint32_t>(seed));
}

// How many play ticks have run, and the handheld's time of the last one.
EMSCRIPTEN_KEEPALIVE double hh_play_ticks() {
    return static_cast<double>(zuzazizo::page_handheld().play_ticks().count);
}
EMSCRIPTEN_KEEPALIVE double hh_last_play_tick_ms() {
    return static_cast<double>(zuzazizo::page_handheld().play_ticks().last_ms);
}

}  // extern "C"
