#include "frontend/common/key_codes_qt.h"

#include <QGuiApplication>
#include <memory>
#include <optional>

#include "frontend/common/key_codes_qt_xkb.h"

namespace zuzazizo {

namespace {

// The keymap the server types with. It is read again when a key gives a keysym that the copy
// does not know: the user switched layouts (setxkbmap) while the program runs.
class ServerKeymap {
  public:
    std::optional<std::uint16_t> virtual_key(std::uint32_t keycode, std::uint32_t keysym,
                                             std::uint32_t state) {
        if (!map_) reload();
        if (!map_) return std::nullopt;
        if (const auto code = map_->virtual_key(keycode, keysym, state)) return code;
        if (!connection() || !reload()) return map_->virtual_key_by_place(keycode, keysym);
        if (const auto code = map_->virtual_key(keycode, keysym, state)) return code;
        return map_->virtual_key_by_place(keycode, keysym);
    }

  private:
    static xcb_connection_t* connection() {
        auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        return x11 ? x11->connection() : nullptr;
    }
    // Without an X server (another platform, tests) the default layout gives the keys' places.
    bool reload() {
        std::unique_ptr<KeyboardMap> fresh = KeyboardMap::from_x_server(connection());
        if (!fresh && !map_) fresh = KeyboardMap::from_names(nullptr);
        if (!fresh) return false;
        map_ = std::move(fresh);
        return true;
    }

    std::unique_ptr<KeyboardMap> map_;
};

}  // namespace

std::uint16_t virtual_key_of_qt_key(int qt_key) {
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9)
        return static_cast<std::uint16_t>(vk::digit_0 + qt_key - Qt::Key_0);
    if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z)
        return static_cast<std::uint16_t>(vk::letter_a + qt_key - Qt::Key_A);
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F12)
        return static_cast<std::uint16_t>(vk::f1 + qt_key - Qt::Key_F1);
    switch (qt_key) {
        case Qt::Key_Shift:
            return vk::shift;
        case Qt::Key_Control:
            return vk::control;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            return vk::alt;
        case Qt::Key_Space:
            return vk::space;
        case Qt::Key_Left:
            return vk::left;
        case Qt::Key_Up:
            return vk::up;
        case Qt::Key_Right:
            return vk::right;
        case Qt::Key_Down:
            return vk::down;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vk::enter;
        case Qt::Key_Escape:
            return vk::escape;
        default:
            return 0;
    }
}

std::uint16_t virtual_key_of(const QKeyEvent& event) {
    static ServerKeymap keymap;
    if (event.nativeScanCode() == 0) return virtual_key_of_qt_key(event.key());
    const std::optional<std::uint16_t> code = keymap.virtual_key(
        event.nativeScanCode(), event.nativeVirtualKey(), event.nativeModifiers());
    return code ? *code : virtual_key_of_qt_key(event.key());
}

}  // namespace zuzazizo
