#include "frontend/windows/splash_prefetch.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <array>

#include "frontend/common/dialog_pictures.h"
#include "frontend/windows/dialog_style.h"

namespace zuzazizo {

namespace {

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

SplashImages decode_splash_images(qreal ratio) {
    SplashImages images;
    for (const SplashPicture& picture : splash_pictures) {
        images.*picture.image = QImage(dialog_pictures::for_ratio(picture.resource, ratio));
    }
    return images;
}

qreal screens_pixel_ratio() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

SplashPrefetch::SplashPrefetch() : images_(promised_.get_future()) {
    worker_ = std::thread([this, ratio = screens_pixel_ratio()] {
        promised_.set_value(decode_splash_images(ratio));
        set_up_fonts();
    });
}

SplashPrefetch::~SplashPrefetch() {
    worker_.join();
}

std::optional<SplashImages> SplashPrefetch::take() {
    if (!images_.valid()) return std::nullopt;
    return images_.get();
}

}  // namespace zuzazizo
