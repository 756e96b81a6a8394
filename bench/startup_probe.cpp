// The program as shipped, reporting its first painted frame (see first_frame.h).
#include "app/program.h"
#include "app/unit1.h"
#include "first_frame.h"

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    return zuzazizo::run_program(argc, argv, [](QApplication&, zuzazizo::TForm1& form1) {
        // When the windows exist: the rest of the start-up is showing and painting.
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("windows_created_ns %lld\n",
                    static_cast<long long>(std::chrono::nanoseconds(now).count()));
        report_first_frame_and_quit(form1);
    });
}
