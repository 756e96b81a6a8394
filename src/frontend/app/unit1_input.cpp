// Keys and mouse on the main window: turned into presses and releases of the handheld's buttons.
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

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
    if (zoom_.key_press(*event)) return;
    const std::uint16_t key = virtual_key_of(*event);
    if (!event->isAutoRepeat() && commands_.shortcut(key)) return;
    // Auto-repeated presses go through: the firmware's latches make one press of them.
    if (key != 0) dispatch_.FormKeyDown(key);
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
    // X11 reports a held key as release/press pairs; only the real release counts.
    if (event->isAutoRepeat() || zoom_.key_release(*event)) return;
    const std::uint16_t key = virtual_key_of(*event);
    if (key != 0) dispatch_.FormKeyUp(key);
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    const std::optional<ImageId> hit = zoom_.hit_at(event->position().toPoint());
    dispatch_.mouse_down(hit, mouse_button_of(event->button()));
    if (hit) im_backgroundMouseDown(*hit, *event);
    game_menu_.button_press(hit, event->button() == Qt::LeftButton);
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    dispatch_.mouse_up(mouse_button_of(event->button()));
    if (event->button() != Qt::LeftButton) return;
    drag_.end();
    const QPoint pos = event->position().toPoint();
    if (game_menu_.button_release(images_.hit_test(pos.x(), pos.y()))) btn_game_menu_topClick();
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    if (im_backgroundMouseMove(*event)) return;
    const std::optional<ImageId> hit = zoom_.hit_at(event->position().toPoint());
    setCursor(cursor_shape(hit ? images_[*hit].cursor : Cursor::arrow));
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    commands_.popup().popup(event->globalPos());
    event->accept();
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const std::optional<ImageId> hit = zoom_.hit_at(help->pos());
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
