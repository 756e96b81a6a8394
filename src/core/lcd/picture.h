// A decoded picture as the core sees it: immutable, shared, and opaque apart from its size.
//
// The front end derives its own picture type holding the pixels; tests use bare sizes. Copying a
// digit into a digit place copies this pointer, never the pixels.
#pragma once

#include <memory>

namespace zuzazizo {

class Picture {
  public:
    Picture(int width_px, int height_px) : width_px_(width_px), height_px_(height_px) {}
    virtual ~Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int width_px() const { return width_px_; }
    int height_px() const { return height_px_; }

  private:
    int width_px_;
    int height_px_;
};

using PicturePtr = std::shared_ptr<const Picture>;

}  // namespace zuzazizo
