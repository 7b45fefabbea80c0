// Every writer the program has, on a disk that fills up, in a folder that is
// read-only and under a parent that is a file: the write fails, the earlier
// file stays as it was and no temporary file is left behind. New writers
// (convert all, TABLE.TXT) join by adding a row to kWriters.
#include "ExportFiles.h"
#include "export/AtomicFile.h"
#include "export/BitmapWriter.h"
#include "export/PicSave.h"
#include "shell/LocalPlatform.h"

#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <random>

#ifdef __linux__
#include <sys/mount.h>
#endif

namespace plotwise {
namespace {

using test::fileBytes;
using test::folderEntries;

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

struct Writer {
    const char* name;
    const char* fileName;
    std::function<bool(const std::string& path)> write; // true when written
};

const Writer kWriters[] = {
    {"PicSave GIF", "plot.gif",
     [](const std::string& path) {
         return !PicSave::instance().savePicture(noisePicture(), path, ImageFormatCode::Gif, 100);
     }},
    {"PicSave JPEG", "plot.jpg",
     [](const std::string& path) {
         return !PicSave::instance().savePicture(noisePicture(), path, ImageFormatCode::Jpeg, 100);
     }},
    {"PicSave PNG", "plot.png",
     [](const std::string& path) {
         return !PicSave::instance().savePicture(noisePicture(), path, ImageFormatCode::Png, 100);
     }},
    {"bitmap", "plot.bmp", [](const std::string& path) { return !saveBitmap(noisePicture(), path); }},
    {"whole file (TABLE.TXT)", "TABLE.TXT",
     [](const std::string& path) { return !writeFileAtomically(path, std::string(1 << 20, 'x')); }},
    {"PATH.CFG", "PATH.CFG",
     [](const std::string& path) { return LocalPlatform().replaceFile(path, std::string(1 << 20, 'x')); }},
};

const std::string kEarlier = "the earlier file\r\n";

#ifdef __linux__
// A small tmpfs of its own; mounting needs a privilege a plain CI run may
// not have, so ok() says whether it worked.
class SmallTmpfs {
public:
    explicit SmallTmpfs(const std::string& folder) : folder_(folder) {
        std::filesystem::create_directories(folder_);
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallTmpfs() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    bool ok() const { return mounted_; }
    bool makeReadOnly() const {
        return ::mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=256k") == 0;
    }
    // Fills the file system until no byte is left.
    void fill() const {
        std::ofstream out(folder_ + "/filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (out.write(block.data(), static_cast<std::streamsize>(block.size()))) {}
    }

private:
    std::string folder_;
    bool mounted_ = false;
};
#endif

TEST(WriterFailure, ParentIsAFile) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        test::TempFolder temp;
        const std::string file = temp.write("notafolder", kEarlier);
        EXPECT_FALSE(writer.write(file + "/" + writer.fileName));
        EXPECT_EQ(fileBytes(file), kEarlier);
        EXPECT_EQ(folderEntries(temp.path()), std::set<std::string>{"notafolder"});
    }
}

#ifdef __linux__
TEST(WriterFailure, FullDiskKeepsTheEarlierFile) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        test::TempFolder temp;
        SmallTmpfs disk(temp.path("disk"));
        if (!disk.ok()) GTEST_SKIP() << "no tmpfs can be mounted here (needs CAP_SYS_ADMIN)";
        const std::string path = temp.path("disk/") + writer.fileName;
        std::ofstream(path, std::ios::binary) << kEarlier;
        disk.fill();
        const auto before = folderEntries(temp.path("disk"));
        EXPECT_FALSE(writer.write(path));
        EXPECT_EQ(fileBytes(path), kEarlier);
        EXPECT_EQ(folderEntries(temp.path("disk")), before);
    }
}

TEST(WriterFailure, ReadOnlyFolderKeepsTheEarlierFile) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        test::TempFolder temp;
        SmallTmpfs disk(temp.path("disk"));
        if (!disk.ok()) GTEST_SKIP() << "no tmpfs can be mounted here (needs CAP_SYS_ADMIN)";
        const std::string path = temp.path("disk/") + writer.fileName;
        std::ofstream(path, std::ios::binary) << kEarlier;
        ASSERT_TRUE(disk.makeReadOnly());
        EXPECT_FALSE(writer.write(path));
        EXPECT_EQ(fileBytes(path), kEarlier);
        EXPECT_EQ(folderEntries(temp.path("disk")), std::set<std::string>{writer.fileName});
    }
}
#endif

// The same writers succeed where they can write: the failures above are the
// conditions', not the writers'.
TEST(WriterFailure, EveryWriterWritesWhereItCan) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        test::TempFolder temp;
        const std::string path = temp.write(writer.fileName, kEarlier);
        EXPECT_TRUE(writer.write(path));
        EXPECT_NE(fileBytes(path), kEarlier);
        EXPECT_EQ(folderEntries(temp.path()), std::set<std::string>{writer.fileName});
    }
}

} // namespace
} // namespace plotwise
