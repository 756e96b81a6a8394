// Start-up work that can wait until the program is on the screen.
#pragma once

#include <functional>
#include <initializer_list>

class QWidget;

namespace zuzazizo {

// Runs `then` once, from the event loop, right after the first of `windows` has painted its first
// frame; never when none of them paints. The windows must outlive the wait.
void after_first_paint(std::initializer_list<QWidget*> windows, std::function<void()> then);

}  // namespace zuzazizo
