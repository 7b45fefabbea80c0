#include "export/AtomicFile.h"
#include "ExportFiles.h"
#include "export/PictureWriter.h"

#include <QIODevice>
#include <cerrno>
#include <gtest/gtest.h>

namespace plotwise {
namespace {

using test::fileBytes;
using test::folderEntries;

TEST(AtomicFile, ReplacesTheWholeFile) {
    test::TempFolder temp;
    const std::string path = temp.write("TABLE.TXT", "an earlier, longer table\r\n");
    ASSERT_FALSE(writeFileAtomically(path, std::string_view("a\tb\r\n")));
    EXPECT_EQ(fileBytes(path), "a\tb\r\n");
    ASSERT_FALSE(writeFileAtomically(path, std::string_view()));
    EXPECT_EQ(fileBytes(path), "");
    // Told not to replace it once the bytes are synced: the file stays as it was.
    ASSERT_FALSE(writeFileAtomically(path, std::string_view("x"), [] { return false; }));
    EXPECT_EQ(fileBytes(path), "");
    EXPECT_EQ(folderEntries(temp.path()), std::set<std::string>{"TABLE.TXT"});
}

TEST(AtomicFile, FailedFillKeepsTheEarlierFile) {
    test::TempFolder temp;
    const std::string path = temp.write("TABLE.TXT", "earlier\r\n");
    auto failure = writeFileAtomically(path, [](QIODevice& device) {
        device.write("half a ta");
        return 28;
    });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->step, FileWriteFailure::Step::Write);
    EXPECT_EQ(failure->status, 28);
    EXPECT_EQ(fileBytes(path), "earlier\r\n");
    EXPECT_EQ(folderEntries(temp.path()), std::set<std::string>{"TABLE.TXT"});
}

TEST(AtomicFile, MissingFolderFailsAtCreate) {
    test::TempFolder temp;
    auto failure = writeFileAtomically(temp.path("missing/TABLE.TXT"), std::string_view("x"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->step, FileWriteFailure::Step::Create);
    EXPECT_EQ(failure->status, ENOENT);
    EXPECT_TRUE(folderEntries(temp.path()).empty());
}

struct Ending {
    const char* fileName;
    std::optional<PictureWriter> writer;
};

// The save dialog accepts a name by its lower-cased ending only.
TEST(PictureWriter, WriterForFileName) {
    const Ending endings[] = {
        {"A1234.jpg", PictureWriter::Jpeg},
        {"C:\\curves\\PLOT.PNG", PictureWriter::Png},
        {"plot.Gif", PictureWriter::Gif},
        {"/srv/M8.nrcur.bmp", PictureWriter::Bitmap},
        {"plot", std::nullopt},
        {"plot.jpeg", std::nullopt},
        {"plot.png.txt", std::nullopt},
        {"plotpng", std::nullopt},
        {"", std::nullopt},
    };
    for (const Ending& ending : endings)
        EXPECT_EQ(writerForFileName(ending.fileName), ending.writer) << ending.fileName;
}

// Convert all names its files with these endings; they lead back to the writer.
TEST(PictureWriter, ConvertAllExtensions) {
    const std::pair<PictureWriter, const char*> writers[] = {{PictureWriter::Jpeg, "jpg"},
        {PictureWriter::Png, "png"}, {PictureWriter::Gif, "gif"}, {PictureWriter::Bitmap, "BMP"}};
    for (const auto& [writer, extension] : writers) {
        EXPECT_EQ(convertAllExtension(writer), std::string(extension));
        EXPECT_EQ(writerForFileName(std::string("A1234.") + extension), writer);
    }
}

} // namespace
} // namespace plotwise
