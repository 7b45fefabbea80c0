#include "export/PictureWriteQueue.h"
#include "ExportFiles.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

using test::fileBytes;
using test::folderEntries;
using test::plotPicture;

std::vector<std::string> describe(const std::vector<PictureWriteQueue::Done>& done) {
    std::vector<std::string> lines;
    for (const auto& d : done)
        lines.push_back(std::to_string(d.tag) + (d.skipped ? " skipped" : d.error ? " failed" : " ok"));
    return lines;
}

// In memory, each writer gives the bytes it writes to a file.
TEST(PictureWriteQueue, EncodesAsTheFileWriterWrites) {
    test::TempFolder temp;
    for (PictureWriter writer :
         {PictureWriter::Gif, PictureWriter::Jpeg, PictureWriter::Png, PictureWriter::Bitmap}) {
        const std::string path = temp.path("p." + std::string(convertAllExtension(writer)));
        ASSERT_FALSE(writePicture(plotPicture(), path, writer));
        QByteArray bytes;
        ASSERT_FALSE(encodePicture(plotPicture(), writer, bytes));
        EXPECT_EQ(bytes.toStdString(), fileBytes(path)) << path;
    }
    QByteArray bytes;
    const auto error = encodePicture(QImage(), PictureWriter::Png, bytes);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 5);
}

// Results in order whether one or many pictures are under way; the picture is
// copied when queued; a later write to the same path wins.
TEST(PictureWriteQueue, WritesInOrderFromACopy) {
    for (const int depth : {1, 2, 8}) {
        SCOPED_TRACE(depth);
        test::TempFolder temp;
        PictureWriteQueue queue(depth);
        QImage picture = plotPicture();
        std::vector<PictureWriteQueue::Done> done;
        for (int i = 0; i < 6; ++i) {
            const std::string path = temp.path(i == 5 ? "p0.png" : "p" + std::to_string(i) + ".png");
            auto finished = queue.push(picture, path, PictureWriter::Png, i);
            done.insert(done.end(), finished.begin(), finished.end());
            picture.fill(qRgb(10 * i, 0, 0)); // drawing on does not reach the queued copy
        }
        auto rest = queue.finish();
        done.insert(done.end(), rest.begin(), rest.end());
        EXPECT_EQ(describe(done), (std::vector<std::string>{"0 ok", "1 ok", "2 ok", "3 ok", "4 ok", "5 ok"}));
        EXPECT_EQ(QImage(QString::fromStdString(temp.path("p1.png"))).pixel(30, 30), qRgb(0, 0, 0) | 0xff000000u);
        EXPECT_EQ(QImage(QString::fromStdString(temp.path("p0.png"))).pixel(30, 30), qRgb(40, 0, 0));
        EXPECT_EQ(folderEntries(temp.path()).size(), 5u);
    }
}

// No file is written after one that failed, even one already encoded and
// synced beside its target.
TEST(PictureWriteQueue, NothingIsWrittenAfterAFailure) {
    for (const int depth : {1, 3, 8}) {
        SCOPED_TRACE(depth);
        test::TempFolder temp;
        temp.makeFolder("b.gif");
        PictureWriteQueue queue(depth);
        std::vector<PictureWriteQueue::Done> done;
        for (const char* name : {"a.gif", "b.gif", "c.gif", "d.gif"}) {
            auto finished = queue.push(plotPicture(), temp.path(name), PictureWriter::Gif, name[0]);
            done.insert(done.end(), finished.begin(), finished.end());
        }
        auto rest = queue.finish();
        done.insert(done.end(), rest.begin(), rest.end());
        ASSERT_EQ(done.size(), 4u);
        EXPECT_FALSE(done[0].error);
        ASSERT_TRUE(done[1].error);
        EXPECT_EQ(done[1].error->number, ImageErrorNumber::CreateFailed);
        EXPECT_TRUE(done[2].skipped && done[3].skipped);
        EXPECT_FALSE(done[2].error || done[3].error);
        EXPECT_EQ(folderEntries(temp.path()), (std::set<std::string>{"a.gif", "b.gif"}));
    }
}

} // namespace
} // namespace plotwise
