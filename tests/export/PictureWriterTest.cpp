#include "export/PictureWriter.h"
#include "ExportFiles.h"
#include "export/BitmapWriter.h"
#include "export/PicSave.h"

#include <QImage>
#include <cstdint>
#include <gtest/gtest.h>

namespace plotwise {
namespace {

using test::channelDistance;
using test::fileBytes;
using test::folderEntries;
using test::plotPicture;

struct RoundTrip {
    PictureWriter writer;
    const char* fileName;
    std::string magic;  // the first bytes of a file of that format
    int colorTolerance; // 0: colours come back exact
};

void PrintTo(const RoundTrip& trip, std::ostream* out) {
    *out << trip.fileName;
}

class PictureRoundTrip : public testing::TestWithParam<RoundTrip> {};

// Each writer gives a file of its own format that reads back with the same
// size and colours.
TEST_P(PictureRoundTrip, WritesItsFormatAndReadsBack) {
    const RoundTrip& trip = GetParam();
    test::TempFolder temp;
    const std::string path = temp.path(trip.fileName);
    const QImage picture = plotPicture();
    ASSERT_FALSE(writePicture(picture, path, trip.writer));

    EXPECT_EQ(fileBytes(path).substr(0, trip.magic.size()), trip.magic);
    QImage back(QString::fromStdString(path));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.size(), picture.size());
    for (const test::ProbedColor& probe : test::PlotBlocks) {
        EXPECT_LE(channelDistance(back.pixel(probe.x, probe.y), probe.color), trip.colorTolerance)
            << std::hex << probe.color << " at " << std::dec << probe.x << "," << probe.y;
    }
    EXPECT_EQ(folderEntries(temp.path()), std::set<std::string>{trip.fileName});
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PictureRoundTrip,
    testing::Values(RoundTrip{PictureWriter::Gif, "plot.gif", "GIF8", 0},
                    RoundTrip{PictureWriter::Jpeg, "plot.jpg", "\xFF\xD8\xFF", 6},
                    RoundTrip{PictureWriter::Png, "plot.png", "\x89PNG\r\n\x1A\n", 0},
                    RoundTrip{PictureWriter::Bitmap, "plot.bmp", "BM", 0}),
    [](const auto& info) { return std::string(convertAllExtension(info.param.writer)); });

TEST(BitmapWriter, WritesA24BitWindowsBitmap) {
    test::TempFolder temp;
    const std::string path = temp.path("plot.bmp");
    // An indexed picture is still written with 24 bits per pixel.
    QImage picture = plotPicture().convertToFormat(QImage::Format_Indexed8);
    ASSERT_FALSE(saveBitmap(picture, path));
    const std::string bytes = fileBytes(path);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[14], 40); // BITMAPINFOHEADER
    EXPECT_EQ(bytes[28], 24); // bits per pixel
}

// A picture of n distinct colours, one per pixel in a row-major square.
QImage distinctColors(int n) {
    int side = 1;
    while (side * side < n)
        ++side;
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0));
    for (int i = 0; i < n; ++i)
        picture.setPixel(i % side, i / side, qRgb(i % 256, (i * 37) % 256, 255 - i / 256 * 9));
    return picture;
}

QImage gradient() {
    QImage picture(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, qRgb(x * 4, y * 4, 255 - x * 2));
    return picture;
}

// Largest colour error over all pixels of the GIF written from the picture.
int gifColorError(const QImage& picture) {
    test::TempFolder temp;
    const std::string path = temp.path("colors.gif");
    EXPECT_FALSE(writePicture(picture, path, PictureWriter::Gif));
    QImage back(QString::fromStdString(path));
    EXPECT_EQ(back.size(), picture.size());
    if (back.size() != picture.size()) return 256;
    int worst = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            worst = std::max(worst, channelDistance(back.pixel(x, y), picture.pixel(x, y)));
    return worst;
}

// Up to 256 colours stay exact; beyond, every pixel lands on a near colour
// and the file is still a valid GIF.
TEST(GifColors, ExactUpTo256ColoursNearBeyond) {
    EXPECT_EQ(gifColorError(distinctColors(1)), 0);
    EXPECT_EQ(gifColorError(distinctColors(3)), 0);
    EXPECT_EQ(gifColorError(distinctColors(255)), 0); // 256 with the black filler
    EXPECT_EQ(gifColorError(distinctColors(256)), 0);
    int quantized = gifColorError(distinctColors(300));
    EXPECT_GT(quantized, 0);
    EXPECT_LE(quantized, 26);
    EXPECT_LE(gifColorError(gradient()), 26);
}

// A PNG keeps every pixel exact: a picture of few colours in as few bits a
// pixel as its palette needs, rows of any width, more than 256 colours in
// full colour.
TEST(PngColors, ExactInTheFewestBits) {
    const struct {
        int colors, bits, colorType; // colour type 3: palette, 2: RGB
    } rows[] = {{1, 1, 3}, {2, 1, 3}, {3, 2, 3}, {5, 4, 3}, {16, 4, 3}, {17, 8, 3}, {256, 8, 3}, {300, 8, 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.colors);
        QImage picture(13, 25, QImage::Format_RGB32);
        for (int i = 0; i < 13 * 25; ++i)
            picture.setPixel(i % 13, i / 13, qRgb(i % row.colors % 256, i % row.colors / 256 * 40, 7));
        test::TempFolder temp;
        const std::string path = temp.path("colors.png");
        ASSERT_FALSE(writePicture(picture, path, PictureWriter::Png));
        const std::string bytes = fileBytes(path);
        ASSERT_GT(bytes.size(), 26u);
        EXPECT_EQ(bytes[24], row.bits);
        EXPECT_EQ(bytes[25], row.colorType);
        EXPECT_EQ(QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32), picture);
    }
}

