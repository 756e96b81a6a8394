// Qt's key events through the held-key rule (core/input/held_keys.h), for the windows that act
// on key releases.
//
// On X11 the program asks the server not to split a held key into release/press pairs at all
// (XKB's detectable auto-repeat), so a release is real and counts at once. Where the server
// refuses, and on platforms we know nothing of, a release that Qt did not flag is held back for
// `repeat_pair_window_ms` to see whether the press of a pair follows.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "core/engine/timer_host.h"
#include "core/input/held_keys.h"

class QKeyEvent;

namespace zuzazizo {

// Long enough for the press of a pair to reach the queue after its release, short enough that
// a real release is not felt late.
inline constexpr int repeat_pair_window_ms = 25;

// One key down or up, as the windows' handlers see it.
struct KeyStroke {
    KeyId id = 0;           // the physical key
    std::uint16_t key = 0;  // its virtual-key code (key_codes_qt.h), 0 when it has none
    int qt_key = 0;         // Qt's key, for keys that are their character (Ctrl+Plus)
    Qt::KeyboardModifiers modifiers;
    bool repeat = false;  // a down of a key that was already down
};

// True when no modifier is held with a key: Shift, Ctrl, Alt, Meta or AltGr.
bool pressed_alone(Qt::KeyboardModifiers modifiers);

// The wait for the press of an auto-repeat pair on this platform: 0 where none are sent.
int platform_pair_window_ms();

class QtHeldKeys final : public QObject {
    Q_OBJECT

  public:
    using Handler = std::function<void(const KeyStroke& stroke)>;

    // `pair_window_ms`: platform_pair_window_ms() in the program; tests choose.
    QtHeldKeys(Handler down, Handler up, int pair_window_ms, QObject* parent = nullptr);
    ~QtHeldKeys() override;

    void key_press(const QKeyEvent& event);
    void key_release(const QKeyEvent& event);
    // A mouse press or release came: a release held back before it was real.
    void settle() { rule_->settle(); }
    // The window lost the keyboard.
    void forget() { rule_->forget(); }
    int pair_window_ms() const { return rule_->pair_window_ms(); }

  private:
    Handler down_;
    Handler up_;
    std::unique_ptr<TimerHost> host_;
    std::unique_ptr<HeldKeys> rule_;
    // The stroke each key went down with: its release is of the same key, whatever the layout
    // or the modifiers are by then.
    std::map<KeyId, KeyStroke> strokes_;
    KeyStroke pending_;
};

}  // namespace zuzazizo
