// The naming and format rules of the exports; the save dialog and convert
// all in the core tests show the common names.
#include "shell/ExportRules.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

TEST(ExportRules, ConvertAllNamesAndEntries) {
    const struct {
        const char* entry;
        PictureWriter writer;
        const char* name; // "" when the entry is not converted
    } rows[] = {
        {"A1234.NRCUR\\                              Torque  25.34", PictureWriter::Jpeg,
         "A1234.jpg"},
        {"E.NRACD", PictureWriter::Bitmap, "E.BMP"}, // the bitmap writer's ending in upper case
        {"M8.bolt.nrcur", PictureWriter::Jpeg, "M8.jpg"}, // the name before its first dot
        {"line3_results.TSV", PictureWriter::Jpeg, ""}, // a result table is no curve file
        {"line3_results.tsv", PictureWriter::Jpeg, ""},
        {"nodot", PictureWriter::Jpeg, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.entry);
        const bool converted = *row.name != '\0';
        EXPECT_EQ(convertsEntry(row.entry), converted);
        if (converted) {
            EXPECT_EQ(convertAllFileName("/data/curves", row.entry, row.writer),
                      std::string("/data/curves/") + row.name);
        }
    }
}

TEST(ExportRules, RememberedFormatIsTheTipText) {
    LanguageTable table;
    table.applyBuiltIn();
    for (PictureWriter writer : {PictureWriter::Jpeg, PictureWriter::Png, PictureWriter::Gif, PictureWriter::Bitmap})
        EXPECT_EQ(exportFormatOfTip(table, exportFormatTip(table, writer)), writer);
    EXPECT_EQ(exportFormatTip(table, PictureWriter::Bitmap), "Convert All Curve as bmp Files");
    EXPECT_EQ(exportFormatOfTip(table, "anything else"), PictureWriter::Bitmap);
    table.set(LanguageTable::ConvertAllJpg, "Alle als JPG");
    EXPECT_EQ(exportFormatOfTip(table, "Alle als JPG"), PictureWriter::Jpeg);
}

TEST(ExportRules, FailureLinesSayWhatFailed) {
    test::TempFolder temp;
    temp.makeFolder("in the way.png");
    const std::string missing = temp.path("gone/plot.png");
    EXPECT_EQ(writeFailureLine(missing, "SHCreateStreamOnFile error 2"),
              "Could not save plot.png: the folder " + temp.path("gone") + " does not exist");
    EXPECT_EQ(writeFailureLine(temp.path("in the way.png"), "x"),
              "Could not save in the way.png: a folder of that name is in the way");
    const std::string blocker = temp.write("file", "x");
    EXPECT_EQ(writeFailureLine(blocker + "/plot.png", "x"),
              "Could not save plot.png: " + blocker + " is not a folder");
    EXPECT_EQ(writeFailureLine(temp.path("plot.png"), "GdipSaveImageToStream error 5"),
              "Could not save plot.png: GdipSaveImageToStream error 5");
}

} // namespace
} // namespace plotwise
