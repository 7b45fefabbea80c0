// The picture writers: formats that read back, the save dialog's endings, bad
// arguments, targets that cannot be written, and the queue of convert all.
#include "export/PictureWriter.h"
#include "ExportFiles.h"
#include "export/BitmapWriter.h"
#include "export/PicSave.h"
#include "export/PictureWriteQueue.h"

#include <atomic>
#include <gtest/gtest.h>

namespace plotwise {
namespace {

using namespace test;
using Names = std::set<std::string>;
using enum PictureWriter;
const PictureWriter AllWriters[] = {Gif, Jpeg, Png, Bitmap};

// Each writer gives a file of its own format that reads back with the same
// size and colours, and encodes in memory the very bytes it writes.
TEST(PictureWriter, WritesItsFormatReadsBackAndEncodesTheSameBytes) {
    struct RoundTrip {
        PictureWriter writer;
        std::string magic;  // the first bytes of a file of that format
        int colorTolerance; // 0: colours come back exact
    } trips[] = {{Gif, "GIF8", 0}, {Jpeg, "\xFF\xD8\xFF", 6}, {Png, "\x89PNG\r\n\x1A\n", 0},
                 {Bitmap, "BM", 0}};
    for (const RoundTrip& trip : trips) {
        const std::string name = "plot." + std::string(convertAllExtension(trip.writer));
        SCOPED_TRACE(name);
        TempFolder temp;
        const std::string path = temp.path(name);
        ASSERT_FALSE(writePicture(plotPicture(), path, trip.writer));
        EXPECT_EQ(fileBytes(path).substr(0, trip.magic.size()), trip.magic);
        QImage back(QString::fromStdString(path));
        ASSERT_EQ(back.size(), plotPicture().size());
        for (const ProbedColor& probe : PlotBlocks)
            EXPECT_LE(channelDistance(back.pixel(probe.x, probe.y), probe.color),
                      trip.colorTolerance) << probe.x << "," << probe.y;
        EXPECT_EQ(folderEntries(temp.path()), Names{name});
        QByteArray bytes;
        ASSERT_FALSE(encodePicture(plotPicture(), trip.writer, bytes));
        EXPECT_EQ(bytes.toStdString(), fileBytes(path));
    }
}

// The save dialog accepts a name by its lower-cased ending only; convert all
// names its files with endings that lead back to the writer.
TEST(PictureWriter, WriterForFileNameAndConvertAllExtension) {
    const std::pair<const char*, std::optional<PictureWriter>> endings[] = {
        {"A1234.jpg", Jpeg}, {"C:\\curves\\PLOT.PNG", Png}, {"plot.Gif", Gif},
        {"/srv/M8.nrcur.bmp", Bitmap}, {"A1234.BMP", Bitmap}, {"plot", std::nullopt},
        {"plot.jpeg", std::nullopt}, {"plot.png.txt", std::nullopt}, {"plotpng", std::nullopt},
        {"", std::nullopt}};
    for (const auto& [fileName, writer] : endings)
        EXPECT_EQ(writerForFileName(fileName), writer) << fileName;
    const char* extensions[] = {"gif", "jpg", "png", "BMP"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(convertAllExtension(AllWriters[i]), extensions[i]);
}

TEST(BitmapWriter, WritesA24BitWindowsBitmapAndRefusesANullPicture) {
    TempFolder temp;
    // An indexed picture is still written with 24 bits per pixel.
    ASSERT_FALSE(saveBitmap(plotPicture().convertToFormat(QImage::Format_Indexed8),
                            temp.path("plot.bmp")));
    const std::string bytes = fileBytes(temp.path("plot.bmp"));
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[14], 40); // BITMAPINFOHEADER
    EXPECT_EQ(bytes[28], 24); // bits per pixel
    auto error = saveBitmap(QImage(), temp.path("null.bmp"));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 5);
    EXPECT_EQ(folderEntries(temp.path()), Names{"plot.bmp"});
}

// Largest colour error over all pixels of the GIF written from the picture.
int gifColorError(const QImage& picture) {
    TempFolder temp;
    EXPECT_FALSE(writePicture(picture, temp.path("colors.gif"), Gif));
    QImage back(QString::fromStdString(temp.path("colors.gif")));
    if (back.size() != picture.size()) return 256; // fails every row
    int worst = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            worst = std::max(worst, channelDistance(back.pixel(x, y), picture.pixel(x, y)));
    return worst;
}

// Up to 256 colours stay exact; beyond, every pixel lands on a near colour
// and the file is still a valid GIF.
TEST(GifColors, ExactUpTo256ColoursNearBeyond) {
    for (auto [n, exact] : {std::pair{1, true}, {3, true}, {255, true}, {256, true}, {300, false}}) {
        const int side = static_cast<int>(std::ceil(std::sqrt(n))); // n distinct colours
        QImage picture(side, side, QImage::Format_RGB32);
        picture.fill(qRgb(0, 0, 0)); // 255 colours make 256 with this filler
        for (int i = 0; i < n; ++i)
            picture.setPixel(i % side, i / side, qRgb(i % 256, (i * 37) % 256, 255 - i / 256 * 9));
        const int error = gifColorError(picture);
        EXPECT_TRUE(exact ? error == 0 : error > 0 && error <= 26) << n << " colours: " << error;
    }
    QImage gradient(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) gradient.setPixel(x, y, qRgb(x * 4, y * 4, 255 - x * 2));
    EXPECT_LE(gifColorError(gradient), 26);
}

// A PNG keeps every pixel exact: a picture of few colours in as few bits a
// pixel as its palette needs, rows of any width, more than 256 colours in
// full colour.
TEST(PngColors, ExactInTheFewestBits) {
    const struct {
        int colors, bits, colorType; // colour type 3: palette, 2: RGB
    } rows[] = {{1, 1, 3},  {2, 1, 3},  {3, 2, 3},   {5, 4, 3},
                {16, 4, 3}, {17, 8, 3}, {256, 8, 3}, {300, 8, 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.colors);
        QImage picture(13, 25, QImage::Format_RGB32);
        for (int i = 0; i < 13 * 25; ++i)
            picture.setPixel(i % 13, i / 13, qRgb(i % row.colors % 256, i % row.colors / 256 * 40, 7));
        TempFolder temp;
        const std::string path = temp.path("colors.png");
        ASSERT_FALSE(writePicture(picture, path, Png));
        const std::string bytes = fileBytes(path);
        ASSERT_GT(bytes.size(), 26u);
        EXPECT_EQ(bytes[24], row.bits);
        EXPECT_EQ(bytes[25], row.colorType);
        EXPECT_EQ(QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32), picture);
    }
}

