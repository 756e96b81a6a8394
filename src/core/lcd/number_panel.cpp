// The five-place number panel and the miss marks.
#include "core/lcd/lcd.h"

namespace zuzazizo {

void Lcd::set_digit(int place, int digit) {
    PicturePtr picture;
    if (digit >= 0 && digit <= 9) picture = images_[seg_number[digit]].picture;
    images_.set_picture(seg_digit_pos[place], std::move(picture));
}

void Lcd::set_small_digit(int place, int digit) {
    PicturePtr picture;
    if (digit >= 0 && digit <= 9) picture = images_[seg_number_small[digit]].picture;
    images_.set_picture(seg_digit_pos[place], std::move(picture));
}

void Lcd::Vid_Show_Panel_Score(std::int32_t value, bool show) {
    // A hand-edited high score may be negative; the digit rule has no meaning for it, so it
    // shows as 0.
    std::int32_t n = value < 0 ? 0 : value % 10000;
    if (!show) {
        for (int place = 1; place <= 5; ++place) set_digit(place, -1);
        return;
    }
    set_digit(1, n >= 1000 ? (n / 1000) % 10 : -1);
    set_digit(2, n >= 100 ? (n / 100) % 10 : -1);
    set_digit(3, n >= 10 ? (n / 10) % 10 : -1);
    set_digit(4, n % 10);
    set_digit(5, -1);
}

void Lcd::Vid_Show_Panel_Miss(std::int32_t count) {
    for (int i = 1; i <= 3; ++i) images_.set_visible(seg_panel_miss[i], i <= count);
}

}  // namespace zuzazizo
