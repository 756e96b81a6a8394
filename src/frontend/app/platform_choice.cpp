#include "frontend/app/platform_choice.h"

#include <QByteArray>
#include <QtGlobal>

namespace zuzazizo {

std::optional<std::string_view> preferred_platform(std::string_view qt_qpa_platform,
                                                   std::string_view display,
                                                   std::string_view wayland_display) {
    if (!qt_qpa_platform.empty()) return std::nullopt;
    if (display.empty() || wayland_display.empty()) return std::nullopt;
    return "xcb";
}

void choose_platform() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland_display = qgetenv("WAYLAND_DISPLAY");
    const auto chosen = preferred_platform(platform.toStdString(), display.toStdString(),
                                           wayland_display.toStdString());
    if (chosen) qputenv("QT_QPA_PLATFORM", QByteArray(chosen->data(), qsizetype(chosen->size())));
}

}  // namespace zuzazizo
