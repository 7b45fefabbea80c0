// Every writer the program has, on a disk that fills up, in a folder that is
// read-only and under a parent that is a file: the write fails, the earlier
// file stays as it was and no temporary file is left behind. Convert all and
// TABLE.TXT are run through the window core in the shell tests.
#include "ExportFiles.h"
#include "export/AtomicFile.h"
#include "export/BitmapWriter.h"
#include "export/PicSave.h"
#include "shell/LocalPlatform.h"
#include "support/SmallTmpfs.h"

#include <QIODevice>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace plotwise {
namespace {

using namespace test;
using Names = std::set<std::string>;

// A picture of noise: no encoder makes it small.
const QImage& noisePicture() {
    static const QImage picture = [] {
        QImage image(700, 700, QImage::Format_RGB32);
        std::mt19937 random(7);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, random() & 0xFFFFFF);
        return image;
    }();
    return picture;
}

bool picSave(const std::string& path, int format) {
    return !PicSave::instance().savePicture(noisePicture(), path, format, 100);
}

const struct Writer {
    const char* fileName;
    std::function<bool(const std::string& path)> write; // true when written
} kWriters[] = {
    {"plot.gif", [](const std::string& path) { return picSave(path, ImageFormatCode::Gif); }},
    {"plot.jpg", [](const std::string& path) { return picSave(path, ImageFormatCode::Jpeg); }},
    {"plot.png", [](const std::string& path) { return picSave(path, ImageFormatCode::Png); }},
    {"plot.bmp", [](const std::string& path) { return !saveBitmap(noisePicture(), path); }},
    {"TABLE.TXT", // the whole-file writer
     [](const std::string& path) { return !writeFileAtomically(path, std::string(1 << 20, 'x')); }},
    {"PATH.CFG",
     [](const std::string& path) { return LocalPlatform().replaceFile(path, std::string(1 << 20, 'x')); }},
    // Bytes that fit a write buffer fail only when flushed.
    {"small.txt", [](const std::string& path) { return !writeFileAtomically(path, "C:\\\r\n"); }},
    {"settings.cfg", [](const std::string& path) { return LocalPlatform().replaceFile(path, "C:\\\r\n"); }},
};

const std::string kEarlier = "the earlier file\r\n";

// Each condition leaves the earlier file in `folder` and no temporary file,
// unnamed or named; the writers that can write there (the last condition)
// show the failures are the conditions'.
TEST(WriterFailure, EveryWriterKeepsTheEarlierFileWhereItCannotWrite) {
    enum Condition { ParentIsAFile, FullDisk, ReadOnlyFolder, Writable };
    struct Unnamed {
        ~Unnamed() { useNamedTemporaryFiles(false); }
    } afterwards;
    bool unmounted = false;
    for (const bool named : {false, true})
        for (Condition condition : {ParentIsAFile, FullDisk, ReadOnlyFolder, Writable})
            for (const Writer& writer : kWriters) {
                SCOPED_TRACE(std::string(writer.fileName) + " in condition " +
                             std::to_string(condition) + (named ? ", named temporary files" : ""));
                useNamedTemporaryFiles(named);
                test::TempFolder temp;
                const std::string folder = temp.path("disk");
                std::optional<test::SmallTmpfs> disk;
                if (condition == FullDisk || condition == ReadOnlyFolder) disk.emplace(folder);
                if (disk && !disk->ok()) {
                    unmounted = true;
                    continue;
                }
                const std::string earlier =
                    temp.write("disk/" + std::string(condition == ParentIsAFile ? "notafolder"
                                                                                : writer.fileName),
                               kEarlier);
                if (condition == FullDisk) disk->fill();
                ASSERT_TRUE(condition != ReadOnlyFolder || disk->makeReadOnly());
                const Names before = folderEntries(folder);
                const std::string target =
                    condition == ParentIsAFile ? earlier + "/" + writer.fileName : earlier;
                EXPECT_EQ(writer.write(target), condition == Writable);
                EXPECT_EQ(fileBytes(earlier) == kEarlier, condition != Writable);
                EXPECT_EQ(folderEntries(folder), before);
            }
    if (unmounted) GTEST_SKIP() << "no tmpfs can be mounted here (needs CAP_SYS_ADMIN)";
}

// The whole file is replaced, however much shorter; a fill that fails keeps
// the earlier file; a missing folder fails at create. Through unnamed
// temporary files and, as on a file system without them, named ones.
TEST(AtomicFile, ReplacesTheWholeFileOrNamesTheFailedStep) {
    struct Unnamed {
        ~Unnamed() { useNamedTemporaryFiles(false); }
    } afterwards;
    for (const bool named : {false, true}) {
        SCOPED_TRACE(named ? "named temporary files" : "unnamed temporary files");
        useNamedTemporaryFiles(named);
        test::TempFolder temp;
        const std::string path = temp.write("TABLE.TXT", "an earlier, longer table\r\n");
        std::filesystem::permissions(path, std::filesystem::perms(0640));
        ASSERT_FALSE(writeFileAtomically(path, std::string_view("a\tb\r\n")));
        EXPECT_EQ(fileBytes(path), "a\tb\r\n");
        EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
        auto failure = writeFileAtomically(path, [](QIODevice& device) {
            device.write("half a ta");
            return 28;
        });
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->step, FileWriteFailure::Step::Write);
        EXPECT_EQ(failure->status, 28);
        EXPECT_EQ(fileBytes(path), "a\tb\r\n");
        ASSERT_FALSE(writeFileAtomically(path, std::string_view()));
        EXPECT_EQ(fileBytes(path), "");
        // Written and synced beside it but dropped: the file stays as it was.
        ASSERT_TRUE(std::holds_alternative<PendingFile>(writeFileBeside(path, bytesFiller("x"))));
        EXPECT_EQ(fileBytes(path), "");
        failure = writeFileAtomically(temp.path("missing/TABLE.TXT"), std::string_view("x"));
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->step, FileWriteFailure::Step::Create);
        EXPECT_EQ(failure->status, ENOENT);
        EXPECT_EQ(folderEntries(temp.path()), Names{"TABLE.TXT"});
    }
}

} // namespace
} // namespace plotwise
