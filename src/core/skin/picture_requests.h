// Which pictures the layouts will ask for, so that the front end can decode them ahead of time.
//
// The list comes from the layouts themselves, run over scratch surfaces with a loader that only
// writes down what it is asked for, so it can never disagree with what the real layout loads. The
// real layout still loads every picture through its own loader, in its own order, with its own
// errors; a decoded picture waiting for it only makes that load quicker.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/lcd/image_model.h"
#include "core/skin/gfxinit.h"
#include "core/skin/picture_loader.h"

namespace zuzazizo {

struct PictureRequest {
    std::string path;
    Transparency transparency = Transparency::opaque;

    bool operator==(const PictureRequest&) const = default;
};

// The pictures of the main window's layout (in the given display mode), in the order it loads
// them. The manual viewer's pages are not among them: they are decoded when first shown. `files`
// answers whether a file exists, as the real loader would; nothing is decoded.
std::vector<PictureRequest> pictures_to_load(std::string_view exe_dir, bool fullscreen_mode,
                                             const PictureLoader& files);
// The same over Config.ini read already.
std::vector<PictureRequest> pictures_to_load(const ConfigText& config, std::string_view exe_dir,
                                             bool fullscreen_mode, const PictureLoader& files);

}  // namespace zuzazizo
