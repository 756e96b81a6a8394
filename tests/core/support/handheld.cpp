#include "support/handheld.h"

#include <algorithm>

namespace zuzazizo::testing {

int SoundRecorder::count(Sample sample) const {
    return static_cast<int>(
        std::count_if(played.begin(), played.end(),
                      [sample](const PlayedSample& p) { return p.sample == sample; }));
}

Handheld::Handheld()
    : engine(EngineDeps{clock, lcd, sound, settings, wall_clock, [c = coin] { return (*c)(); }}) {
    // Distinct pictures for the twenty digit sources, so a digit place can be read back.
    for (int d = 0; d <= 9; ++d) {
        auto large = std::make_shared<Picture>(20, 30);
        auto small = std::make_shared<Picture>(10, 15);
        images.set_picture(lcd.seg_number[d], large);
        images.set_picture(lcd.seg_number_small[d], small);
        digit_pictures_.push_back(large);
        digit_pictures_.push_back(small);
    }
}

std::string Handheld::panel() const {
    std::string text;
    for (int place = 1; place <= 4; ++place) {
        const PicturePtr& picture = images[lcd.seg_digit_pos[place]].picture;
        char c = picture ? '?' : '_';
        for (int d = 0; d <= 9; ++d) {
            if (picture && picture == images[lcd.seg_number[d]].picture)
                c = static_cast<char>('0' + d);
        }
        text += c;
    }
    return text;
}

char Handheld::small_place() const {
    const PicturePtr& picture = images[lcd.seg_digit_pos[5]].picture;
    if (!picture) return '_';
    for (int d = 0; d <= 9; ++d) {
        if (picture == images[lcd.seg_number_small[d]].picture) return static_cast<char>('0' + d);
    }
    return '?';
}

void Handheld::start_game(Button game) {
    engine.set_mode(mode_time_1);
    engine.press(game);
    engine.release(game);
    clock.advance(3100);
}

}  // namespace zuzazizo::testing
