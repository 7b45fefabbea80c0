#pragma once
#include "ImageWriteError.h"
#include "PictureWriter.h"

#include <QImage>

#include <condition_variable>
#include <deque>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace plotwise {

// Writes pictures on background threads while the caller draws the next one:
// encoding a picture takes several times as long as drawing it, and syncing
// its file to the disk longer still. Up to `depth` pictures are encoded and
// written beside their targets at once, but the targets are replaced in the
// order queued, and none after a write that failed; results come back in
// that order.
class PictureWriteQueue {
public:
    struct Done {
        std::string path;
        int tag = 0;
        std::optional<ImageWriteError> error;
        bool skipped = false; // not written: an earlier write failed
    };

    explicit PictureWriteQueue(int depth);
    // Waits for the writes still running; their results are dropped.
    ~PictureWriteQueue();
    PictureWriteQueue(const PictureWriteQueue&) = delete;
    PictureWriteQueue& operator=(const PictureWriteQueue&) = delete;

    // Queues a write of a copy of the picture, after waiting for room; returns
    // the writes that finished meanwhile, in order.
    std::vector<Done> push(const QImage& picture, std::string path, PictureWriter writer, int tag);
    // Waits for every queued write; their results in order.
    std::vector<Done> finish();

private:
    struct Job {
        std::string path;
        int tag = 0;
        std::future<Done> result;
    };
    Done takeFront();
    void work();

    int depth_;
    std::deque<Job> jobs_;
    std::shared_future<bool> lastWritten_; // the newest job's file was written
    // At most `depth` workers, started as tasks come, kept until the end.
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::shared_ptr<std::packaged_task<Done()>>> tasks_;
    std::vector<std::thread> workers_;
    int idle_ = 0;
    bool closing_ = false;
};

} // namespace plotwise
