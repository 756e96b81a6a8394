// The handheld as a clock: the running time and date displays, TIME and LIGHT.
#include "core/engine/engine.h"

namespace zuzazizo {

using enum ImageId;

namespace {

constexpr int clock_refresh_ms = 1000;

}  // namespace

void Engine::Timer_ClockTimer() {
    const LocalTime now = wall_clock_.now();
    int h = now.hour;
    const bool pm = h >= 12;
    if (pm) h -= 12;
    images_.set_visible(im_panel_time_am, !pm);
    images_.set_visible(im_panel_time_pm, pm);
    if (h == 0) h = 12;
    lcd_.set_digit(1, h >= 10 ? h / 10 : -1);
    lcd_.set_digit(2, h % 10);
    lcd_.set_digit(3, now.minute / 10);
    lcd_.set_digit(4, now.minute % 10);
    lcd_.set_digit(5, -1);
    Timer_Clock.set_interval(clock_refresh_ms);
}

void Engine::Timer_DateTimer() {
    const LocalTime now = wall_clock_.now();
    lcd_.set_digit(1, now.month >= 10 ? now.month / 10 : -1);
    lcd_.set_digit(2, now.month % 10);
    lcd_.set_digit(3, now.day >= 10 ? now.day / 10 : -1);
    lcd_.set_digit(4, now.day % 10);
    lcd_.set_digit(5, -1);
    Timer_Date.set_interval(clock_refresh_ms);
}

void Engine::Inp_time_down() {
    images_.show(btn_time_down);
    if (state.key_latch) return;
    state.key_latch = true;
    const std::int32_t mode = state.game_mode;
    if (mode > mode_chrono && mode != mode_game_over) return;
    const std::int32_t next = mode + 1;
    set_mode(next > mode_chrono ? mode_time_1 : next);
}

void Engine::Inp_time_up() {
    images_.hide(btn_time_down);
    state.key_latch = false;
}

void Engine::Inp_light_down() {
    images_.show(btn_light_down);
    images_.show(im_background_light);
    state.key_latch = true;
}

void Engine::Inp_light_up() {
    images_.hide(btn_light_down);
    images_.hide(im_background_light);
    state.key_latch = false;
}

}  // namespace zuzazizo
