// The program as shipped, reporting its first painted frame (see first_frame.h).
#include "app/program.h"
#include "app/unit1.h"
#include "first_frame.h"

int main(int argc, char* argv[]) {
    return zuzazizo::run_program(argc, argv, [](QApplication&, zuzazizo::TForm1& form1) {
        report_first_frame_and_quit(form1);
    });
}
