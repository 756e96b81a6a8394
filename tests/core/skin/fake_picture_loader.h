// A picture loader over an in-memory list of files, for the layout tests and the fuzzer.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "core/skin/picture_loader.h"

namespace zuzazizo::testing {

class FakePictureLoader : public PictureLoader {
  public:
    void add(const std::string& path, int width_px, int height_px) {
        files_[path] = File{width_px, height_px, {}};
    }
    // A file that exists but does not decode.
    void add_damaged(const std::string& path, const std::string& reason) {
        files_[path] = File{0, 0, reason};
    }
    void remove(const std::string& path) { files_.erase(path); }

    bool exists(const std::string& path) const override { return files_.contains(path); }

    LoadedPicture load(const std::string& path, Transparency transparency) override {
        ++load_count_;
        ++loads_[path];
        transparency_[path] = transparency;
        const auto it = files_.find(path);
        if (it == files_.end()) return {nullptr, "no such file"};
        if (!it->second.error.empty()) return {nullptr, it->second.error};
        return {std::make_shared<Picture>(it->second.width_px, it->second.height_px), {}};
    }

    PicturePtr missing_image_marker() override { return marker_; }

    const PicturePtr& marker() const { return marker_; }
    int load_count() const { return load_count_; }
    int loads_of(const std::string& path) const {
        const auto it = loads_.find(path);
        return it == loads_.end() ? 0 : it->second;
    }
    Transparency transparency_of(const std::string& path) const { return transparency_.at(path); }

  private:
    struct File {
        int width_px;
        int height_px;
        std::string error;
    };
    std::map<std::string, File> files_;
    std::map<std::string, int> loads_;
    std::map<std::string, Transparency> transparency_;
    int load_count_ = 0;
    PicturePtr marker_ = std::make_shared<Picture>(10, 10);
};

}  // namespace zuzazizo::testing
