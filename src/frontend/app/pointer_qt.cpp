#include "frontend/app/pointer_qt.h"

#include <QToolTip>

namespace zuzazizo {

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

void show_hint(const QHelpEvent& event, const std::string& hint, QWidget* window) {
    if (hint.empty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(event.globalPos(), QString::fromStdString(hint), window);
    }
}

}  // namespace zuzazizo
