#include "PictureWriteQueue.h"

#include "AtomicFile.h"
#include "PicSave.h"

#include <QByteArray>

#include <exception>
#include <system_error>

namespace plotwise {
namespace {

// Encodes the picture and writes the file beside its target, synced, at
// once; only then waits for the write before it, and puts the file in place
// when that one succeeded. The syncs of several files thus overlap while the
// targets are still replaced in order. `written` tells the write after it whether this
// one succeeded.
PictureWriteQueue::Done encodeAndWrite(const QImage& picture, const std::string& path,
                                       PictureWriter writer, int tag,
                                       const std::shared_future<bool>& before,
                                       std::promise<bool>& written) {
    PictureWriteQueue::Done done{path, tag, std::nullopt, false};
    bool asked = false;
    auto earlierWritten = [&] {
        asked = true;
        done.skipped = before.valid() && !before.get();
        return !done.skipped;
    };
    try {
        QByteArray bytes;
        done.error = encodePicture(picture, writer, bytes);
        if (!done.error) {
            if (auto failure = writeFileAtomically(
                    path, std::string_view(bytes.constData(), std::size_t(bytes.size())),
                    earlierWritten))
                done.error = imageWriteError(*failure, pictureWriterSource(writer));
        }
    } catch (const std::exception&) { // out of memory on the way
        done.error = imageWriteError(ImageErrorNumber::SaveFailed, pictureWriterSource(writer), 1);
    }
    // A failure after an earlier one is no failure of its own: nothing is written.
    if (!asked) earlierWritten();
    if (done.skipped) done.error.reset();
    written.set_value(!done.skipped && !done.error);
    return done;
}

} // namespace

// The program's writer starts here, on the caller's thread, not on a worker.
PictureWriteQueue::PictureWriteQueue(int depth) : depth_(depth < 1 ? 1 : depth) {
    PicSave::instance();
}

PictureWriteQueue::~PictureWriteQueue() {
    finish();
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    wake_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

// Each worker takes the oldest task in turn, so a task that waits for the one
// before it always finds that one taken already.
void PictureWriteQueue::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return closing_ || !tasks_.empty(); });
        if (tasks_.empty()) return;
        std::shared_ptr<std::packaged_task<Done()>> task = std::move(tasks_.front());
        tasks_.pop_front();
        --idle_;
        lock.unlock();
        (*task)();
        lock.lock();
        ++idle_;
    }
}

PictureWriteQueue::Done PictureWriteQueue::takeFront() {
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    return job.result.get();
}

std::vector<PictureWriteQueue::Done> PictureWriteQueue::push(const QImage& picture,
                                                             std::string path,
                                                             PictureWriter writer, int tag) {
    std::vector<Done> done;
    while (static_cast<int>(jobs_.size()) >= depth_)
        done.push_back(takeFront());
    auto written = std::make_shared<std::promise<bool>>();
    const std::shared_future<bool> before = lastWritten_;
    lastWritten_ = written->get_future().share();
    // The write shares the picture: the caller's next drawing starts on a
    // fresh one or copies it.
    auto task = std::make_shared<std::packaged_task<Done()>>(
        [picture, path, writer, tag, before, written] {
            return encodeAndWrite(picture, path, writer, tag, before, *written);
        });
    Job job{path, tag, task->get_future()};
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(task);
        // The workers stay for the whole queue: their memory stays warm.
        if (idle_ < static_cast<int>(tasks_.size()) && static_cast<int>(workers_.size()) < depth_) {
            try {
                workers_.emplace_back([this] { work(); });
                ++idle_;
            } catch (const std::system_error&) { // no thread to be had
            }
        }
    }
    if (workers_.empty()) { // no worker at all: write here
        {
            std::lock_guard lock(mutex_);
            tasks_.clear();
        }
        (*task)();
    }
    wake_.notify_one();
    jobs_.push_back(std::move(job));
    return done;
}

std::vector<PictureWriteQueue::Done> PictureWriteQueue::finish() {
    std::vector<Done> done;
    while (!jobs_.empty())
        done.push_back(takeFront());
    return done;
}

} // namespace plotwise
