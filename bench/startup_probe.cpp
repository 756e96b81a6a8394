// The program as shipped, reporting its first painted frame (see first_frame.h): the main
// window's, or with --splash the splash screen's, for a start-up that shows the splash first.
#include "first_frame.h"
#include "frontend/app/program.h"
#include "frontend/app/unit1.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    const bool splash = argc > 1 && std::strcmp(argv[1], "--splash") == 0;
    return zuzazizo::run_program(argc, argv, [splash](QApplication&, zuzazizo::TForm1& form1) {
        // When the windows exist: the rest of the start-up is showing and painting.
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("windows_created_ns %lld\n",
                    static_cast<long long>(std::chrono::nanoseconds(now).count()));
        QWidget* watched = &form1;
        if (splash) {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->inherits("zuzazizo::TSplashForm")) watched = window;
            }
        }
        report_first_frame_and_quit(*watched);
    });
}
