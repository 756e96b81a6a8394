#include "frontend/common/key_codes_qt.h"

#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <QGuiApplication>
#include <memory>

namespace zuzazizo {

namespace {

std::uint16_t virtual_key_of_keysym(xkb_keysym_t sym) {
    if (sym >= XKB_KEY_0 && sym <= XKB_KEY_9)
        return static_cast<std::uint16_t>(vk::digit_0 + sym - XKB_KEY_0);
    if (sym >= XKB_KEY_a && sym <= XKB_KEY_z)
        return static_cast<std::uint16_t>(vk::letter_a + sym - XKB_KEY_a);
    if (sym >= XKB_KEY_A && sym <= XKB_KEY_Z)
        return static_cast<std::uint16_t>(vk::letter_a + sym - XKB_KEY_A);
    if (sym >= XKB_KEY_F1 && sym <= XKB_KEY_F12)
        return static_cast<std::uint16_t>(vk::f1 + sym - XKB_KEY_F1);
    switch (sym) {
        case XKB_KEY_Shift_L:
        case XKB_KEY_Shift_R:
            return vk::shift;
        case XKB_KEY_Control_L:
        case XKB_KEY_Control_R:
            return vk::control;
        case XKB_KEY_Alt_L:
        case XKB_KEY_Alt_R:
        case XKB_KEY_ISO_Level3_Shift:
            return vk::alt;
        case XKB_KEY_space:
            return vk::space;
        case XKB_KEY_Left:
            return vk::left;
        case XKB_KEY_Up:
            return vk::up;
        case XKB_KEY_Right:
            return vk::right;
        case XKB_KEY_Down:
            return vk::down;
        case XKB_KEY_Return:
        case XKB_KEY_KP_Enter:
            return vk::enter;
        case XKB_KEY_Escape:
            return vk::escape;
        default:
            return 0;
    }
}

// The keymap that scan codes are looked up in: the X server's own when we run on X11, else the
// default layout, so that synthetic events with evdev scan codes resolve alike everywhere.
class Keymap {
  public:
    Keymap() : context_(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {
        if (!context_) return;
        keymap_ = from_x_server();
        if (!keymap_)
            keymap_ = xkb_keymap_new_from_names(context_, nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS);
    }
    ~Keymap() {
        if (keymap_) xkb_keymap_unref(keymap_);
        if (context_) xkb_context_unref(context_);
    }
    Keymap(const Keymap&) = delete;
    Keymap& operator=(const Keymap&) = delete;

    // The keysym of the key's first level: what it types without Shift.
    xkb_keysym_t unshifted(std::uint32_t keycode) const {
        if (!keymap_) return XKB_KEY_NoSymbol;
        const xkb_keysym_t* syms = nullptr;
        const int n = xkb_keymap_key_get_syms_by_level(keymap_, keycode, 0, 0, &syms);
        return n > 0 ? syms[0] : XKB_KEY_NoSymbol;
    }

  private:
    xkb_keymap* from_x_server() const {
        auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
        if (!connection) return nullptr;
        if (!xkb_x11_setup_xkb_extension(
                connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr)) {
            return nullptr;
        }
        const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
        if (device < 0) return nullptr;
        return xkb_x11_keymap_new_from_device(context_, connection, device,
                                              XKB_KEYMAP_COMPILE_NO_FLAGS);
    }

    xkb_context* context_ = nullptr;
    xkb_keymap* keymap_ = nullptr;
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
    static const Keymap keymap;
    if (event.nativeScanCode() != 0) {
        const xkb_keysym_t sym = keymap.unshifted(event.nativeScanCode());
        if (sym != XKB_KEY_NoSymbol) return virtual_key_of_keysym(sym);
    }
    return virtual_key_of_qt_key(event.key());
}

}  // namespace zuzazizo
