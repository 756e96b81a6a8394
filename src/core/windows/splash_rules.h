// The splash screen's rules: the sound outputs it offers, what each choice stores and starts, and
// when the start-up skips the screen altogether.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zuzazizo {

// The driver list's items, in list order; the position is what SoundMode stores.
enum class SoundChoice { direct_sound = 0, multimedia = 1, none = 2 };

namespace splash {

inline constexpr std::string_view direct_sound_caption = "Microsoft DirectSound";
inline constexpr std::string_view multimedia_caption = "Windows MultiMedia";
inline constexpr std::string_view no_sound_caption = "(no sound)";

// The driver list, in list order.
inline constexpr std::array<std::string_view, 3> driver_items = {
    direct_sound_caption, multimedia_caption, no_sound_caption};

// A front end with one sound output of its own, the web page, offers that output and "(no
// sound)". It stores the output as SoundMode 0, and takes a stored 1 (the desktop's second
// output) for it too, so that a choice made on either program means the same on the other.
inline constexpr std::string_view page_output_caption = "Web Audio";
inline constexpr std::array<std::string_view, 2> page_driver_items = {page_output_caption,
                                                                      no_sound_caption};

}  // namespace splash

// What the play action makes of the text the list shows.
struct SoundDriverPlay {
    SoundChoice choice;  // also the SoundMode it stores
    bool sound_enabled;  // false for "(no sound)", which starts no output
};

// The list position a stored SoundMode selects; nullopt for a value that is no item's position
// (-1 for "none chosen yet", or anything else), which leaves the list without a selection.
std::optional<int> sound_list_position(int sound_mode);

// The same two rules for the list of a front end with one output (splash::page_driver_items).
std::optional<int> page_sound_list_position(int sound_mode);
std::optional<SoundDriverPlay> page_sound_driver_play(std::string_view shown);

// The play button is usable exactly when the list shows an item.
constexpr bool splash_play_usable(std::string_view shown) {
    return !shown.empty();
}

// The play action compares the shown text with "(no sound)", "Windows MultiMedia" and "Microsoft
// DirectSound", in this order; a text that is none of them chooses nothing.
std::optional<SoundDriverPlay> sound_driver_play(std::string_view shown);

// What a key does on the splash screen, by its physical key: Enter and the digit key 1 play (when
// the play button is usable), Escape ends the program. Every other key goes on to the focused
// control.
enum class SplashKey { play, quit };
std::optional<SplashKey> splash_key(std::uint16_t key);

// Whether the start-up shows the splash screen: unless a sound output was chosen before and the
// splash screen is switched off, in which case it plays at once, unseen.
bool splash_shows_at_start(int sound_mode, bool splash_screen);

}  // namespace zuzazizo
