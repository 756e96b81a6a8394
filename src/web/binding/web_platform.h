// The handheld's platform services on a web page: settings in the page's storage and sound
// through the page's audio, both over the imports the page supplies (page_imports.h). The page
// files each value under "Tessaron/Dovuruza50/<name>", as the desktop program does.
#pragma once

#include <optional>
#include <string>

#include "core/settings/settings_backend.h"
#include "core/sound/sound_output.h"

namespace zuzazizo {

class WebSettingsBackend final : public SettingsBackend {
  public:
    std::optional<std::string> read(const std::string& name) const override;
    bool write(const std::string& name, const std::string& text) override;
};

class WebSound final : public SoundOutput {
  public:
    void play(Sample sample) override;
};

}  // namespace zuzazizo
