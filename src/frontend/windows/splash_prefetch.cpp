#include "windows/splash_prefetch.h"

#include <QFontMetrics>
#include <atomic>
#include <iterator>

#include "dialog_pictures.h"
#include "windows/dialog_style.h"
#include "windows/splash_texts.h"

namespace zuzazizo {

namespace {

std::atomic<SplashPrefetch*> active_prefetch{nullptr};

QImage decoded(const char* resource) {
    return QImage(QString::fromLatin1(resource));
}

// Fills the font database, which every text of the program shares, and finds the texts' face.
void set_up_fonts() {
    QFontMetrics(arial_font(12, false)).height();
}

}  // namespace

SplashImages decode_splash_images() {
    auto box = std::async(std::launch::async, decoded, dialog_pictures::splash_box);
    auto play = std::async(std::launch::async, decoded, dialog_pictures::play);
    SplashImages images;
    images.background = decoded(dialog_pictures::splash_background);
    images.play_disabled = decoded(dialog_pictures::play_disabled);
    images.donate = decoded(dialog_pictures::donate);
    images.box = box.get();
    images.play = play.get();
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
        SplashImages images;
        images.background = decoded(dialog_pictures::splash_background);
        images.box = decoded(dialog_pictures::splash_box);
        images.play = decoded(dialog_pictures::play);
        images.play_disabled = decoded(dialog_pictures::play_disabled);
        images.donate = decoded(dialog_pictures::donate);
        promised_.set_value(std::move(images));
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
