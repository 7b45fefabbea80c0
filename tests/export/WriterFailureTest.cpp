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

#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <random>

namespace plotwise {
namespace {

using test::fileBytes;
using test::folderEntries;
using test::SmallTmpfs;

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
