// The naming and format rules of the exports; the save dialog and convert
// all in the core tests show the common names.
#include "shell/ExportRules.h"

#include "support/CaseFile.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

// In one run the first file of a stem keeps the short name; later ones of
// the same stem are named by their whole file name.
TEST(ExportRules, ConvertAllNamesAndEntries) {
    std::set<std::string> taken;
    std::string run;
    for (const auto& [line, row] : test::readCases(PLOTWISE_TESTDATA_DIR "/convert_names.txt")) {
        if (row[0] != run) taken.clear(), run = row[0];
        const PictureWriter writer = *writerForFileName("x." + row[1]);
        EXPECT_EQ(convertsEntry(row[2]), !row[3].empty()) << line;
        if (row[3].empty()) continue;
        bool renamed = row[4] != "1";
        EXPECT_EQ(convertAllFileName("/data", row[2], writer, taken, renamed), "/data/" + row[3]) << line;
        EXPECT_EQ(renamed, row[4] == "1") << line;
        if (!renamed) {
            EXPECT_EQ(convertAllFileName("/data", row[2], writer), "/data/" + row[3]) << line;
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

} // namespace
} // namespace plotwise
