#include "frontend/sdl/library_functions.h"

namespace zuzazizo {

std::string LibraryLoader::install_hint() const {
    return " Please install " + package_ + " " + minimum_ + " or newer.";
}

bool LibraryLoader::load() {
    if (library_.isLoaded() || library_.load()) return true;
    // The loader's own words name the file it looked for and why it was not taken.
    problem_ = "The sound library " + package_ + " could not be loaded (" +
               library_.errorString().toStdString() + ")." + install_hint();
    return false;
}

void LibraryLoader::note_missing(const char* function_name) {
    const std::string version = found_version_.empty() ? "" : " " + found_version_;
    problem_ = "The sound library " + package_ + version + " (" +
               library_.fileName().toStdString() + ") is too old: it has no " + function_name +
               "." + install_hint();
}

}  // namespace zuzazizo
