// The settings store on disk, through QSettings in its native format: the registry key
// HKEY_CURRENT_USER\Software\Tessaron\Dovuruza50 on Windows, and on Linux the file
// $XDG_CONFIG_HOME/Tessaron/Dovuruza50.conf with the values under [General].
//
// Every write is synced before it returns, so a high score survives the program being killed a
// moment later; QSettings replaces the file atomically.
#pragma once

#include <QSettings>
#include <memory>

#include "core/settings/settings_backend.h"

namespace zuzazizo {

class QtSettingsBackend final : public SettingsBackend {
  public:
    QtSettingsBackend();
    // For tests: a store in an explicit file of the same format.
    explicit QtSettingsBackend(const QString& file_path);

    std::optional<std::string> read(const std::string& name) const override;
    bool write(const std::string& name, const std::string& text) override;

  private:
    std::unique_ptr<QSettings> settings_;
};

// What the player is told when a setting could not be written.
QString unsaved_setting_text(const std::string& name);

}  // namespace zuzazizo
