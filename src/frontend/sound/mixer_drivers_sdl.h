// Which SDL audio drivers the sound start-up tries, in which order.
//
// The driver list offers two real outputs: the platform's primary audio system and its
// alternative. A player without a sound card (or with its server stopped) must still get a running
// game, so after the preferred drivers every other driver that SDL was built with is tried, and
// last of all SDL's silent "dummy" driver, which always opens. Kept apart from the mixer binding
// as a pure function so that the order can be checked without any audio hardware.
#pragma once

#include <string>
#include <vector>

namespace zuzazizo {

// The output types the driver list hands to the sound start-up.
enum class MixerOutput { alternative = 1, primary = 2 };

inline constexpr const char* silent_driver = "dummy";

// `env_driver` is SDL's own SDL_AUDIODRIVER (empty when unset); when set it is tried first, so a
// user or a test can always pick the driver. `available` lists the drivers SDL was built with.
// The "disk" driver writes the output into a file, so it is only ever used when asked for.
std::vector<std::string> driver_candidates(MixerOutput output, const std::string& env_driver,
                                           const std::vector<std::string>& available);

}  // namespace zuzazizo
