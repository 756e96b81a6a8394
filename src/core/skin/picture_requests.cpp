#include "core/skin/picture_requests.h"

namespace zuzazizo {

namespace {

// Pretends every load succeeds, so that the layouts walk through all the files they name.
class RecordingLoader final : public PictureLoader {
  public:
    RecordingLoader(const PictureLoader& files, std::vector<PictureRequest>& requests)
        : files_(files), requests_(requests) {}

    bool exists(const std::string& path) const override { return files_.exists(path); }
    LoadedPicture load(const std::string& path, Transparency transparency) override {
        requests_.push_back({path, transparency});
        return {stand_in_, {}};
    }
    PicturePtr missing_image_marker() override { return stand_in_; }

  private:
    const PictureLoader& files_;
    std::vector<PictureRequest>& requests_;
    PicturePtr stand_in_ = std::make_shared<Picture>(1, 1);
};

}  // namespace

std::vector<PictureRequest> pictures_to_load(std::string_view exe_dir, bool fullscreen_mode,
                                             const PictureLoader& files) {
    return pictures_to_load(read_config_file(exe_dir), exe_dir, fullscreen_mode, files);
}

std::vector<PictureRequest> pictures_to_load(const ConfigText& config, std::string_view exe_dir,
                                             bool fullscreen_mode, const PictureLoader& files) {
    std::vector<PictureRequest> requests;
    RecordingLoader recorder(files, requests);
    GameSurface game;
    game.fullscreen_mode = fullscreen_mode;
    ImageModel model;
    Gfx_Init_Game(config, exe_dir, game, model, recorder);
    return requests;
}

}  // namespace zuzazizo
