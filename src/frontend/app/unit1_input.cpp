// Keys and mouse on the main window: turned into presses and releases of the handheld's buttons.
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include "app/key_codes_qt.h"
#include "app/unit1.h"

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

bool is_drag_surface(ImageId id) {
    return id == ImageId::im_background || id == ImageId::im_background_screen_top ||
           id == ImageId::im_background_light || id == ImageId::btn_set_top;
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

bool TForm1::handle_shortcut(std::uint16_t key) {
    if (key == vk::escape) {
        terminate();
        return true;
    }
    return false;
}

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
    if (event->button() == Qt::LeftButton && !fullscreen_mode_ && hit && is_drag_surface(*hit)) {
        drag_origin_ = pos;
    }
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    dispatch_.mouse_up(mouse_button_of(event->button()));
    if (event->button() == Qt::LeftButton) drag_origin_.reset();
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (drag_origin_ && (event->buttons() & Qt::LeftButton)) {
        move(pos - *drag_origin_ + this->pos());
        return;
    }
    update_cursor(pos);
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
