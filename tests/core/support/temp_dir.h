// A fresh folder of a test's own under the system's temporary folder.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace zuzazizo::testing {

// Made without POSIX's mkdtemp so that the Windows build of the tests runs it too:
// create_directory fails on a name that is taken. Empty when no free name was found.
inline std::filesystem::path make_temp_dir(const std::string& prefix) {
    constexpr int attempts = 100;
    std::random_device random;
    for (int i = 0; i < attempts; ++i) {
        const std::filesystem::path candidate =
            std::filesystem::temp_directory_path() / (prefix + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) return candidate;
    }
    return {};
}

}  // namespace zuzazizo::testing
