// Qt key events to the virtual-key codes the firmware's bindings speak.
//
// The code is that of the physical key, not of the character it typed: Shift+5 arrives from X11
// as '%' but is the key 5, and on a French keyboard the same key types '(' and is still 5. So the
// key's scan code is looked up in the keyboard's keymap (key_codes_qt_xkb.h has the rule); Qt's
// key is used only for events without a scan code, such as those tests make.
#pragma once

#include <QKeyEvent>
#include <cstdint>

#include "core/input/virtual_keys.h"

namespace zuzazizo {

// 0 when the key has no code the bindings could use.
std::uint16_t virtual_key_of(const QKeyEvent& event);
std::uint16_t virtual_key_of_qt_key(int qt_key);

}  // namespace zuzazizo
