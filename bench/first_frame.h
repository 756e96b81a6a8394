// Reports the first frame a window paints: the wall-clock time (to compare with the moment the
// process was started) and the process's peak memory so far, then ends the program.
#pragma once

class QWidget;

void report_first_frame_and_quit(QWidget& window);
