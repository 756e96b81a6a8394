// Looking up a shared library's functions by name, with the types their header gives them, and
// saying in words what was wrong when that failed.
//
// SDL and its mixer are loaded when first needed, so a machine without them, or with versions
// older than the functions we call, is found out only then. The player must learn which library
// is missing or too old, and what to install, instead of a guess at the cause.
#pragma once

#include <QLibrary>
#include <string>
#include <utility>

namespace zuzazizo {

class LibraryLoader {
  public:
    // `package` and `minimum_version` name what the player has to install ("SDL2_mixer",
    // "2.0.2"): the oldest release that has every function we look up.
    LibraryLoader(QLibrary& library, std::string package, std::string minimum_version)
        : library_(library), package_(std::move(package)), minimum_(std::move(minimum_version)) {}

    // Loads the library; false, with the problem kept, when it cannot be loaded.
    bool load();

    // Looks up one function; false, with the problem kept, when the library lacks it. Only the
    // first problem is kept: it is the one to mend first.
    template <typename Function>
    bool resolve(Function& function, const char* name) {
        function = reinterpret_cast<Function>(library_.resolve(name));
        if (!function && problem_.empty()) note_missing(name);
        return function != nullptr;
    }

    // The version the loaded library reports of itself ("2.0.20"), for the message; optional.
    void set_found_version(std::string version) { found_version_ = std::move(version); }

    // Empty while all is well.
    const std::string& problem() const { return problem_; }

  private:
    void note_missing(const char* function_name);
    std::string install_hint() const;

    QLibrary& library_;
    std::string package_;
    std::string minimum_;
    std::string found_version_;
    std::string problem_;
};

}  // namespace zuzazizo
