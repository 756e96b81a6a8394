#include "frontend/windows/splash_prefetch.h"

#include <QFontMetrics>
#include <array>
#include <atomic>
#include <iterator>

#include "frontend/common/dialog_pictures.h"
#include "frontend/windows/dialog_style.h"
#include "frontend/windows/splash_texts.h"

namespace zuzazizo {

namespace {

std::atomic<SplashPrefetch*> active_prefetch{nullptr};

struct SplashPicture {
    QImage SplashImages::*image;
    const char* resource;
};

const std::array<SplashPicture, 5> splash_pictures = {{
    {&SplashImages::background, dialog_pictures::splash_background},
    {&SplashImages::box, dialog_pictures::splash_box},
    {&SplashImages::play, dialog_pictures::play},
    {&SplashImages::play_disabled, dialog_pictures::play_disabled},
    {&SplashImages::donate, dialog_pictures::donate},
}};

// Fills the font database, which every text of the program shares, and finds the texts' face.
void set_up_fonts() {
    QFontMetrics(arial_font(12, false)).height();
}

}  // namespace

SplashImages decode_splash_images() {
    SplashImages images;
    for (const SplashPicture& picture : splash_pictures) {
        images.*picture.image = QImage(QString::fromLatin1(picture.resource));
    }
    return images;
}

bool splash_shows_at_start(int sound_mode, bool splash_screen) {
    const bool output_chosen =
        sound_mode >= 0 && sound_mode < static_cast<int>(std::size(splash::driver_items));
    return !output_chosen || splash_screen;
}

SplashPrefetch::SplashPrefetch() : images_(promised_.get_future()) {
    active_prefetch = this;
    worker_ = std::thread([this] {
        promised_.set_value(decode_splash_images());
        set_up_fonts();
    });
}

SplashPrefetch::~SplashPrefetch() {
    worker_.join();
    active_prefetch = nullptr;
}

SplashPrefetch* SplashPrefetch::active() {
    return active_prefetch.load();
}

std::optional<SplashImages> SplashPrefetch::take() {
    if (!images_.valid()) return std::nullopt;
    return images_.get();
}

}  // namespace zuzazizo
