#include "frontend/sound/mixer_drivers_sdl.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zuzazizo {
namespace {

// The platform's own names for what the driver list calls "Microsoft DirectSound" (primary) and
// "Windows MultiMedia" (alternative); each list goes on with the other drivers of the platform so
// that a machine lacking the first still finds a working one before any other fallback.
#if defined(_WIN32)
constexpr std::array<std::string_view, 3> primary_drivers = {"directsound", "wasapi", "winmm"};
constexpr std::array<std::string_view, 3> alternative_drivers = {"winmm", "directsound", "wasapi"};
#elif defined(__APPLE__)
constexpr std::array<std::string_view, 1> primary_drivers = {"coreaudio"};
constexpr std::array<std::string_view, 1> alternative_drivers = {"coreaudio"};
#else
constexpr std::array<std::string_view, 3> primary_drivers = {"pulseaudio", "pipewire", "alsa"};
constexpr std::array<std::string_view, 3> alternative_drivers = {"alsa", "pulseaudio", "pipewire"};
#endif

constexpr std::string_view file_driver = "disk";

bool contains(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

void add_once(std::vector<std::string>& out, std::string_view name) {
    if (!contains(out, name)) out.emplace_back(name);
}

}  // namespace

std::vector<std::string> driver_candidates(MixerOutput output, const std::string& env_driver,
                                           const std::vector<std::string>& available) {
    std::vector<std::string> out;
    if (!env_driver.empty()) out.push_back(env_driver);

    const auto add_preferred = [&](const auto& preferred) {
        for (std::string_view name : preferred) {
            if (contains(available, name)) add_once(out, name);
        }
    };
    if (output == MixerOutput::primary) {
        add_preferred(primary_drivers);
    } else {
        add_preferred(alternative_drivers);
    }
    for (const std::string& name : available) {
        if (name != file_driver && name != silent_driver) add_once(out, name);
    }
    add_once(out, silent_driver);
    return out;
}

}  // namespace zuzazizo
