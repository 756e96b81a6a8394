#include "frontend/common/held_keys_qt.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>
#include <cstdlib>
#include <vector>

#include "frontend/common/key_codes_qt.h"

// The XKB protocol header names a member `explicit`.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

namespace zuzazizo {

namespace {

// The rule's one timer on Qt's event loop. A release waits a few milliseconds, so a precise Qt
// timer is close enough; the firmware's own host spins for sub-millisecond ticks we need not.
class QtKeyTimerHost final : public TimerHost {
  public:
    Handle create(Callback callback, TimerPrecision) override {
        auto timer = std::make_unique<QTimer>();
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, std::move(callback));
        timers_.push_back(std::move(timer));
        return static_cast<Handle>(timers_.size() - 1);
    }
    void start(Handle handle, int interval_ms) override {
        timers_.at(static_cast<std::size_t>(handle))->start(interval_ms);
    }
    void stop(Handle handle) override { timers_.at(static_cast<std::size_t>(handle))->stop(); }

  private:
    std::vector<std::unique_ptr<QTimer>> timers_;
};

// Asks the X server to send a held key as repeated presses only, with no releases between them.
bool x11_detectable_auto_repeat() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return false;
    constexpr std::uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const xcb_xkb_per_client_flags_cookie_t cookie =
        xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0);
    xcb_xkb_per_client_flags_reply_t* reply =
        xcb_xkb_per_client_flags_reply(connection, cookie, nullptr);
    const bool granted = reply && (reply->supported & flag) && (reply->value & flag);
    std::free(reply);
    return granted;
}

KeyId key_id_of(const QKeyEvent& event) {
    // Events made by tests carry no scan code; their Qt key names the key instead.
    constexpr KeyId qt_key_ids = 0x8000'0000u;
    if (event.nativeScanCode() != 0) return event.nativeScanCode();
    return qt_key_ids | static_cast<KeyId>(event.key());
}

KeyStroke stroke_of(const QKeyEvent& event) {
    return KeyStroke{key_id_of(event), virtual_key_of(event), event.key(), event.modifiers(),
                     false};
}

}  // namespace

bool pressed_alone(Qt::KeyboardModifiers modifiers) {
    constexpr Qt::KeyboardModifiers held = Qt::ShiftModifier | Qt::ControlModifier |
                                           Qt::AltModifier | Qt::MetaModifier |
                                           Qt::GroupSwitchModifier;
    return !(modifiers & held);
}

int platform_pair_window_ms() {
    static const int window_ms = [] {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("xcb"))
            return x11_detectable_auto_repeat() ? 0 : repeat_pair_window_ms;
        // These repeat a held key as presses, or flag both halves of a pair themselves.
        if (platform.startsWith(QLatin1String("wayland")) || platform == QLatin1String("windows") ||
            platform == QLatin1String("cocoa")) {
            return 0;
        }
        return repeat_pair_window_ms;
    }();
    return window_ms;
}

QtHeldKeys::QtHeldKeys(Handler down, Handler up, int pair_window_ms, QObject* parent)
    : QObject(parent),
      down_(std::move(down)),
      up_(std::move(up)),
      host_(std::make_unique<QtKeyTimerHost>()) {
    rule_ = std::make_unique<HeldKeys>(
        *host_,
        [this](KeyId id, bool repeat) {
            KeyStroke stroke = pending_;
            const auto it = strokes_.find(id);
            // A repeat stays the key it began as, even if the layout changed meanwhile.
            if (repeat && it != strokes_.end()) stroke.key = it->second.key;
            stroke.repeat = repeat;
            strokes_[id] = stroke;
            if (down_) down_(stroke);
        },
        [this](KeyId id) {
            const auto it = strokes_.find(id);
            if (it == strokes_.end()) return;
            KeyStroke stroke = it->second;
            strokes_.erase(it);
            stroke.repeat = false;
            if (up_) up_(stroke);
        },
        pair_window_ms);
}

QtHeldKeys::~QtHeldKeys() = default;

void QtHeldKeys::key_press(const QKeyEvent& event) {
    pending_ = stroke_of(event);
    rule_->press(pending_.id, static_cast<std::uint32_t>(event.timestamp()), event.isAutoRepeat());
}

void QtHeldKeys::key_release(const QKeyEvent& event) {
    if (event.isAutoRepeat()) return;
    const KeyStroke stroke = stroke_of(event);
    // A key that went down before this window had the keyboard: its release is its own.
    strokes_.try_emplace(stroke.id, stroke);
    rule_->release(stroke.id, static_cast<std::uint32_t>(event.timestamp()), false);
}

}  // namespace zuzazizo
