// The picture loader of the web page.
//
// The browser decodes pictures, and only asynchronously, while the layout loads them one by one
// and at once. So the page fetches and decodes every picture the layout will ask for beforehand
// (pictures_to_load) and records here what became of each; the layout then loads from these
// records. The pixels stay in the page: a picture here is the page's number for it and a size.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "core/skin/picture_formats.h"
#include "core/skin/picture_loader.h"

namespace zuzazizo {

class WebPicture final : public Picture {
  public:
    WebPicture(int page_id, int width_px, int height_px)
        : Picture(width_px, height_px), page_id_(page_id) {}
    int page_id() const { return page_id_; }

  private:
    int page_id_;
};

// What the page's fetch and decode gave for a file.
enum class FetchedStatus { decoded = 0, missing = 1, empty = 2, undecodable = 3 };

struct FetchedPicture {
    FetchedStatus status = FetchedStatus::missing;
    int page_id = -1;
    int width_px = 0;
    int height_px = 0;
};

// The page's number of the missing-picture marker, which it draws before any layout.
inline constexpr int marker_page_id = 0;
inline constexpr int marker_side_px = 10;

class WebPictureLoader final : public PictureLoader {
  public:
    void record(const std::string& path, Transparency transparency, const FetchedPicture& fetched);

    bool exists(const std::string& path) const override;
    LoadedPicture load(const std::string& path, Transparency transparency) override;
    PicturePtr missing_image_marker() override;

  private:
    std::map<std::pair<std::string, Transparency>, FetchedPicture> fetched_;
    PicturePtr marker_;
};

}  // namespace zuzazizo
