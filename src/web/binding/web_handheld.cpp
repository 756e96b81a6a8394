#include "web/binding/web_handheld.h"

#include <filesystem>
#include <fstream>

#include "core/skin/skin_paths.h"
#include "core/sound/sound_failure.h"
#include "core/windows/splash_rules.h"
#include "web/binding/page_imports.h"

namespace zuzazizo {

namespace {

// Before anything is fetched every named file may exist: the page fetches them all and finds out.
class AnyFileMayExist final : public PictureLoader {
  public:
    bool exists(const std::string&) const override { return true; }
    LoadedPicture load(const std::string&, Transparency) override { return {}; }
    PicturePtr missing_image_marker() override { return {}; }
};

}  // namespace

WebSoundChoice web_sound_choice(std::int32_t sound_mode, bool splash_screen) {
    const bool chosen_and_skipped = !splash_shows_at_start(sound_mode, splash_screen);
    if (chosen_and_skipped && sound_mode == static_cast<std::int32_t>(SoundChoice::none)) {
        return WebSoundChoice::none;
    }
    return WebSoundChoice::page_output;
}

WebHandheld::WebHandheld()
    : settings_(backend_),
      lcd_(images_),
      coin_(clock_seeded_coin()),
      engine_(EngineDeps{clock_, lcd_, sound_, settings_, wall_clock_, [this] { return coin_(); }}),
      keys_(settings_),
      dispatch_(keys_, engine_) {
    images_.set_observer([this](const Rect& r) { dirty_.push_back(r); });
    engine_.on_play_tick = [this] { play_ticks_ = {play_ticks_.count + 1, clock_.now_ms()}; };
    settings_.set_failure_handler([](const std::string& name) {
        const std::string text = "The setting \"" + name +
                                 "\" could not be saved. The game goes on, but your settings "
                                 "and high scores may not be kept.";
        page_report_error(text.c_str());
    });
}

void WebHandheld::set_config(const std::optional<std::string>& text) {
    const std::string path = resolve_skin_path(web_site_dir, "", config_file_name);
    std::error_code error;
    std::filesystem::create_directories(web_site_dir, error);
    std::filesystem::remove(path, error);
    if (!text) return;
    std::ofstream(path, std::ios::binary) << *text;
}

std::vector<PictureRequest> WebHandheld::picture_requests() const {
    return pictures_to_load(web_site_dir, false, AnyFileMayExist());
}

bool WebHandheld::create() {
    zoom_ = bounded_zoom(settings_.read_integer(settings::zoom, settings::zoom_default));
    // The handheld alone, as in the desktop's windowed mode: the page is its window.
    surface_.fullscreen_mode = false;
    const LayoutResult result = Gfx_Init_Game(web_site_dir, surface_, images_, pictures_);
    if (result.status == LayoutStatus::config_missing) {
        page_report_error(std::string(config_missing_message).c_str());
        return false;
    }
    if (!result.ok()) page_report_error(result.message.c_str());
    // As on the desktop, also after a layout error: keys and high scores must still be right.
    keys_.Key_Build_Names();
    keys_.Key_Load_Bindings();
    keys_.Key_Build_Hints(images_);
    engine_.read_hiscores();
    engine_.state.key_latch = false;
    engine_.state.game_a_latch = false;
    engine_.state.game_b_latch = false;
    engine_.state.hero_active = false;
    return true;
}

WebSoundChoice WebHandheld::sound_choice() const {
    return web_sound_choice(
        settings_.read_integer(settings::sound_mode, settings::sound_mode_default),
        settings_.read_bool(settings::splash_screen, settings::splash_screen_default));
}

void WebHandheld::power_on(WebSoundChoice choice) {
    engine_.state.sound_enabled = choice == WebSoundChoice::page_output;
    engine_.set_mode(mode_startup);
}

void WebHandheld::sound_failed() {
    page_report_error(sound_folder_message);
    reset_sound_settings_after_failure(settings_);
    engine_.state.sound_enabled = false;
}

void WebHandheld::advance_to(std::int64_t now_ms) {
    if (now_ms > clock_.now_ms()) clock_.advance(now_ms - clock_.now_ms());
}

bool WebHandheld::is_bound(std::uint16_t virtual_key) const {
    return dispatch_.bound_button(virtual_key).has_value();
}

std::optional<ImageId> WebHandheld::hit_at(int x, int y) const {
    int game_x = 0;
    int game_y = 0;
    windowed_view(zoom_).to_game(x, y, game_x, game_y);
    return images_.hit_test(game_x, game_y);
}

void WebHandheld::touch_down(int finger, int x, int y) {
    const std::optional<ImageId> hit = hit_at(x, y);
    const std::optional<Button> button = hit ? button_of_top_image(*hit) : std::nullopt;
    if (!button || touches_.contains(finger)) return;
    touches_[finger] = *button;
    engine_.press(*button);
}

void WebHandheld::touch_up(int finger) {
    const auto it = touches_.find(finger);
    if (it == touches_.end()) return;
    const Button button = it->second;
    touches_.erase(it);
    engine_.release(button);
}

void WebHandheld::step_zoom(int step) {
    zoom_ = stepped_zoom(zoom_, step);
    settings_.write_integer(settings::zoom, zoom_);
}

void WebHandheld::replay(LocalTime start, std::uint32_t seed) {
    wall_clock_.replay(start, clock_);
    coin_ = seeded_coin(seed);
}

std::vector<Rect> WebHandheld::take_dirty() {
    std::vector<Rect> taken;
    taken.swap(dirty_);
    return taken;
}

}  // namespace zuzazizo
