#include "frontend/windows/manual_page_ratio.h"

#include "core/skin/picture_scales.h"
#include "frontend/skin/picture_scales_qt.h"

namespace zuzazizo {

QPixmap manual_page_for_ratio(const QImage& page, const std::string& page_path, qreal ratio) {
    if (ratio > 1.0 && !page_path.empty()) {
        const QImage larger =
            read_larger_drawing(manual_larger_page(page_path), Transparency::opaque,
                                page.size() * manual_larger_factor);
        if (!larger.isNull()) {
            QPixmap pixmap = QPixmap::fromImage(larger);
            pixmap.setDevicePixelRatio(manual_larger_factor);
            return pixmap;
        }
    }
    return QPixmap::fromImage(page);
}

}  // namespace zuzazizo
