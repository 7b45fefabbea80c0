#pragma once
#include "ImageWriteError.h"
#include "PictureWriter.h"

#include <QImage>

#include <condition_variable>
#include <deque>
#include <functional>
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
// written beside their targets at once, each synced on its own; the targets
// are replaced in the order queued, as soon as every earlier one is, and none
// after a write that failed. Results come back in that order.
class PictureWriteQueue {
public:
    struct Done {
        std::string path;
        int tag = 0;
        std::optional<ImageWriteError> error;
        bool skipped = false; // not written: an earlier write failed
    };

    // `onWorkerStart` runs on each worker as it starts (e.g. to lower its
    // priority below the caller's).
    explicit PictureWriteQueue(int depth, std::function<void()> onWorkerStart = {});
    // Waits for the writes still running; their results are dropped.
    ~PictureWriteQueue();
    PictureWriteQueue(const PictureWriteQueue&) = delete;
    PictureWriteQueue& operator=(const PictureWriteQueue&) = delete;

    // Queues a write of the picture (shared: the caller's next drawing leaves
    // it as it is), after waiting for room; returns the writes that finished
    // meanwhile, in order.
    std::vector<Done> push(const QImage& picture, std::string path, PictureWriter writer, int tag);
    // Waits for every queued write; their results in order.
    std::vector<Done> finish();

private:
    struct Job;
    void work();
    void write(Job& job);
    static std::optional<ImageWriteError> place(Job& job);
    void placeWritten(std::unique_lock<std::mutex>& lock);
    void takeFinished(std::vector<Done>& done);

    int depth_;
    std::function<void()> onWorkerStart_;
    std::mutex mutex_;
    std::condition_variable wake_;             // a worker: a picture to write, or the end
    std::condition_variable settled_;          // the caller: a write went on a step
    std::deque<std::shared_ptr<Job>> jobs_;    // in order, until their results are taken
    std::deque<std::shared_ptr<Job>> waiting_; // not yet taken by a worker
    int unwritten_ = 0;   // pictures held, not yet written beside their targets
    bool failed_ = false; // a write failed: no later file is put in place
    bool placing_ = false; // a thread puts files in place
    // At most `depth` workers, started as pictures come, kept until the end.
    std::vector<std::thread> workers_;
    int idle_ = 0;
    bool closing_ = false;
};

} // namespace plotwise
