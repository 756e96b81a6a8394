#include "web/binding/web_platform.h"

#include <cstdlib>
#include <memory>

#include "web/binding/page_imports.h"

namespace zuzazizo {

std::optional<std::string> WebSettingsBackend::read(const std::string& name) const {
    const std::unique_ptr<char, decltype(&std::free)> text(page_settings_read(name.c_str()),
                                                           &std::free);
    if (!text) return std::nullopt;
    return std::string(text.get());
}

bool WebSettingsBackend::write(const std::string& name, const std::string& text) {
    return page_settings_write(name.c_str(), text.c_str()) != 0;
}

void WebSound::play(Sample sample) {
    page_sound_play(static_cast<int>(sample));
}

}  // namespace zuzazizo
