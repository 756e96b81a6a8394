#include "core/engine/engine.h"

#include <chrono>
#include <memory>
#include <random>

namespace zuzazizo {

namespace {

// The difficulty schedule: by the score within the current thousand, the cap on items in flight
// and the play tick's period. Each row applies from its threshold up to the next row's.
struct LevelRow {
    std::int32_t from;
    std::int32_t value;
};
constexpr std::array<LevelRow, 3> max_items_a = {{{0, 1}, {40, 2}, {500, 5}}};
constexpr std::array<LevelRow, 3> max_items_b = {{{0, 1}, {40, 3}, {500, 5}}};
constexpr std::array<LevelRow, 5> tick_ms_a = {
    {{0, 310}, {100, 285}, {200, 270}, {300, 255}, {600, 215}}};
constexpr std::array<LevelRow, 5> tick_ms_b = {
    {{0, 285}, {100, 250}, {300, 225}, {500, 210}, {700, 185}}};

template <std::size_t N>
std::int32_t level_lookup(const std::array<LevelRow, N>& table, std::int32_t n) {
    std::int32_t value = table[0].value;
    for (const LevelRow& row : table) {
        if (n >= row.from) value = row.value;
    }
    return value;
}

}  // namespace

std::function<int()> clock_seeded_coin() {
    return seeded_coin(
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

std::function<int()> seeded_coin(std::uint32_t seed) {
    // The generator's raw output, not a distribution: only the former is the same everywhere.
    auto engine = std::make_shared<std::mt19937>(seed);
    return [engine] { return static_cast<int>((*engine)() >> 31); };
}

Engine::Engine(EngineDeps deps)
    : Timer_Bonus(deps.timer_host, [this] { Timer_BonusTimer(); }),
      // The displays of the running clock change once a second and need no exact timing; the
      // play tick and the sequences keep theirs.
      Timer_Clock(
          deps.timer_host, [this] { Timer_ClockTimer(); }, TimerPrecision::ordinary),
      Timer_Date(
          deps.timer_host, [this] { Timer_DateTimer(); }, TimerPrecision::ordinary),
      Timer_Game(deps.timer_host, [this] { Timer_GameTimer(); }),
      Timer_Game_Over(deps.timer_host, [this] { Timer_Game_OverTimer(); }),
      Timer_Game_Reprise(deps.timer_host, [this] { Timer_Game_RepriseTimer(); }),
      Timer_Game_Start(deps.timer_host, [this] { Timer_Game_StartTimer(); }),
      Timer_Got(deps.timer_host, [this] { Timer_GotTimer(); }),
      Timer_Startup(
          deps.timer_host, [this] { Timer_StartupTimer(); }, TimerPrecision::ordinary),
      lcd_(deps.lcd),
      images_(deps.lcd.images()),
      sound_(deps.sound),
      settings_(deps.settings),
      wall_clock_(deps.wall_clock),
      random_bit_(deps.random_bit ? std::move(deps.random_bit) : clock_seeded_coin()) {}

void Engine::Snd_Play(Sample sample) {
    if (state.sound_enabled && state.game_sound) sound_.play(sample);
}

void Engine::Gam_Set_Level() {
    std::int32_t n = state.score;
    while (n > 999) n -= 1000;
    const bool game_a = state.game_mode == mode_game_a;
    if (!game_a && state.game_mode != mode_game_b) return;
    state.max_items = level_lookup(game_a ? max_items_a : max_items_b, n);
    Timer_Game.set_interval(level_lookup(game_a ? tick_ms_a : tick_ms_b, n));
}

void Engine::Gam_Stop_All_Timers() {
    Timer_Bonus.disable();
    Timer_Clock.disable();
    Timer_Date.disable();
    Timer_Game.disable();
    Timer_Game_Over.disable();
    Timer_Game_Reprise.disable();
    Timer_Game_Start.disable();
    Timer_Got.disable();
    Timer_Startup.disable();
}

void Engine::Timer_StartupTimer() {
    set_mode(mode_time_1);
    Timer_Startup.disable();
}

void Engine::read_hiscores() {
    state.hiscore_1 = settings_.read_integer(settings::hiscore_1, state.hiscore_1);
    state.hiscore_2 = settings_.read_integer(settings::hiscore_2, state.hiscore_2);
}

void Engine::reset_hiscores() {
    state.hiscore_1 = 0;
    settings_.write_integer(settings::hiscore_1, 0);
    state.hiscore_2 = 0;
    settings_.write_integer(settings::hiscore_2, 0);
}

void Engine::press(Button button) {
    switch (button) {
        case Button::game_a:
            Inp_game_a_down();
            break;
        case Button::game_b:
            Inp_game_b_down();
            break;
        case Button::time:
            Inp_time_down();
            break;
        case Button::light:
            Inp_light_down();
            break;
        case Button::left:
            Inp_left_down();
            break;
        case Button::right:
            Inp_right_down();
            break;
    }
}

void Engine::release(Button button) {
    switch (button) {
        case Button::game_a:
            Inp_game_a_up();
            break;
        case Button::game_b:
            Inp_game_b_up();
            break;
        case Button::time:
            Inp_time_up();
            break;
        case Button::light:
            Inp_light_up();
            break;
        case Button::left:
            Inp_left_up();
            break;
        case Button::right:
            Inp_right_up();
            break;
    }
}

}  // namespace zuzazizo
