#include "core/settings/settings_store.h"

#include "core/common/int_text.h"

namespace zuzazizo {

std::string settings::key_slot(int slot) {
    return "Key" + std::to_string(slot);
}

std::int32_t SettingsStore::read_integer(const std::string& name, std::int32_t fallback) const {
    const auto text = backend_.read(name);
    if (!text) return fallback;
    return int_text_or(*text, fallback);
}

bool SettingsStore::read_bool(const std::string& name, bool fallback) const {
    const auto text = backend_.read(name);
    if (!text) return fallback;
    const auto value = parse_int_text(*text);
    return value ? *value != 0 : fallback;
}

void SettingsStore::write_integer(const std::string& name, std::int32_t value) {
    write_text(name, int_to_text(value));
}

void SettingsStore::write_bool(const std::string& name, bool value) {
    write_text(name, value ? "1" : "0");
}

void SettingsStore::write_text(const std::string& name, const std::string& text) {
    if (backend_.write(name, text)) return;
    if (!write_failed_ && on_failure_) on_failure_(name);
    write_failed_ = true;
}

}  // namespace zuzazizo
