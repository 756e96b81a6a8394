// A reader of Windows initialisation files, as Config.ini is written.
//
// It gives the results the Windows profile routines give for ordinary files: section and key
// names match without regard to case, the first section of a name and the first key of a name in
// it win, values lose their surrounding blanks and one pair of matching quotes, and lines whose
// first non-blank character is ';' or '#' are comments. Text after a value is part of the value:
// file names may contain ';'. The whole file is parsed once so that a layout never reads it twice.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zuzazizo {

class IniFile {
  public:
    // Never fails: lines that are neither a section, a key nor a comment are skipped.
    static IniFile parse(std::string_view text);

    // The value as written, or nothing when the section or the key is absent.
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

    std::string read_text(std::string_view section, std::string_view key,
                          std::string_view fallback) const;
    // An absent key, or text that is not integer text, gives the fallback.
    std::int32_t read_int(std::string_view section, std::string_view key,
                          std::int32_t fallback) const;
    // A Windows colour value (00BBGGRR). The fallback is text, converted like a written value, so
    // that nothing separates a default from a value; text that is not an integer gives nothing.
    std::optional<std::uint32_t> read_colour(std::string_view section, std::string_view key,
                                             std::string_view fallback_text) const;
    // Ends in a separator unless empty, so that a file name can be appended.
    std::string read_dir(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
    // Nothing when the value is empty or "nil" (in any case): no file is named.
    std::optional<std::string> read_file_name(std::string_view section, std::string_view key) const;

  private:
    using Keys = std::unordered_map<std::string, std::string>;
    std::unordered_map<std::string, Keys> sections_;
};

}  // namespace zuzazizo
