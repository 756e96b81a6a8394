#include "core/skin/ini_file.h"

#include "core/common/int_text.h"
#include "core/skin/config_keys.h"

namespace zuzazizo {

namespace {

constexpr std::string_view utf8_bom = "\xEF\xBB\xBF";
constexpr std::string_view blanks = " \t\v\f";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

std::string lower_ascii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Splits at '\n' and '\r' alike, so that LF, CRLF and lone CR files all read the same.
template <typename LineFn>
void for_each_line(std::string_view text, LineFn&& on_line) {
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        on_line(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
    if (text.starts_with(utf8_bom)) text.remove_prefix(utf8_bom.size());
    IniFile ini;
    // Keys of a repeated section land in a scratch map: the first section of a name is the one
    // read.
    Keys ignored;
    Keys* current = nullptr;
    for_each_line(text, [&](std::string_view raw) {
        const std::string_view line = trimmed(raw);
        if (line.empty() || line.front() == ';' || line.front() == '#') return;
        if (line.front() == '[') {
            const auto close = line.find(']');
            const std::string name =
                lower_ascii(trimmed(line.substr(1, close == line.npos ? line.npos : close - 1)));
            const auto [it, added] = ini.sections_.try_emplace(name);
            ignored.clear();
            current = added ? &it->second : &ignored;
            return;
        }
        const auto equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) return;
        const std::string_view key = trimmed(line.substr(0, equals));
        if (key.empty()) return;
        current->try_emplace(lower_ascii(key), unquoted(trimmed(line.substr(equals + 1))));
    });
    return ini;
}

std::optional<std::string_view> IniFile::find(std::string_view section,
                                              std::string_view key) const {
    const auto keys = sections_.find(lower_ascii(section));
    if (keys == sections_.end()) return std::nullopt;
    const auto value = keys->second.find(lower_ascii(key));
    if (value == keys->second.end()) return std::nullopt;
    return std::string_view(value->second);
}

std::string IniFile::read_text(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
    return std::string(find(section, key).value_or(fallback));
}

std::int32_t IniFile::read_int(std::string_view section, std::string_view key,
                               std::int32_t fallback) const {
    const auto value = find(section, key);
    return value ? int_text_or(*value, fallback) : fallback;
}

std::optional<std::uint32_t> IniFile::read_colour(std::string_view section, std::string_view key,
                                                  std::string_view fallback_text) const {
    const auto value = parse_int_text(find(section, key).value_or(fallback_text));
    if (!value) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

std::string IniFile::read_dir(std::string_view section, std::string_view key,
                              std::string_view fallback) const {
    std::string dir = read_text(section, key, fallback);
    // An empty directory stays empty and so means the executable's own directory, not the root
    // that a lone backslash would name. A forward slash separates directories too.
    if (!dir.empty() && !dir.ends_with('\\') && !dir.ends_with('/')) dir += '\\';
    return dir;
}

std::optional<std::string> IniFile::read_file_name(std::string_view section,
                                                   std::string_view key) const {
    const std::string_view name = find(section, key).value_or("");
    if (name.empty() || lower_ascii(name) == config_keys::no_file) return std::nullopt;
    return std::string(name);
}

}  // namespace zuzazizo