struct BadArgument {
    const char* label;
    bool nullPicture;
    int format;
    int quality;
};

void PrintTo(const BadArgument& bad, std::ostream* out) {
    *out << bad.label;
}

class PicSaveArguments : public testing::TestWithParam<BadArgument> {};

// Bad arguments raise error 5 and write nothing.
TEST_P(PicSaveArguments, RaiseInvalidArgument) {
    const BadArgument& bad = GetParam();
    test::TempFolder temp;
    const QImage picture = bad.nullPicture ? QImage() : plotPicture();
    auto error =
        PicSave::instance().savePicture(picture, temp.path("plot"), bad.format, bad.quality);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 5);
    EXPECT_EQ(error->source, "PicSave");
    EXPECT_TRUE(folderEntries(temp.path()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PicSaveArguments,
    testing::Values(BadArgument{"NullPicture", true, ImageFormatCode::Png, 100},
                    BadArgument{"FormatBelow", false, -1, 100},
                    BadArgument{"Format3", false, 3, 100},
                    BadArgument{"JpegQuality0", false, ImageFormatCode::Jpeg, 0},
                    BadArgument{"JpegQuality101", false, ImageFormatCode::Jpeg, 101},
                    BadArgument{"PngQuality0", false, ImageFormatCode::Png, 0},
                    BadArgument{"GifQuality101", false, ImageFormatCode::Gif, 101}),
    [](const auto& info) { return std::string(info.param.label); });

// A writer that failed to start says so before it looks at its arguments.
TEST(PicSave, FailedStartRaisesStartError) {
    test::TempFolder temp;
    const PicSave unstarted(QList<QByteArray>{"png", "bmp"});
    EXPECT_FALSE(unstarted.started());
    for (int format : {ImageFormatCode::Png, 7}) {
        auto error = unstarted.savePicture(plotPicture(), temp.path("plot.png"), format, 100);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->number, ImageErrorNumber::StartFailed);
        EXPECT_EQ(error->description, "GDI+ failed to start");
    }
    EXPECT_TRUE(folderEntries(temp.path()).empty());
}

TEST(BitmapWriter, NullPictureIsInvalidArgument) {
    test::TempFolder temp;
    auto error = saveBitmap(QImage(), temp.path("plot.bmp"));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 5);
    EXPECT_TRUE(folderEntries(temp.path()).empty());
}

const PictureWriter AllWriters[] = {PictureWriter::Gif, PictureWriter::Jpeg, PictureWriter::Png,
                                    PictureWriter::Bitmap};

void expectCreateFailed(const std::string& path) {
    for (PictureWriter writer : AllWriters) {
        auto error = writePicture(plotPicture(), path, writer);
        ASSERT_TRUE(error) << path;
        EXPECT_EQ(error->number, ImageErrorNumber::CreateFailed) << path;
        EXPECT_TRUE(error->description.starts_with("SHCreateStreamOnFile error ")) << path;
        EXPECT_NE(error->description, "SHCreateStreamOnFile error 0") << path;
    }
}

// Targets no one can create, root included.
TEST(PictureWriter, TargetThatCannotBeCreated) {
    test::TempFolder temp;
    const std::string blocker = temp.write("blocker", "x");
    temp.makeFolder("plot.png");
    expectCreateFailed(temp.path("missing/plot.png"));
    expectCreateFailed(blocker + "/plot.png");
    expectCreateFailed(temp.path("plot.png"));
    expectCreateFailed("");
    EXPECT_EQ(fileBytes(blocker), "x");
    EXPECT_EQ(folderEntries(temp.path()), (std::set<std::string>{"blocker", "plot.png"}));
}

TEST(PictureWriter, FolderWithoutWritePermission) {
    test::TempFolder temp;
    temp.makeFolder("locked");
    namespace fs = std::filesystem;
    const fs::path locked = temp.path("locked");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    const bool permissionsHold = !std::ofstream(locked / "probe");
    if (permissionsHold) expectCreateFailed((locked / "plot.png").string());
    fs::permissions(locked, fs::perms::owner_all);
    if (!permissionsHold) GTEST_SKIP() << "permissions do not stop writes for this user";
    EXPECT_TRUE(folderEntries(locked.string()).empty());
}

// An encoder failure after the temporary file was opened leaves the earlier
// file as it was and no temporary file; GIF and JPEG cannot be this wide.
TEST(PictureWriter, FailedEncodingKeepsTheEarlierFile) {
    test::TempFolder temp;
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
    EXPECT_EQ(folderEntries(temp.path()), (std::set<std::string>{"plot.gif", "plot.jpg"}));
}

} // namespace
} // namespace plotwise
