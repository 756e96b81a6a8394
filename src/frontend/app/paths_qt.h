// Where the program's files are: beside the executable, whatever folder it was started from.
#pragma once

#include <string>

namespace zuzazizo {

std::string executable_dir();

}  // namespace zuzazizo
