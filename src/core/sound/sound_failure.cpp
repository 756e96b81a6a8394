#include "core/sound/sound_failure.h"

namespace zuzazizo {

void reset_sound_settings_after_failure(SettingsStore& settings) {
    settings.write_integer(settings::sound_mode, settings::sound_mode_default);
    settings.write_bool(settings::splash_screen, true);
}

}  // namespace zuzazizo
