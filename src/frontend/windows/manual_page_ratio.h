// The manual's pages on screens with more than one pixel to a point. Beside each page's file lies
// its drawing with twice the pixels (manual_larger_page), shown at device pixel ratio 2 so that
// the page keeps its size in the window. A drawing that is missing, unreadable or not exactly
// twice the page's size is passed over without a word, and the page itself is shown.
#pragma once

#include <QImage>
#include <QPixmap>
#include <string>

namespace zuzazizo {

// `page` was decoded from `page_path` (empty for a picture of no file, such as the
// missing-image marker); `ratio` is the device pixel ratio of the viewer's screen.
QPixmap manual_page_for_ratio(const QImage& page, const std::string& page_path, qreal ratio);

}  // namespace zuzazizo
