// Held keys as the firmware expects them: many downs while a key is held, and one up.
//
// X11 reports a held key as release/press pairs. Qt flags a pair as auto-repeat only when the
// press is already queued as it handles the release, so under load some pairs arrive unflagged
// and would look like the key being let go and pressed again. A release that Qt did not flag is
// therefore held back for a moment: the press of an auto-repeat pair carries the very timestamp
// of its release, and when such a press follows, both are one held key. Any other event of the
// filter delivers the held-back release first, so the order of keys is kept.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

class QKeyEvent;

namespace zuzazizo {

// Long enough for the press of a pair to reach the queue after its release, short enough that
// a real release is not felt late.
inline constexpr int repeat_pair_window_ms = 25;

class HeldKeys final : public QObject {
    Q_OBJECT

  public:
    // Called with the virtual-key code (key_codes_qt.h) of keys that have one.
    using KeyHandler = std::function<void(std::uint16_t key)>;

    HeldKeys(KeyHandler down, KeyHandler up, QObject* parent = nullptr);

    void key_press(const QKeyEvent& event);
    void key_release(const QKeyEvent& event);
    // Delivers a release that is being held back, at once.
    void flush();

  private:
    struct HeldRelease {
        std::uint16_t key;
        quint64 timestamp;
    };

    KeyHandler down_;
    KeyHandler up_;
    std::optional<HeldRelease> held_;
    QTimer timer_;
};

}  // namespace zuzazizo
