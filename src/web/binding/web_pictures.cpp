#include "web/binding/web_pictures.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <string_view>

namespace zuzazizo {

namespace {

struct Format {
    std::string_view extension;
    std::string_view name;  // as the reasons name it
    bool decodable;
};

constexpr std::array formats = {
    Format{"png", "PNG", true},   Format{"bmp", "BMP", true}, Format{"jpg", "JPEG", true},
    Format{"jpeg", "JPEG", true}, Format{"ico", "ICO", true}, Format{"wmf", "WMF", false},
    Format{"emf", "EMF", false},
};

std::string extension_of(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return path.substr(dot + 1);
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

const Format* format_of(const std::string& path) {
    const std::string extension = lower(extension_of(path));
    for (const Format& format : formats) {
        if (format.extension == extension) return &format;
    }
    return nullptr;
}

LoadedPicture failure(std::string reason) {
    return {nullptr, std::move(reason)};
}

}  // namespace

std::string unreadable_extension_reason(const std::string& path) {
    const Format* format = format_of(path);
    const std::string extension = extension_of(path);
    if (format == nullptr) {
        return "its extension \"" + extension +
               "\" has no decoder here (PNG, BMP, JPEG and ICO pictures can be read).";
    }
    if (!format->decodable) {
        return "its extension \"" + extension +
               "\" has no decoder here; save the picture as PNG or BMP instead.";
    }
    return {};
}

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
            return failure("the file is empty.");
        case FetchedStatus::undecodable:
        case FetchedStatus::missing:
            break;
    }
    return failure("the file is damaged or is not a " + std::string(format_of(path)->name) +
                   " picture (the browser could not decode it).");
}

PicturePtr WebPictureLoader::missing_image_marker() {
    if (!marker_) {
        marker_ = std::make_shared<WebPicture>(marker_page_id, marker_side_px, marker_side_px);
    }
    return marker_;
}

}  // namespace zuzazizo
