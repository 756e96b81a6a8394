// The pictures of one drawing size laid side by side in one picture, and where each one is.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

namespace picture_atlas {

struct Picture {
    QString path;  // as the page asks for it: from the site folder, the 1x name
    QImage image;
};

struct Placed {
    QString path;
    QRect place;
};

struct Atlas {
    QImage image;
    std::vector<Placed> placed;
};

// The picture's pixels as its file holds them (straight alpha, 8 bits a channel), or a null
// image when the file cannot be read so: such a file stays out of the atlas.
QImage read_exactly(const QString& file);

// Rows of pictures, tallest first, in a picture about as wide as it is high; every pixel of
// every picture is copied unchanged, and the space between them is transparent.
Atlas pack(std::vector<Picture> pictures);

}  // namespace picture_atlas
