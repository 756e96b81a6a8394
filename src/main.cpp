#include "frontend/app/program.h"

int main(int argc, char* argv[]) {
    return zuzazizo::run_program(argc, argv);
}
