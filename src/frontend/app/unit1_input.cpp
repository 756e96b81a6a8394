// Keys and mouse on the main window: turned into presses and releases of the handheld's buttons.
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <utility>

#include "frontend/app/unit1.h"
#include "frontend/common/key_codes_qt.h"

namespace zuzazizo {

namespace {

MouseButton mouse_button_of(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::left;
        case Qt::RightButton:
            return MouseButton::right;
        case Qt::MiddleButton:
            return MouseButton::middle;
        default:
            return MouseButton::other;
    }
}

Qt::CursorShape cursor_shape(Cursor cursor) {
    switch (cursor) {
        case Cursor::hand:
            return Qt::PointingHandCursor;
        case Cursor::help:
            return Qt::WhatsThisCursor;
        case Cursor::arrow:
            break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

void TForm1::keyPressEvent(QKeyEvent* event) {
    held_keys_.key_press(*event);
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
    held_keys_.key_release(*event);
}

void TForm1::focusOutEvent(QFocusEvent* event) {
    held_keys_.forget();
    QWidget::focusOutEvent(event);
}

void TForm1::key_down(const KeyStroke& stroke) {
    if (handle_zoom_key(stroke)) return;
    // Alt+F4 is the desktop's command to close a window; where no window manager takes it, it
    // closes this one, and is not F4.
    if (stroke.key == vk::f4 && stroke.modifiers == Qt::AltModifier) {
        if (!stroke.repeat) close();
        return;
    }
    // A shortcut is its key alone: Shift+Esc is no Exit. Repeats of a held one do not act again.
    if (!stroke.repeat && pressed_alone(stroke.modifiers) && handle_shortcut(stroke.key)) return;
    // Repeats go through: the firmware's latches make one press of them.
    if (stroke.key != 0) dispatch_.FormKeyDown(stroke.key);
}

void TForm1::key_up(const KeyStroke& stroke) {
    if (swallow_zoom_release(stroke)) return;
    if (stroke.key != 0) dispatch_.FormKeyUp(stroke.key);
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    held_keys_.settle();
    const QPoint pos = event->position().toPoint();
    const std::optional<ImageId> hit = hit_at(pos);
    dispatch_.mouse_down(hit, mouse_button_of(event->button()));
    if (hit && is_drag_surface(*hit)) im_backgroundMouseDown(*hit, *event);
    game_menu_button_pressed_ =
        event->button() == Qt::LeftButton && hit == ImageId::btn_game_menu_top;
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    held_keys_.settle();
    dispatch_.mouse_up(mouse_button_of(event->button()));
    if (event->button() != Qt::LeftButton) return;
    drag_surface_.reset();
    // A click on the menu button is a press and a release on it.
    const QPoint pos = event->position().toPoint();
    if (std::exchange(game_menu_button_pressed_, false) &&
        images_.hit_test(pos.x(), pos.y()) == ImageId::btn_game_menu_top) {
        btn_game_menu_topClick();
    }
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    if (drag_surface_ && (event->buttons() & Qt::LeftButton)) {
        im_backgroundMouseMove(*event);
        return;
    }
    update_cursor(event->position().toPoint());
}

void TForm1::update_cursor(const QPoint& pos) {
    const std::optional<ImageId> hit = hit_at(pos);
    setCursor(cursor_shape(hit ? images_[*hit].cursor : Cursor::arrow));
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const std::optional<ImageId> hit = hit_at(help->pos());
        const std::string hint = hit ? images_[*hit].hint : std::string{};
        if (hint.empty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), QString::fromStdString(hint), this);
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace zuzazizo
