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

QString sound_start_error(const MixerSound& sound) {
    // Only a broken Sound folder is the installation's fault; a missing or old SDL is named.
    if (sound.start_failure() == MixerSound::StartFailure::samples) {
        return QString::fromUtf8(sound_folder_message);
    }
    return QString::fromStdString(sound.start_problem());
}

bool start_sound_or_report(MixerSound& sound, SoundChoice choice, SettingsStore& settings,
                           const ErrorReport& errors) {
    const std::optional<MixerOutput> output = mixer_output_for(choice);
    if (!output || sound.start(*output)) return true;
    errors.show(sound_start_error(sound));
    reset_sound_settings_after_failure(settings);
    return false;
}

}  // namespace zuzazizo
