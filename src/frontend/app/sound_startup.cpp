#include "frontend/app/sound_startup.h"

#include <QString>

namespace zuzazizo {

std::optional<MixerOutput> mixer_output_for(SoundChoice choice) {
    switch (choice) {
        case SoundChoice::direct_sound:
            return MixerOutput::primary;
        case SoundChoice::multimedia:
            return MixerOutput::alternative;
        case SoundChoice::none:
            break;
    }
    return std::nullopt;
}

bool start_sound_or_report(MixerSound& sound, SoundChoice choice, SettingsStore& settings,
                           const ErrorReport& errors) {
    const std::optional<MixerOutput> output = mixer_output_for(choice);
    if (!output || sound.start(*output)) return true;
    errors.show(QString::fromUtf8(sound_folder_error));
    settings.write_integer(settings::sound_mode, settings::sound_mode_default);
    settings.write_bool(settings::splash_screen, true);
    return false;
}

}  // namespace zuzazizo
