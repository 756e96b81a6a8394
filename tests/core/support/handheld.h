// A whole handheld on the virtual clock, for tests: every seam replaced by something a test can
// read back (the sound recorder, the settings map, a fixed wall clock, a scripted coin).
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "core/engine/engine.h"
#include "core/engine/virtual_clock.h"
#include "core/lcd/image_model.h"
#include "core/lcd/lcd.h"
#include "core/settings/settings_store.h"

namespace zuzazizo::testing {

struct PlayedSample {
    std::int64_t at_ms;
    Sample sample;
};

class SoundRecorder final : public SoundOutput {
  public:
    explicit SoundRecorder(const VirtualClock& clock) : clock_(clock) {}
    void play(Sample sample) override { played.push_back({clock_.now_ms(), sample}); }
    int count(Sample sample) const;

    std::vector<PlayedSample> played;

  private:
    const VirtualClock& clock_;
};

// A coin that returns scripted results first and then a fixed value.
struct ScriptedCoin {
    std::deque<int> script;
    int otherwise = 1;
    int operator()() {
        if (script.empty()) return otherwise;
        const int bit = script.front();
        script.pop_front();
        return bit;
    }
};

class Handheld {
  public:
    Handheld();

    // The digit places 1..4 as text: a digit, or '_' for an empty place; place 5 in brackets
    // when it holds a small digit, so "12:05" style checks read "1205".
    std::string panel() const;
    // Place 5 alone: a small digit, or '_' when empty.
    char small_place() const;
    bool lit(ImageId id) const { return images[id].visible; }
    void tap(Button button) {
        engine.press(button);
        engine.release(button);
    }
    // Plays from the ready screen into a running game (GAME A or B released, start delay over).
    void start_game(Button game);

    VirtualClock clock;
    ImageModel images;
    Lcd lcd{images};
    SoundRecorder sound{clock};
    MemorySettingsBackend backend;
    SettingsStore settings{backend};
    FixedWallClock wall_clock;
    std::shared_ptr<ScriptedCoin> coin = std::make_shared<ScriptedCoin>();
    Engine engine;

  private:
    std::vector<PicturePtr> digit_pictures_;
};

}  // namespace zuzazizo::testing
