// Which of Qt's window-system platforms the program runs on.
#pragma once

#include <optional>
#include <string_view>

namespace zuzazizo {

// The platform to ask Qt for, from the environment's values (empty when unset), or nothing to
// leave the choice to Qt.
//
// The handheld is a shaped window that places itself: centred at start and at each mode switch,
// moved by a drag on its case, and see-through outside the case by its colour key. A Wayland
// client can do none of these (the compositor alone places windows, and a window mask shapes
// only the input there), so in a Wayland session that also offers X (XWayland: DISPLAY is set)
// the program takes the X11 platform. A platform the user chose (QT_QPA_PLATFORM) always wins,
// and without XWayland Qt's own choice stands.
std::optional<std::string_view> preferred_platform(std::string_view qt_qpa_platform,
                                                   std::string_view display,
                                                   std::string_view wayland_display);

// Applies preferred_platform to this process's environment; call it before the QApplication.
void choose_platform();

}  // namespace zuzazizo
