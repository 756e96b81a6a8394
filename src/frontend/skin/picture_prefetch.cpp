#include "frontend/skin/picture_prefetch.h"

#include <algorithm>

#include "frontend/skin/picture_loader_qt.h"

namespace zuzazizo {

PicturePrefetch::PicturePrefetch(std::vector<PictureRequest> requests, int worker_count) {
    entries_.reserve(requests.size());
    for (PictureRequest& request : requests)
        entries_.push_back({std::move(request), State::pending, {}});
    unclaimed_from_back_ = entries_.size();
    // Sets the readers' allocation limit before any worker decodes.
    const QtPictureLoader loader;
    for (int i = 0; i < worker_count; ++i) workers_.emplace_back([this] { work(); });
}

PicturePrefetch::~PicturePrefetch() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    for (std::thread& worker : workers_) worker.join();
}

void PicturePrefetch::work() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        // The next entry nobody has begun, from the back.
        while (unclaimed_from_back_ > 0 &&
               entries_[unclaimed_from_back_ - 1].state != State::pending) {
            --unclaimed_from_back_;
        }
        if (unclaimed_from_back_ == 0) return;
        Entry& entry = entries_[--unclaimed_from_back_];
        entry.state = State::decoding;
        lock.unlock();
        LoadedPicture result = decode_picture(entry.request.path, entry.request.transparency);
        lock.lock();
        entry.result = std::move(result);
        entry.state = State::done;
        decoded_.notify_all();
    }
}

PicturePrefetch::Entry* PicturePrefetch::find(const PictureRequest& request) {
    // A picture named twice is decoded twice, as the layout would; each take gets its own entry.
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.state != State::taken && entry.request == request;
    });
    return it == entries_.end() ? nullptr : &*it;
}

std::optional<LoadedPicture> PicturePrefetch::take(const PictureRequest& request) {
    std::unique_lock lock(mutex_);
    Entry* entry = find(request);
    if (!entry) return std::nullopt;
    if (entry->state == State::pending) {
        entry->state = State::taken;
        lock.unlock();
        return decode_picture(request.path, request.transparency);
    }
    decoded_.wait(lock, [entry] { return entry->state == State::done; });
    entry->state = State::taken;
    return std::move(entry->result);
}

int prefetch_worker_count() {
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    return std::max(cores - 1, 1);
}

}  // namespace zuzazizo
