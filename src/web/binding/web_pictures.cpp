#include "web/binding/web_pictures.h"

#include <memory>
#include <utility>

namespace zuzazizo {

namespace {

LoadedPicture failure(std::string reason) {
    return {nullptr, std::move(reason)};
}

}  // namespace

void WebPictureLoader::record(const std::string& path, Transparency transparency,
                              const FetchedPicture& fetched) {
    fetched_[{path, transparency}] = fetched;
}

bool WebPictureLoader::exists(const std::string& path) const {
    for (const Transparency transparency : {Transparency::bottom_left_key, Transparency::opaque}) {
        const auto it = fetched_.find({path, transparency});
        if (it != fetched_.end() && it->second.status != FetchedStatus::missing) return true;
    }
    return false;
}

LoadedPicture WebPictureLoader::load(const std::string& path, Transparency transparency) {
    if (std::string reason = unreadable_extension_reason(path); !reason.empty()) {
        return failure(std::move(reason));
    }
    const auto it = fetched_.find({path, transparency});
    if (it == fetched_.end() || it->second.status == FetchedStatus::missing) {
        return failure("the file could not be read.");
    }
    const FetchedPicture& fetched = it->second;
    switch (fetched.status) {
        case FetchedStatus::decoded:
            return {
                std::make_shared<WebPicture>(fetched.page_id, fetched.width_px, fetched.height_px),
                {}};
        case FetchedStatus::empty:
            return failure(empty_picture_reason);
        case FetchedStatus::undecodable:
        case FetchedStatus::missing:
            break;
    }
    return failure(
        damaged_picture_reason(*picture_format_of(path), "the browser could not decode it"));
}

PicturePtr WebPictureLoader::missing_image_marker() {
    if (!marker_) {
        marker_ = std::make_shared<WebPicture>(marker_page_id, marker_side_px, marker_side_px);
    }
    return marker_;
}

}  // namespace zuzazizo
