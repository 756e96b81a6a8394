// libFuzzer target: arbitrary Config.ini text through the reader and both layouts.
//
// The first two bytes pick the display mode and the screen; the rest is the file. Pictures come
// from a loader whose answers depend only on the path, so a crash reproduces from its input
// alone. After each layout the properties that hold whatever the file says are checked.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/lcd/image_model.h"
#include "core/skin/gfxinit.h"
#include "core/skin/ini_file.h"

namespace {

using namespace zuzazizo;

struct Screen {
    int width_px;
    int height_px;
};

constexpr Screen screens[] = {
    {1024, 768}, {1920, 1080}, {604, 380}, {0, 0}, {1, 1}, {-5, -7}, {2147483647, 2147483647},
};

class FuzzPictureLoader : public PictureLoader {
  public:
    bool exists(const std::string& path) const override { return hash(path) % 4 != 0; }
    LoadedPicture load(const std::string& path, Transparency) override {
        const std::size_t h = hash(path);
        if (h % 7 == 0) return {nullptr, "the file is damaged"};
        return {std::make_shared<Picture>(static_cast<int>(h % 4097),
                                          static_cast<int>((h >> 12) % 4097)),
                {}};
    }
    PicturePtr missing_image_marker() override { return marker_; }

  private:
    static std::size_t hash(const std::string& path) { return std::hash<std::string>{}(path); }
    PicturePtr marker_ = std::make_shared<Picture>(10, 10);
};

void check(bool property) {
    if (!property) __builtin_trap();
}

void check_game_layout(const LayoutResult& result, const GameSurface& surface,
                       const ImageModel& model) {
    check(result.status != LayoutStatus::config_missing);
    check(result.ok() == result.message.empty());
    const Image& menu = model[ImageId::btn_game_menu_background];
    check(menu.bounds.width == 36 && menu.bounds.height == 32);
    check(menu.visible == surface.fullscreen_mode);
    check(model[ImageId::btn_game_menu_top].visible == surface.fullscreen_mode);
    if (result.ok() && !surface.fullscreen_mode) {
        check(surface.colour_key_on && surface.colour_key == surface.colour);
        check(!model[ImageId::im_backdrop].visible && !model[ImageId::im_backdrop_logo].visible);
    }
    if (result.ok() && surface.fullscreen_mode) {
        check(surface.client_width_px == surface.screen_width_px);
        check(!surface.colour_key_on);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const bool fullscreen = (data[0] & 1) != 0;
    const Screen screen = screens[data[1] % std::size(screens)];
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    const IniFile config = IniFile::parse(text);
    FuzzPictureLoader loader;
    ImageModel model;
    // An observer makes the model compute the repaint areas of every change as the window would.
    model.set_observer([](const Rect& area) { check(!area.empty()); });
    GameSurface surface{.fullscreen_mode = fullscreen,
                        .screen_width_px = screen.width_px,
                        .screen_height_px = screen.height_px};
    // A layout, then the one of a display-mode switch over the same model.
    for (int run = 0; run < 2; ++run) {
        const LayoutResult result = lay_out_game(config, "/opt/zz", surface, model, loader);
        check_game_layout(result, surface, model);
        surface.fullscreen_mode = !surface.fullscreen_mode;
    }
    ManualSurface manual;
    const LayoutResult manual_result = lay_out_manual(config, "/opt/zz", manual, loader);
    check(manual_result.ok() == manual_result.message.empty());
    check(manual.im_page_top.width == manual.client_width_px);
    return 0;
}
