// Where the files named in Config.ini are.
//
// Directories in Config.ini are written the Windows way ("Graphics\Skin\"). A backslash is a
// separator on every platform here, and a relative directory is taken from the executable's
// directory rather than the working directory, so the program finds its skin whichever folder it
// is started from.
#pragma once

#include <string>
#include <string_view>

namespace zuzazizo {

inline constexpr std::string_view config_file_name = "Config.ini";

// dir + file, with '\' turned into '/', and put under exe_dir unless already absolute (a leading
// separator or a drive letter). An empty exe_dir leaves a relative path relative.
std::string resolve_skin_path(std::string_view exe_dir, std::string_view dir,
                              std::string_view file);

// Config.ini beside the executable.
inline std::string config_file_path(std::string_view exe_dir) {
    return resolve_skin_path(exe_dir, "", config_file_name);
}

}  // namespace zuzazizo
