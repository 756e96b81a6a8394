// Program start: the five windows, created once in their fixed order, then the event loop.
#pragma once

#include <functional>

class QApplication;

namespace zuzazizo {

class TForm1;

// Called after the windows exist and before the event loop runs; benchmarks use it to watch the
// first frame without a build of their own of the program.
using BeforeEventLoop = std::function<void(QApplication& app, TForm1& form1)>;

int run_program(int argc, char* argv[], const BeforeEventLoop& before_event_loop = {});

// Chooses Qt's own event dispatcher over GLib's, whose poll rounds its waits to milliseconds and
// wakes late often enough to put the play tick off by several milliseconds. Call it before the
// QApplication is made.
void use_precise_event_dispatcher();

}  // namespace zuzazizo
