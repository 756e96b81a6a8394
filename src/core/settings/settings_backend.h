// Where the settings store keeps its text values.
//
// The program's backend is QSettings (settings_backend_qt.h), which syncs every write to disk
// before returning; tests use MemorySettingsBackend. A backend stores text only: the integer and
// Boolean rules live in SettingsStore, so every backend reads and writes alike.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace zuzazizo {

class SettingsBackend {
  public:
    virtual ~SettingsBackend() = default;
    virtual std::optional<std::string> read(const std::string& name) const = 0;
    // False when the value could not be stored (read-only folder, full disk).
    virtual bool write(const std::string& name, const std::string& text) = 0;
};

class MemorySettingsBackend final : public SettingsBackend {
  public:
    std::optional<std::string> read(const std::string& name) const override {
        const auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    bool write(const std::string& name, const std::string& text) override {
        if (fail_writes) return false;
        values[name] = text;
        return true;
    }

    std::map<std::string, std::string> values;
    bool fail_writes = false;
};

}  // namespace zuzazizo
