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
    if (handle_zoom_key(*event)) return;
    const std::uint16_t key = virtual_key_of(*event);
    if (!event->isAutoRepeat() && handle_shortcut(key)) return;
    // Auto-repeated presses go through: the firmware's latches make one press of them.
    if (key != 0) dispatch_.FormKeyDown(key);
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
    // X11 reports a held key as release/press pairs; only the real release counts.
    if (event->isAutoRepeat() || swallow_zoom_release(*event)) return;
    const std::uint16_t key = virtual_key_of(*event);
    if (key != 0) dispatch_.FormKeyUp(key);
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const std::optional<ImageId> hit = hit_at(pos);
    dispatch_.mouse_down(hit, mouse_button_of(event->button()));
    if (hit && is_drag_surface(*hit)) im_backgroundMouseDown(*hit, *event);
    game_menu_button_pressed_ =
        event->button() == Qt::LeftButton && hit == ImageId::btn_game_menu_top;
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
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
