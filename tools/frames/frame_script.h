// A scripted run of the handheld: the moment of day it starts at, the seed of the game's coin,
// and steps of simulated time, keys and frames. One line each, '#' starts a comment:
//
//   start 2026-12-09 10:29:58   the local time when the handheld is switched on
//   seed 7                      the seed of the coin that launches the balls
//   wait 1500                   the handheld's time moves on so many milliseconds
//   down 3 / up 3               a key goes down or up: a digit, a letter, left or right
//   shot clock                  the window's frame is saved as clock.png
//
// The web page's pixel test reads the same file and plays the same steps on the page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/engine/wall_clock.h"

namespace zuzazizo {

struct FrameStep {
    enum class Kind { wait, down, up, shot } kind;
    std::int64_t ms = 0;  // wait
    int qt_key = 0;       // down, up
    std::string name;     // shot
};

struct FrameScript {
    LocalTime start;
    std::uint32_t seed = 0;
    std::vector<FrameStep> steps;
};

// The script, or an error text naming the line that is wrong.
struct ParsedScript {
    std::optional<FrameScript> script;
    std::string error;
};
ParsedScript parse_frame_script(const std::string& text);

}  // namespace zuzazizo
