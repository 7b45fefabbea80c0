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

// In one run the first file of a stem keeps the short name; later ones of
// the same stem are named by their whole file name.
TEST(ExportRules, SameStemFilesInOneRunKeepTheirImagesApart) {
    const struct {
        const char* entry;
        const char* name;
        bool renamed;
    } rows[] = {{"part1.nrcur", "part1.png", false},
                {"part1.BIN\\   Torque  25.34", "part1.BIN.png", true},
                {"part1.CUR", "part1.CUR.png", true},
                {"part2.CUR", "part2.png", false}};
    std::set<std::string> taken;
    for (const auto& row : rows) {
        bool renamed = !row.renamed;
        EXPECT_EQ(convertAllFileName("/d", row.entry, PictureWriter::Png, taken, renamed),
                  std::string("/d/") + row.name);
        EXPECT_EQ(renamed, row.renamed) << row.entry;
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

} // namespace
} // namespace plotwise