// Bad arguments raise error 5 and write nothing; a writer that failed to
// start says so before it looks at its arguments.
TEST(PicSave, BadArgumentsAndAFailedStart) {
    struct Bad {
        const char* label;
        bool nullPicture;
        int format, quality;
    } bad[] = {{"null picture", true, ImageFormatCode::Png, 100}, {"format below", false, -1, 100},
               {"format 3", false, 3, 100}, {"JPEG quality 0", false, ImageFormatCode::Jpeg, 0},
               {"JPEG quality 101", false, ImageFormatCode::Jpeg, 101},
               {"PNG quality 0", false, ImageFormatCode::Png, 0},
               {"GIF quality 101", false, ImageFormatCode::Gif, 101}};
    TempFolder temp;
    for (const Bad& b : bad) {
        const QImage picture = b.nullPicture ? QImage() : plotPicture();
        auto error = PicSave::instance().savePicture(picture, temp.path("plot"), b.format, b.quality);
        ASSERT_TRUE(error) << b.label;
        EXPECT_EQ(error->number, 5) << b.label;
        EXPECT_EQ(error->source, "PicSave") << b.label;
    }
    const PicSave unstarted(QList<QByteArray>{"png", "bmp"});
    EXPECT_FALSE(unstarted.started());
    for (int format : {ImageFormatCode::Png, 7}) {
        auto error = unstarted.savePicture(plotPicture(), temp.path("plot.png"), format, 100);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->number, ImageErrorNumber::StartFailed);
        EXPECT_EQ(error->description, "GDI+ failed to start");
    }
    EXPECT_TRUE(folderEntries(temp.path()).empty());
    QByteArray bytes;
    auto error = encodePicture(QImage(), Png, bytes);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 5);
}

