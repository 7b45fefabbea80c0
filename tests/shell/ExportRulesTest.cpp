// The naming and format rules of the exports.
#include "shell/ExportRules.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

TEST(ExportRules, PictureBaseNameIsThePathBeforeItsFirstDot) {
    const struct {
        const char* path;
        std::optional<std::string> base;
    } rows[] = {
        {"A1234.NRCUR\\                              Torque  25.34", "A1234"},
        {"E.NRACD\\Spindle  3           Torque    8.82", "E"},
        {"M8.bolt.nrcur", "M8"},
        {"line3.TSV", "line3"},
        {"no dot at all", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(pictureBaseName(row.path), row.base) << row.path;
}

TEST(ExportRules, ConvertAllNamesAndEntries) {
    const struct {
        const char* entry;
        PictureWriter writer;
        const char* name; // "" when the entry is not converted
    } rows[] = {
        {"A1234.NRCUR\\                              Torque  25.34", PictureWriter::Jpeg,
         "A1234.jpg"},
        {"A1234.NRCUR", PictureWriter::Png, "A1234.png"},
        {"E.NRACD", PictureWriter::Gif, "E.gif"},
        {"E.NRACD", PictureWriter::Bitmap, "E.BMP"}, // the bitmap writer's ending in upper case
        {"M8.bolt.nrcur", PictureWriter::Jpeg, "M8.jpg"},
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
    const struct {
        PictureWriter writer;
        const char* tip;
    } rows[] = {
        {PictureWriter::Jpeg, "Convert All Curve as jpg Files"},
        {PictureWriter::Png, "Convert All Curve as png Files"},
        {PictureWriter::Gif, "Convert All Curve as gif Files"},
        {PictureWriter::Bitmap, "Convert All Curve as bmp Files"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(exportFormatTip(table, row.writer), row.tip);
        EXPECT_EQ(exportFormatOfTip(table, row.tip), row.writer) << row.tip;
    }
    EXPECT_EQ(exportFormatOfTip(table, "anything else"), PictureWriter::Bitmap);
    table.set(LanguageTable::ConvertAllJpg, "Alle als JPG");
    EXPECT_EQ(exportFormatOfTip(table, "Alle als JPG"), PictureWriter::Jpeg);
}

} // namespace
} // namespace plotwise
