// Whether a larger drawing was drawn anew at its resolution rather than enlarged from the small
// one: shrunk back to the small one's size it looks like it, while its edges stand apart from a
// smooth enlargement's.
#pragma once

#include <QImage>
#include <algorithm>
#include <cstdlib>

namespace skingen_test {

// How many pixels of two pictures of one size differ by more than a blur would make them.
inline int sharply_differing(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 32) ++count;
    return count;
}

// The mean grey difference between the small drawing and the larger one shrunk back.
inline long long shrunk_difference(const QImage& small, const QImage& larger) {
    const QImage shrunk =
        larger.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    long long total = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            total += std::abs(qGray(shrunk.pixel(x, y)) - qGray(small.pixel(x, y)));
    return total / (small.width() * small.height());
}

// The pixels in which the larger drawing differs sharply from the small one enlarged smoothly.
inline int sharper_than_enlarged(const QImage& small, const QImage& larger) {
    const QImage enlarged =
        small.scaled(larger.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return sharply_differing(larger, enlarged);
}

// The 2x2 blocks of a drawing with twice the pixels whose pixels differ sharply among
// themselves: none where it is the small drawing with every pixel doubled.
inline int uneven_blocks(const QImage& larger) {
    int count = 0;
    for (int y = 0; y + 1 < larger.height(); y += 2) {
        for (int x = 0; x + 1 < larger.width(); x += 2) {
            const int grey[] = {qGray(larger.pixel(x, y)), qGray(larger.pixel(x + 1, y)),
                                qGray(larger.pixel(x, y + 1)), qGray(larger.pixel(x + 1, y + 1))};
            if (*std::max_element(grey, grey + 4) - *std::min_element(grey, grey + 4) > 32) ++count;
        }
    }
    return count;
}

}  // namespace skingen_test
