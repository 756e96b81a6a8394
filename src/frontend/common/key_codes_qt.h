// Qt key events to the virtual-key codes the firmware's bindings speak.
//
// The code is that of the physical key, not of the character it typed: Shift+5 arrives from X11
// as '%' but is the key 5. So on X11 the scan code is looked up, unshifted, in the server's
// keymap; elsewhere (and for synthetic events without a scan code) Qt's key is used.
#pragma once

#include <QKeyEvent>
#include <cstdint>

#include "core/input/virtual_keys.h"

namespace zuzazizo {

// 0 when the key has no code the bindings could use.
std::uint16_t virtual_key_of(const QKeyEvent& event);
std::uint16_t virtual_key_of_qt_key(int qt_key);

}  // namespace zuzazizo
