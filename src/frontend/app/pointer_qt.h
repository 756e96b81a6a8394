// The mouse as the core sees it: Qt's buttons as the dispatch's, the model's cursors as Qt's, and
// an image's hint as the window's tooltip.
#pragma once

#include <QHelpEvent>
#include <QWidget>
#include <string>

#include "core/input/dispatch.h"
#include "core/lcd/image_model.h"

namespace zuzazizo {

MouseButton mouse_button_of(Qt::MouseButton button);
Qt::CursorShape cursor_shape(Cursor cursor);
// Shows the hint at the help event's place, or hides the tooltip when the hint is empty.
void show_hint(const QHelpEvent& event, const std::string& hint, QWidget* window);

}  // namespace zuzazizo
