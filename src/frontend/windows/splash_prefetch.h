// The splash screen's pictures and fonts, made ready on another core while the windows are built.
//
// A start that shows the splash screen first waits for its pictures when the form is first shown
// and for the font database when its texts are first painted. Started before the main window is
// made, the decoding and the font set-up overlap with the main window's layout and with the
// moments the GUI thread waits on the display server.
#pragma once

#include <QImage>
#include <future>
#include <optional>
#include <thread>

namespace zuzazizo {

struct SplashImages {
    QImage background;
    QImage box;
    QImage play;
    QImage play_disabled;
    QImage donate;
};

// Decodes the drawings for screens of this pixel ratio on the calling thread; a picture that
// fails to load stays null.
SplashImages decode_splash_images(qreal ratio);

// The pixel ratio of the sharpest screen; ask it on the GUI thread.
qreal screens_pixel_ratio();

class SplashPrefetch {
  public:
    // Hand it to the splash screen, which takes the pictures at its first showing. Create and
    // destroy it on the GUI thread, after the application object and before the splash screen.
    SplashPrefetch();
    ~SplashPrefetch();
    SplashPrefetch(const SplashPrefetch&) = delete;
    SplashPrefetch& operator=(const SplashPrefetch&) = delete;

    // The pictures, waiting for them if need be; only once, then empty.
    std::optional<SplashImages> take();

  private:
    std::promise<SplashImages> promised_;
    std::future<SplashImages> images_;
    std::thread worker_;
};

}  // namespace zuzazizo
