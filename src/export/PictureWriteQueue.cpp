#include "PictureWriteQueue.h"

#include "AtomicFile.h"
#include "PicSave.h"

#include <QByteArray>

#include <exception>
#include <system_error>
#include <variant>

namespace plotwise {
namespace {

// Files written beside their targets and waiting for an earlier one: each
// holds only its name and a few kilobytes on the disk, not its picture.
constexpr std::size_t kMostPending = 64;

} // namespace

struct PictureWriteQueue::Job {
    QImage picture; // until written
    std::string path;
    PictureWriter writer = PictureWriter::Png;
    int tag = 0;
    std::optional<PendingFile> file;
    std::optional<ImageWriteError> error;
    bool written = false;  // beside the target, or failed
    bool finished = false; // in place, failed or skipped
    bool skipped = false;
};

// The program's writer starts here, on the caller's thread, not on a worker.
PictureWriteQueue::PictureWriteQueue(int depth, std::function<void()> onWorkerStart)
    : depth_(depth < 1 ? 1 : depth), onWorkerStart_(std::move(onWorkerStart)) {
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

// Encodes the picture and writes the file beside its target, synced; the
// picture goes at once.
void PictureWriteQueue::write(Job& job) {
    try {
        QByteArray bytes;
        job.error = encodePicture(job.picture, job.writer, bytes);
        job.picture = QImage();
        if (!job.error) {
            auto written = writeFileBeside(
                job.path,
                bytesFiller(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
            if (auto* failure = std::get_if<FileWriteFailure>(&written))
                job.error = imageWriteError(*failure, pictureWriterSource(job.writer));
            else
                job.file.emplace(std::move(std::get<PendingFile>(written)));
        }
    } catch (const std::exception&) { // out of memory on the way
        job.picture = QImage();
        job.error =
            imageWriteError(ImageErrorNumber::SaveFailed, pictureWriterSource(job.writer), 1);
    }
}

// Puts one written file in place; its failure, if any.
std::optional<ImageWriteError> PictureWriteQueue::place(Job& job) {
    try {
        if (auto failure = job.file->place())
            return imageWriteError(*failure, pictureWriterSource(job.writer));
        return std::nullopt;
    } catch (const std::exception&) { // out of memory on the way
        return imageWriteError(ImageErrorNumber::SaveFailed, pictureWriterSource(job.writer), 1);
    }
}

// Puts the written files in place in order, up to the first not yet written;
// after a failure the later files are dropped. A failure after an earlier one
// is no failure of its own. One thread at a time places, outside the lock, so
// that the caller is not held up by the renames; it takes on the files
// written meanwhile by the others.
void PictureWriteQueue::placeWritten(std::unique_lock<std::mutex>& lock) {
    if (placing_) return;
    placing_ = true;
    for (;;) {
        std::vector<std::shared_ptr<Job>> batch;
        for (const std::shared_ptr<Job>& job : jobs_) {
            if (job->finished) continue;
            if (!job->written) break;
            batch.push_back(job);
        }
        if (batch.empty()) break;
        bool failed = failed_;
        lock.unlock();
        for (const std::shared_ptr<Job>& job : batch) {
            if (failed) {
                job->skipped = true;
                job->error.reset();
            } else if (!job->error) {
                job->error = place(*job);
            }
            failed = failed || job->error.has_value();
            job->file.reset();
        }
        lock.lock();
        failed_ = failed;
        for (const std::shared_ptr<Job>& job : batch)
            job->finished = true;
        settled_.notify_all();
    }
    placing_ = false;
}

void PictureWriteQueue::takeFinished(std::vector<Done>& done) {
    while (!jobs_.empty() && jobs_.front()->finished) {
        Job& job = *jobs_.front();
        done.push_back(Done{std::move(job.path), job.tag, std::move(job.error), job.skipped});
        jobs_.pop_front();
    }
}

// Each worker takes the oldest picture in turn.
void PictureWriteQueue::work() {
    if (onWorkerStart_) onWorkerStart_();
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return closing_ || !waiting_.empty(); });
        if (waiting_.empty()) return;
        std::shared_ptr<Job> job = std::move(waiting_.front());
        waiting_.pop_front();
        --idle_;
        lock.unlock();
        write(*job);
        lock.lock();
        ++idle_;
        job->written = true;
        --unwritten_;
        settled_.notify_all();
        placeWritten(lock);
    }
}

std::vector<PictureWriteQueue::Done> PictureWriteQueue::push(const QImage& picture,
                                                             std::string path,
                                                             PictureWriter writer, int tag) {
    std::vector<Done> done;
    std::unique_lock lock(mutex_);
    takeFinished(done);
    while (unwritten_ >= depth_ || jobs_.size() >= kMostPending) {
        settled_.wait(lock);
        takeFinished(done);
    }
    auto job = std::make_shared<Job>();
    job->picture = picture;
    job->path = std::move(path);
    job->writer = writer;
    job->tag = tag;
    jobs_.push_back(job);
    ++unwritten_;
    waiting_.push_back(job);
    // The workers stay for the whole queue: their memory stays warm.
    if (idle_ < static_cast<int>(waiting_.size()) && static_cast<int>(workers_.size()) < depth_) {
        try {
            workers_.emplace_back([this] { work(); });
            ++idle_;
        } catch (const std::system_error&) { // no thread to be had
        }
    }
    if (workers_.empty()) { // no worker at all: write here
        waiting_.clear();
        lock.unlock();
        write(*job);
        lock.lock();
        job->written = true;
        --unwritten_;
        placeWritten(lock);
        takeFinished(done);
        return done;
    }
    wake_.notify_one();
    return done;
}

std::vector<PictureWriteQueue::Done> PictureWriteQueue::finish() {
    std::vector<Done> done;
    std::unique_lock lock(mutex_);
    takeFinished(done);
    while (!jobs_.empty()) {
        settled_.wait(lock);
        takeFinished(done);
    }
    return done;
}

} // namespace plotwise
