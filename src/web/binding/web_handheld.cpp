#include "web/binding/web_handheld.h"

#include "core/lcd/game_menu_sizes.h"
#include "core/sound/sound_failure.h"
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
    config_ = text ? ConfigText{LayoutStatus::ok, *text, {}} : no_config_text();
}

std::vector<PictureRequest> WebHandheld::picture_requests() const {
    const bool fullscreen =
        settings_.read_bool(settings::fullscreen_mode, settings::fullscreen_mode_default);
    return pictures_to_load(config_, web_site_dir, fullscreen, AnyFileMayExist());
}

std::vector<PictureRequest> WebHandheld::fullscreen_picture_requests() const {
    return pictures_to_load(config_, web_site_dir, true, AnyFileMayExist());
}

void WebHandheld::lay_out(int screen_width_px, int screen_height_px) {
    surface_.screen_width_px = screen_width_px;
    surface_.screen_height_px = screen_height_px;
    const LayoutResult result = Gfx_Init_Game(config_, web_site_dir, surface_, images_, pictures_);
    if (surface_.fullscreen_mode && game_menu_picture_)
        images_.set_picture(ImageId::btn_game_menu_background, game_menu_picture_);
    if (!result.ok()) {
        page_report_error(result.status == LayoutStatus::config_missing
                              ? std::string(config_missing_message).c_str()
                              : result.message.c_str());
    }
}

bool WebHandheld::create(int screen_width_px, int screen_height_px) {
    zoom_ = bounded_zoom(settings_.read_integer(settings::zoom, settings::zoom_default));
    fullscreen_scale_ = bounded_fullscreen_scale(
        settings_.read_integer(settings::fullscreen_scale, settings::fullscreen_scale_default));
    surface_.fullscreen_mode =
        settings_.read_bool(settings::fullscreen_mode, settings::fullscreen_mode_default);
    lay_out(screen_width_px, screen_height_px);
    if (config_.status == LayoutStatus::config_missing) return false;
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

void WebHandheld::power_on(WebSoundChoice choice) {
    engine_.state.sound_enabled = choice == WebSoundChoice::page_output;
    engine_.set_mode(mode_startup);
}

void WebHandheld::sound_failed() {
    page_report_error(sound_folder_message);
    reset_sound_settings_after_failure(settings_);
    engine_.state.sound_enabled = false;
}

std::optional<std::int64_t> WebHandheld::next_due_ms() {
    const std::optional<std::int64_t> due = clock_.next_due_ms();
    if (standing_since_ms_ || !due) return std::nullopt;
    return *due + stood_still_ms_;
}

void WebHandheld::advance_to(std::int64_t now_ms) {
    if (standing_since_ms_) return;
    const std::int64_t handheld_ms = now_ms - stood_still_ms_;
    if (handheld_ms > clock_.now_ms()) clock_.advance(handheld_ms - clock_.now_ms());
}

void WebHandheld::stand_still(std::int64_t now_ms) {
    if (!standing_since_ms_) standing_since_ms_ = now_ms;
}

void WebHandheld::go_on(std::int64_t now_ms) {
    if (!standing_since_ms_) return;
    stood_still_ms_ += now_ms - *standing_since_ms_;
    standing_since_ms_.reset();
}

bool WebHandheld::is_bound(std::uint16_t virtual_key) const {
    return dispatch_.bound_button(virtual_key).has_value();
}

// The window's own images (backdrop, logo, game menu) at their own size first, then the game
// area's through the view, as the desktop window hit-tests.
std::optional<ImageId> WebHandheld::hit_at(int x, int y) const {
    if (surface_.fullscreen_mode) {
        const std::optional<ImageId> own = images_.hit_test(x, y);
        if (own && is_window_level(*own)) return own;
    }
    int game_x = 0;
    int game_y = 0;
    view().to_game(x, y, game_x, game_y);
    const std::optional<ImageId> hit = images_.hit_test(game_x, game_y);
    return hit && !is_window_level(*hit) ? hit : std::nullopt;
}

ViewScale WebHandheld::view() const {
    return surface_.fullscreen_mode ? fullscreen_view(fullscreen_scale_, surface_)
                                    : windowed_view(zoom_);
}

void WebHandheld::zoom_key(int step) {
    if (!surface_.fullscreen_mode) return step_zoom(step == 0 ? zoom_min - zoom_ : step);
    fullscreen_scale_ = step == 0 ? FullscreenScale::as_laid_out
                                  : stepped_fullscreen_scale(fullscreen_scale_, step);
    settings_.write_integer(settings::fullscreen_scale,
                            static_cast<std::int32_t>(fullscreen_scale_));
}

void WebHandheld::set_fullscreen_mode(bool fullscreen, int screen_width_px, int screen_height_px) {
    surface_.fullscreen_mode = fullscreen;
    settings_.write_bool(settings::fullscreen_mode, fullscreen);
    lay_out(screen_width_px, screen_height_px);
}

void WebHandheld::set_game_menu_picture(int page_id, int width_px, int height_px) {
    game_menu_picture_ = std::make_shared<WebPicture>(page_id, width_px, height_px);
    images_.set_picture(ImageId::btn_game_menu_background, game_menu_picture_);
}

void WebHandheld::set_game_menu_open(bool open) {
    using namespace game_menu;
    images_.set_height(ImageId::btn_game_menu_background, open ? open_height_px : closed_height_px);
    images_.set_width(ImageId::btn_game_menu_background, open ? open_width_px : closed_width_px);
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