// Targets no one can create, root included, and a folder without write
// permission where permissions stop this user.
TEST(PictureWriter, TargetThatCannotBeCreated) {
    TempFolder temp;
    const std::string blocker = temp.write("blocker", "x");
    temp.makeFolder("plot.png");
    temp.makeFolder("locked");
    namespace fs = std::filesystem;
    fs::permissions(temp.path("locked"), fs::perms::owner_read | fs::perms::owner_exec);
    std::vector<std::string> targets{temp.path("missing/plot.png"), blocker + "/plot.png",
                                     temp.path("plot.png"), ""};
    if (!std::ofstream(temp.path("locked/probe"))) targets.push_back(temp.path("locked/plot.png"));
    for (const std::string& path : targets)
        for (PictureWriter writer : AllWriters) {
            auto error = writePicture(plotPicture(), path, writer);
            ASSERT_TRUE(error) << path;
            EXPECT_EQ(error->number, ImageErrorNumber::CreateFailed) << path;
            EXPECT_TRUE(error->description.starts_with("SHCreateStreamOnFile error ")) << path;
            EXPECT_NE(error->description, "SHCreateStreamOnFile error 0") << path;
        }
    fs::permissions(temp.path("locked"), fs::perms::owner_all);
    EXPECT_EQ(fileBytes(blocker), "x");
    fs::remove(temp.path("locked/probe"));
    EXPECT_TRUE(folderEntries(temp.path("locked")).empty());
    EXPECT_EQ(folderEntries(temp.path()), (Names{"blocker", "locked", "plot.png"}));
}

// An encoder failure after the temporary file was opened leaves the earlier
// file as it was and no temporary file; GIF and JPEG cannot be this wide.
TEST(PictureWriter, FailedEncodingKeepsTheEarlierFile) {
    TempFolder temp;
    const QImage tooWide(70000, 1, QImage::Format_RGB32);
    for (const char* name : {"plot.gif", "plot.jpg"}) {
        const std::string path = temp.write(name, "earlier");
        auto error = writePicture(tooWide, path, *writerForFileName(name));
        ASSERT_TRUE(error) << name;
        EXPECT_EQ(error->number, ImageErrorNumber::SaveFailed) << name;
        EXPECT_TRUE(error->description.starts_with("GdipSaveImageToStream error ")) << name;
        EXPECT_NE(error->description, "GdipSaveImageToStream error 0") << name;
        EXPECT_EQ(fileBytes(path), "earlier") << name;
    }
    EXPECT_EQ(folderEntries(temp.path()), (Names{"plot.gif", "plot.jpg"}));
}

// The queue of convert all: results in order; the picture is copied when
// queued; a later write to the same path wins; and no file is written after
// one that failed, even one already encoded and synced beside its target.
TEST(PictureWriteQueue, WritesInOrderFromACopyAndStopsAtAFailure) {
    TempFolder temp;
    temp.makeFolder("b.gif");
    using Results = std::vector<std::string>;
    auto run = [&](PictureWriteQueue&& queue, std::vector<const char*> names, PictureWriter writer) {
        Results done;
        auto note = [&done](const std::vector<PictureWriteQueue::Done>& finished) {
            for (const auto& d : finished)
                done.push_back(std::to_string(d.tag) + (d.skipped ? " skipped" : "") +
                               (d.error ? " " + std::to_string(d.error->number) : "") +
                               (d.skipped || d.error ? "" : " ok"));
        };
        QImage picture = plotPicture();
        for (int i = 0; i < static_cast<int>(names.size()); ++i) {
            note(queue.push(picture, temp.path(names[i]), writer, i));
            picture.fill(qRgb(10 * i, 0, 0)); // drawing on does not reach the queued copy
        }
        note(queue.finish());
        return done;
    };
    for (const int depth : {1, 2, 3, 8}) { // one picture or many under way
        SCOPED_TRACE(depth);
        for (const auto& entry : std::filesystem::directory_iterator(temp.path()))
            if (entry.path().filename() != "b.gif") std::filesystem::remove(entry.path());
        std::atomic<int> started{0};
        EXPECT_EQ(run(PictureWriteQueue(depth, [&started] { ++started; }),
                      {"p0.png", "p1.png", "p2.png", "p3.png", "p4.png", "p0.png"}, Png),
                  (Results{"0 ok", "1 ok", "2 ok", "3 ok", "4 ok", "5 ok"}));
        EXPECT_TRUE(started >= 1 && started <= depth) << "each worker told once it starts";
        EXPECT_EQ(QImage(QString::fromStdString(temp.path("p1.png"))).pixel(30, 30), qRgb(0, 0, 0));
        EXPECT_EQ(QImage(QString::fromStdString(temp.path("p0.png"))).pixel(30, 30), qRgb(40, 0, 0));
        const std::string createFailed = std::to_string(ImageErrorNumber::CreateFailed);
        EXPECT_EQ(run(PictureWriteQueue(depth), {"a.gif", "b.gif", "c.gif", "d.gif"}, Gif),
                  (Results{"0 ok", "1 " + createFailed, "2 skipped", "3 skipped"}));
        EXPECT_EQ(folderEntries(temp.path()).size(), 7u) << "p0 to p4, a.gif and b.gif";
        EXPECT_FALSE(std::filesystem::exists(temp.path("c.gif")));
    }
}

} // namespace
} // namespace plotwise
