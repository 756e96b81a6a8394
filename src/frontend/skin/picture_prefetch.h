// Decoding the layouts' pictures ahead of time, on every core, while the windows are being built.
//
// The program starts one prefetch with the list of pictures its layouts will ask for
// (picture_requests.h). Worker threads decode from the end of the list; the GUI thread's layout,
// which asks from the front, takes what is ready and decodes what nobody has begun yet itself, so
// it never waits for a picture it could have decoded in the meantime, and the two meet in the
// middle. Each result is handed out once and then forgotten, so a later layout (a switch of the
// display mode) reads its files afresh, as it always did.
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "core/skin/picture_requests.h"

namespace zuzazizo {

class PicturePrefetch {
  public:
    // Hand it to the QtPictureLoader of each layout that should take from it. Create and destroy
    // it on the GUI thread.
    PicturePrefetch(std::vector<PictureRequest> requests, int worker_count);
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // The decoded picture (or its failure) for a request on the list, decoding it now when no
    // worker has begun it; empty for a request not on the list or already taken.
    std::optional<LoadedPicture> take(const PictureRequest& request);

  private:
    enum class State { pending, decoding, done, taken };
    struct Entry {
        PictureRequest request;
        State state = State::pending;
        LoadedPicture result;
    };

    void work();
    Entry* find(const PictureRequest& request);

    std::mutex mutex_;
    std::condition_variable decoded_;
    std::vector<Entry> entries_;
    std::size_t unclaimed_from_back_;  // workers claim entries below this index, downwards
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

// The worker threads worth starting beside the GUI thread, which decodes too: one fewer than the
// cores, and at least one.
int prefetch_worker_count();

}  // namespace zuzazizo
