#include "core/skin/skin_paths.h"

#include <algorithm>

namespace zuzazizo {

namespace {

bool is_absolute(std::string_view path) {
    if (path.starts_with('/')) return true;
    const bool drive_letter =
        path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return drive_letter;
}

}  // namespace

std::string resolve_skin_path(std::string_view exe_dir, std::string_view dir,
                              std::string_view file) {
    std::string path;
    path.reserve(exe_dir.size() + dir.size() + file.size() + 1);
    path.append(dir).append(file);
    std::replace(path.begin(), path.end(), '\\', '/');
    if (exe_dir.empty() || is_absolute(path)) return path;

    std::string base(exe_dir);
    std::replace(base.begin(), base.end(), '\\', '/');
    if (!base.ends_with('/')) base += '/';
    return base + path;
}

}  // namespace zuzazizo
