// The firmware of the handheld: one state machine driven by its six buttons and nine timers.
//
// The window owns one Engine and forwards button presses to it; the engine changes the game
// state, draws only through the Lcd and sounds only through Snd_Play. It is free of any GUI
// toolkit so that whole games can be played on the virtual clock in tests and tools.
#pragma once

#include <cstdint>
#include <functional>

#include "core/engine/game_state.h"
#include "core/engine/timer.h"
#include "core/engine/wall_clock.h"
#include "core/lcd/lcd.h"
#include "core/settings/settings_store.h"
#include "core/sound/sound_output.h"

namespace zuzazizo {

// One of the first seven steps of the after-miss and game-over sequences, which differ only in
// the figure they animate.
struct EndStep {
    int top_frame;    // 0: no frame drawn, only the sound
    int interval_ms;  // 0: leave the interval as it is
};

// The six working buttons, in the order of the key binding slots.
enum class Button { game_a = 1, game_b, time, light, left, right };

// A fair coin from a Mersenne twister with the given seed: the same throws on every platform, so
// that two front ends can be made to play the same game.
std::function<int()> seeded_coin(std::uint32_t seed);
// The same, seeded from the clock: another game every run.
std::function<int()> clock_seeded_coin();

struct EngineDeps {
    TimerHost& timer_host;
    Lcd& lcd;
    SoundOutput& sound;
    SettingsStore& settings;
    const WallClock& wall_clock;
    // A fair coin: 0 or 1 with equal chance. Seeded from the clock when left empty.
    std::function<int()> random_bit;
};

class Engine {
  public:
    explicit Engine(EngineDeps deps);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    GameState state;

    Timer Timer_Bonus;
    Timer Timer_Clock;
    Timer Timer_Date;
    Timer Timer_Game;
    Timer Timer_Game_Over;
    Timer Timer_Game_Reprise;
    Timer Timer_Game_Start;
    Timer Timer_Got;
    Timer Timer_Startup;

    // Game control.
    void Gam_Set_Mode();
    void Gam_Set_Level();
    void Gam_Stop_All_Timers();
    void set_mode(std::int32_t mode) {
        state.game_mode = mode;
        Gam_Set_Mode();
    }
    void Snd_Play(Sample sample);
    // Reads the two high scores, as the window does once at creation.
    void read_hiscores();
    void reset_hiscores();

    // Button presses and releases.
    void press(Button button);
    void release(Button button);
    void Inp_game_a_down();
    void Inp_game_a_up();
    void Inp_game_b_down();
    void Inp_game_b_up();
    void Inp_time_down();
    void Inp_time_up();
    void Inp_light_down();
    void Inp_light_up();
    void Inp_left_down();
    void Inp_left_up();
    void Inp_right_down();
    void Inp_right_up();

    // Timer events.
    void Timer_BonusTimer();
    void Timer_ClockTimer();
    void Timer_DateTimer();
    void Timer_GameTimer();
    void Timer_Game_OverTimer();
    void Timer_Game_RepriseTimer();
    void Timer_Game_StartTimer();
    void Timer_GotTimer();
    void Timer_StartupTimer();

    Lcd& lcd() { return lcd_; }

    // Called at the end of every play tick. Tools and benchmarks watch a game through it; the
    // program leaves it empty.
    std::function<void()> on_play_tick;

  private:
    void game_down(bool& latch, ImageId pressed, std::int32_t ready_mode);
    void game_up(bool& latch, ImageId pressed, std::int32_t ready_mode);
    void show_ready_screen(ImageId indicator, std::int32_t hiscore);
    void start_game();
    void clear_field();
    void enter_clock_mode(ImageId indicator);
    void show_hero_at(std::int32_t position);
    void show_ready_pitcher();
    void ready_pitcher_for_play();

    // Steps of the play tick.
    void fly_off_struck_ball(int lane);
    int scan_for_miss();
    void strike();
    int advance_lane(int lane);
    void begin_miss(int missed);
    void redraw_field();
    int items_in_flight() const;

    // Steps of the end sequences.
    void animate_end_step(const std::array<EndStep, 8>& steps, Timer& timer);
    void resume_after_miss();
    void finish_bonus();
    void save_hiscore();
    void walk_or_celebrate();

    Lcd& lcd_;
    ImageModel& images_;
    SoundOutput& sound_;
    SettingsStore& settings_;
    const WallClock& wall_clock_;
    std::function<int()> random_bit_;
};

}  // namespace zuzazizo
