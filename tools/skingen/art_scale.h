// The scale the skin's art is drawn at: 1 for the pictures Config.ini names, 2 to 4 for their
// larger drawings (`name@2x.png` ...).
//
// Every picture is painted on a canvas of its size times the scale whose device pixel ratio is the
// scale, so the painter works in game-area pixels at every scale and the vector art is drawn
// anew at the finer resolution rather than enlarged.
#pragma once

#include <QImage>
#include <QSize>

namespace skingen {

int art_scale();

// Sets the scale while it lives.
class ArtScale {
  public:
    explicit ArtScale(int scale);
    ~ArtScale();
    ArtScale(const ArtScale&) = delete;
    ArtScale& operator=(const ArtScale&) = delete;

  private:
    int previous_;
};

// A transparent canvas of the size (game-area pixels) at the current scale.
QImage art_canvas(QSize size_px, QImage::Format format);

}  // namespace skingen
