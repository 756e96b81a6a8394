#include "frontend/app/window_pointer.h"

#include "frontend/app/pointer_qt.h"

namespace zuzazizo {

WindowPointer::WindowPointer(Parts parts, std::function<bool()> fullscreen,
                             std::function<void()> game_menu_click)
    : parts_(parts),
      fullscreen_(std::move(fullscreen)),
      game_menu_click_(std::move(game_menu_click)) {}

void WindowPointer::press(const QMouseEvent& event) {
    parts_.keys.settle();
    const std::optional<ImageId> hit = parts_.zoom.hit_at(event.position().toPoint());
    parts_.dispatch.mouse_down(hit, mouse_button_of(event.button()));
    if (hit) parts_.drag.im_backgroundMouseDown(*hit, event, fullscreen_());
    parts_.game_menu.button_press(hit, event.button() == Qt::LeftButton);
}

void WindowPointer::release(const QMouseEvent& event) {
    parts_.keys.settle();
    parts_.dispatch.mouse_up(mouse_button_of(event.button()));
    if (event.button() != Qt::LeftButton) return;
    parts_.drag.end();
    const QPoint pos = event.position().toPoint();
    if (parts_.game_menu.button_release(parts_.images.hit_test(pos.x(), pos.y()))) {
        game_menu_click_();
    }
}

void WindowPointer::move(const QMouseEvent& event) {
    if (parts_.drag.im_backgroundMouseMove(event, fullscreen_())) return;
    const std::optional<ImageId> hit = parts_.zoom.hit_at(event.position().toPoint());
    parts_.window.setCursor(cursor_shape(hit ? parts_.images[*hit].cursor : Cursor::arrow));
}

void WindowPointer::hint(const QHelpEvent& event) {
    const std::optional<ImageId> hit = parts_.zoom.hit_at(event.pos());
    show_hint(event, hit ? parts_.images[*hit].hint : std::string{}, &parts_.window);
}

}  // namespace zuzazizo
