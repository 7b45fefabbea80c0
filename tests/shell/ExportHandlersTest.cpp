// The export buttons of the headless window: the single save, convert all,
// the list as TABLE.TXT, the clipboard and the curve colour.
#include "CoreFixture.h"
#include "export/ExportFiles.h"
#include "shell/TableText.h"
#include "support/GuiApp.h"
#include "support/SmallTmpfs.h"

#include <QImage>
#include <gtest/gtest.h>

namespace plotwise {
namespace {

using test::CoreFixture;
using test::fileBytes;
using test::folderEntries;
using Names = std::set<std::string>;

// A single-spindle curve that rises in `samples` steps to its peak.
std::string risingCurve(const std::string& peak, int samples = 80, double step = 0.3) {
    return test::keyedSingleFile(10,
                                 {"SPNO\t1", "YPeak\t" + peak, "XPeak\t40", "WavePoint\t" +
                                  std::to_string(samples), "Interval\t0"},
                                 test::numberedSamples(samples, step));
}

// A two-spindle nutrunner file (spindles 1 and 3) of `samples` rising samples.
std::string risingMultiCurve(int samples) {
    std::string text = "SPNO\t1\t3\r\nYPeak\t10.5\t11.5\r\nXPeak\t40\t40\r\nWavePoint\t" +
                       std::to_string(samples) + "\t" + std::to_string(samples) +
                       "\r\nInterval\t0\t0\r\nWaveData\r\n";
    for (int i = 1; i <= samples; ++i)
        text += std::to_string(i) + "\t" + std::to_string(i * 0.1).substr(0, 5) + "\t" +
                std::to_string(i * 0.11).substr(0, 5) + "\r\n";
    return text;
}

constexpr int kPictureWidth = 320, kPictureHeight = 200;

// A started core on the work folder, with a small picture; the named rising
// curves are written there first.
Form1Core& startCore(CoreFixture& f, std::initializer_list<const char*> curves = {}) {
    test::guiApp();
    for (const char* name : curves) f.put(name, risingCurve("25.34"));
    Form1Core& core = f.start();
    core.setPictureSize(kPictureWidth, kPictureHeight);
    return core;
}

// The plot of one entry alone, drawn by a fresh core on the same folder.
QImage plotOfEntryAlone(CoreFixture& f, const std::string& prefix) {
    CoreFixture other;
    other.work = f.work;
    Form1Core& core = startCore(other);
    const int entry = other.entryNamed(prefix);
    EXPECT_GE(entry, 0) << prefix;
    core.listPanel().setEntryChecked(entry, true);
    for (int child : core.curveList().children(entry))
        core.listPanel().setEntryChecked(child, true);
    core.listPanel().treeViewClick();
    core.timer3Tick();
    return core.plot().canvas().image().convertToFormat(QImage::Format_RGB32);
}

QImage readImage(const std::string& path) {
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

// How a run ended, as one line: "written/total", then whether it stopped or failed.
std::string outcome(const ConvertAllResult& r) {
    return std::to_string(r.written) + "/" + std::to_string(r.total) + (r.stopped ? " stopped" : "") +
           (r.failed ? " failed at " + r.failedFile + ": " + r.reason : "");
}

// A save dialog that answers with the given names in turn and records the
// start names it was shown with; nullopt is a cancel.
struct FakeSaveDialog {
    FakeSaveDialog(std::vector<std::optional<std::string>> names = {}) : answers(std::move(names)) {}
    std::vector<std::optional<std::string>> answers;
    std::vector<std::string> shown;
    SaveDialogRequest first;
    void install(Form1Core& core) {
        core.exporter().seams.chooseSaveFile = [this](const SaveDialogRequest& request) {
            if (shown.empty()) first = request;
            shown.push_back(request.fileName);
            return shown.size() <= answers.size() ? answers[shown.size() - 1] : std::nullopt;
        };
    }
};

// ---- single save ----

// A cancel or a failed write keeps the format and writes nothing; the dialog
// comes back until a name has an image ending, which decides the format.
TEST(PictureSave, DialogReturnsUntilAnImageEndingAndWritesByIt) {
    CoreFixture f;
    Form1Core& core = startCore(f, {"A1234.NRCUR"});
    FakeSaveDialog dialog{{f.work + "/plot", std::nullopt}};
    dialog.install(core);
    core.exporter().command3Click(1); // nothing selected: no dialog
    EXPECT_TRUE(dialog.shown.empty());
    core.listPanel().treeViewSelect(0);
    core.exporter().command3Click(1); // a bad name, then cancel: the dialog does not come back
    EXPECT_EQ(dialog.shown.size(), 2u);
    f.temp.makeFolder("work/taken.gif");
    dialog = FakeSaveDialog({f.work + "/taken.gif"});
    core.exporter().command3Click(1);
    EXPECT_EQ(core.exporter().exportFormat(), PictureWriter::Jpeg);
    EXPECT_EQ(core.texts().statusLine, "Could not save " + f.work + "/taken.gif: Is a directory");
    EXPECT_EQ(folderEntries(f.work), (Names{"A1234.NRCUR", "taken.gif"}));

    const std::string out = f.temp.path("out/"), chosen = out + "PLOT.PNG";
    f.temp.makeFolder("out");
    dialog = FakeSaveDialog({out + "plot", out + "plot.txt", chosen});
    core.exporter().command3Click(1);
    EXPECT_EQ(dialog.first.title, "Save Picture As");
    EXPECT_EQ(dialog.first.filter, "JPG File|*.jpg|PNG File|*.png|GIF File|*.gif|BMP File|*.bmp");
    // The curve file's stem first, then the name typed last.
    EXPECT_EQ(dialog.shown, (test::Strings{f.work + "/A1234", out + "plot", out + "plot.txt"}));
    EXPECT_EQ(folderEntries(out), Names{"PLOT.PNG"});
    EXPECT_EQ(fileBytes(chosen).substr(0, 4), "\x89PNG"); // upper-case .PNG is a PNG
    EXPECT_EQ(readImage(chosen), core.plot().canvas().image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(core.exporter().exportFormat(), PictureWriter::Png);
    EXPECT_EQ(core.texts().command3Tips[5], "Convert All Curve as png Files");
    EXPECT_EQ(core.texts().statusLine, "Saved the plot as " + chosen);
}

// Each single save sets the format of the next convert-all run (the bitmap
// writer's ending in upper case); a restart begins with JPEG again.
TEST(PictureSave, RememberedFormatAfterEachSaveAndAfterARestart) {
    const std::tuple<const char*, PictureWriter, const char*, std::string> cases[] = {
        {"p.gif", PictureWriter::Gif, "A1234.gif", "GIF8"},
        {"p.bmp", PictureWriter::Bitmap, "A1234.BMP", "BM"},
    };
    CoreFixture f;
    f.temp.makeFolder("out");
    Form1Core& core = startCore(f, {"A1234.NRCUR"});
    for (const auto& [chosen, writer, convertedName, magic] : cases) {
        SCOPED_TRACE(chosen);
        core.listPanel().treeViewSelect(0);
        FakeSaveDialog dialog{{f.temp.path("out/") + chosen}};
        dialog.install(core);
        core.exporter().command3Click(1);
        EXPECT_EQ(fileBytes(f.temp.path("out/") + chosen).substr(0, magic.size()), magic);
        EXPECT_EQ(core.exporter().exportFormat(), writer);
        core.exporter().command3Click(5);
        const std::string converted = f.work + "/" + convertedName;
        EXPECT_EQ(fileBytes(converted).substr(0, magic.size()), magic);
        EXPECT_EQ(readImage(converted).size(), QSize(kPictureWidth, kPictureHeight));
    }
    EXPECT_EQ(startCore(f).exporter().exportFormat(), PictureWriter::Jpeg);
    EXPECT_EQ(f.core->texts().command3Tips[5], "Convert All Curve as jpg Files");
}

// ---- convert all ----

TEST(ConvertAll, EveryImageShowsItsOwnFileOnly) {
    CoreFixture f;
    f.put("B77.NRCUR", risingCurve("12.00", 30, 0.4));
    f.put("AA.NRACD", risingMultiCurve(100));
    f.put("line3.TSV", "Date\tTime\r\n");
    Form1Core& core = startCore(f, {"A1234.NRCUR"});
    core.exporter().setExportFormat(PictureWriter::Png);
    // Earlier ticks go, an expanded file keeps no spindles ticked for the next
    // image, and the selected result table is not opened per file.
    core.listPanel().setEntryChecked(f.entryNamed("B77"), true);
    core.listPanel().setEntryExpanded(f.entryNamed("AA.NRACD"), true);
    core.listPanel().treeViewSelect(f.entryNamed("line3"));
    core.plotPanel().hsChange(9000); // a view placed right of every curve: each is drawn at its end
    test::Strings told;
    core.exporter().seams.onConverted = [&told](const std::string& path, int done, int total) {
        told.push_back(path + " " + std::to_string(done) + "/" + std::to_string(total));
    };
    EXPECT_EQ(outcome(core.exporter().convertAll()), "3/3");
    EXPECT_EQ(told, (test::Strings{f.work + "/A1234.png 1/3", f.work + "/AA.png 2/3", f.work + "/B77.png 3/3"}));
    EXPECT_EQ(folderEntries(f.work), (Names{"A1234.NRCUR", "A1234.png", "AA.NRACD", "AA.png",
                                            "B77.NRCUR", "B77.png", "line3.TSV"}));
    for (const char* name : {"A1234", "AA", "B77"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(readImage(f.work + "/" + name + ".png"), plotOfEntryAlone(f, std::string(name) + "."));
    }
    EXPECT_NE(readImage(f.work + "/A1234.png"), readImage(f.work + "/B77.png"));
    EXPECT_EQ(f.ticks(), "------");
    EXPECT_EQ(core.grid1().rowCount(), 1);
    EXPECT_EQ(core.curveList().selected, f.entryNamed("line3"));
    EXPECT_EQ(core.mousePointer(), MousePointer::Default);
    EXPECT_EQ(core.texts().statusLine, "Converted 3 files to png");
}

// A single older-format file scanned after a multi-spindle one leaves the
// list without check boxes: a selected entry would then be drawn alone by
// every list click, so the run clicks with no entry selected.
TEST(ConvertAll, ASelectedCurveDoesNotTakeEveryImage) {
    CoreFixture f;
    f.put("AA.NRACD", risingMultiCurve(100));
    f.put("nr_M5_90pts.BIN", fileBytes(PLOTWISE_SAMPLES_DIR "/nr_M5_90pts.BIN"));
    Form1Core& core = startCore(f);
    ASSERT_FALSE(core.curveList().checkBoxes);
    f.click("nr_M5");
    core.exporter().setExportFormat(PictureWriter::Gif);
    EXPECT_EQ(outcome(core.exporter().convertAll()), "2/2");
    for (const char* name : {"AA", "nr_M5_90pts"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(readImage(f.work + "/" + name + ".gif"), plotOfEntryAlone(f, name));
    }
    EXPECT_NE(readImage(f.work + "/AA.gif"), readImage(f.work + "/nr_M5_90pts.gif"));
}

TEST(ConvertAll, DrawsThePlotEvenWhenTheTableIsShown) {
    CoreFixture f;
    Form1Core& core = startCore(f, {"A1234.NRCUR"});
    core.listPanel().check1Click(true); // the loaded-curve table in front of the plot
    core.exporter().setExportFormat(PictureWriter::Png);
    core.exporter().command3Click(5);
    EXPECT_EQ(readImage(f.work + "/A1234.png"), plotOfEntryAlone(f, "A1234"));
    EXPECT_FALSE(core.check1Value());
    EXPECT_TRUE(core.layout().picture1.visible);
}

TEST(ConvertAll, EscStopsAfterTheCurrentFile) {
    CoreFixture f;
    Form1Core& core = startCore(f, {"A.NRCUR", "B.NRCUR", "C.NRCUR"});
    // Esc once the first file was drawn and unticked: it is still written.
    bool ticked = false;
    core.onChanged = [&core, &ticked](unsigned) {
        const bool now = core.curveList().entry(0).checked;
        if (ticked && !now) core.exporter().stopConvertAll();
        ticked = ticked || now;
    };
    EXPECT_EQ(outcome(core.exporter().convertAll()), "1/3 stopped");
    EXPECT_EQ(folderEntries(f.work), (Names{"A.NRCUR", "A.jpg", "B.NRCUR", "C.NRCUR"}));
    EXPECT_EQ(f.ticks(), "---");
    EXPECT_FALSE(core.exporter().convertAllRunning());
    EXPECT_EQ(core.texts().statusLine, "Convert all stopped after 1 file of 3");
    core.onChanged = nullptr;
    EXPECT_EQ(outcome(core.exporter().convertAll()), "3/3"); // the next run starts afresh
}

TEST(ConvertAll, AFailedWriteEndsTheRunThere) {
    CoreFixture f;
    f.temp.makeFolder("work/B.jpg");
    Form1Core& core = startCore(f, {"A.NRCUR", "B.NRCUR", "C.NRCUR"});
    EXPECT_EQ(outcome(core.exporter().convertAll()), "1/3 failed at B.NRCUR: Is a directory");
    EXPECT_EQ(folderEntries(f.work), (Names{"A.NRCUR", "A.jpg", "B.NRCUR", "B.jpg", "C.NRCUR"}));
    EXPECT_EQ(core.texts().statusLine, "Could not save " + f.work + "/B.jpg: Is a directory");
    EXPECT_EQ(f.ticks(), "-x-"); // where it stopped
    EXPECT_EQ(core.mousePointer(), MousePointer::Default);
}

// Convert all and TABLE.TXT on a working folder whose disk is full or
// read-only: each save fails with a line saying so, the earlier files keep
// their bytes and nothing new (no temporary file) is left in the folder.
TEST(ExportOnABadDisk, ConvertAllAndTableTxtKeepTheEarlierFiles) {
    for (const bool full : {true, false}) {
        SCOPED_TRACE(full ? "full disk" : "read-only folder");
        CoreFixture f;
        test::SmallTmpfs disk(f.work);
        if (!disk.ok()) GTEST_SKIP() << "no tmpfs can be mounted here (needs CAP_SYS_ADMIN)";
        const std::string earlierPicture = "an earlier picture", earlierTable = "File Name\r\n";
        f.put("A.jpg", earlierPicture);
        f.put("TABLE.TXT", earlierTable);
        Form1Core& core = startCore(f, {"A.NRCUR", "B.NRCUR"});
        if (full)
            disk.fill();
        else
            ASSERT_TRUE(disk.makeReadOnly());
        const Names before = folderEntries(f.work);
        const std::string reason = full ? "No space left on device" : "Read-only file system";
        EXPECT_EQ(outcome(core.exporter().convertAll()), "0/2 failed at A.NRCUR: " + reason);
        EXPECT_EQ(core.texts().statusLine, "Could not save " + f.work + "/A.jpg: " + reason);
        EXPECT_FALSE(core.exporter().convertAllRunning());

        core.listPanel().command2Click(0);
        core.exporter().command3Click(2);
        EXPECT_EQ(core.texts().statusLine, "Could not save " + f.work + "/TABLE.TXT: " + reason);
        EXPECT_EQ(fileBytes(f.work + "/A.jpg"), earlierPicture);
        EXPECT_EQ(fileBytes(f.work + "/TABLE.TXT"), earlierTable);
        EXPECT_EQ(folderEntries(f.work), before);
    }
}

// ---- the list as text and the clipboard ----

// TABLE.TXT is the list as text (its layout is in the TableText and grid
// golden tests): headings only at first, then the loaded rows, replaced whole;
// a failed save keeps the earlier file.
TEST(TableText, TableTxtHoldsTheLoadedRowsAndAFailedSaveKeepsTheEarlierFile) {
    CoreFixture f;
    Form1Core& core = startCore(f, {"A.NRCUR"});
    const std::string path = f.work + "/TABLE.TXT";
    core.exporter().command3Click(2);
    ASSERT_EQ(core.grid1().rowCount(), 1);
    EXPECT_EQ(fileBytes(path), loadedCurveTableText(core.grid1()));
    EXPECT_EQ(core.texts().statusLine, "Saved the list as " + path);
    core.listPanel().command2Click(0);
    core.exporter().command3Click(2);
    ASSERT_EQ(core.grid1().rowCount(), 2);
    EXPECT_EQ(fileBytes(path), loadedCurveTableText(core.grid1()));

    core.navigator().dir1Open(f.temp.path("work/gone"));
    ASSERT_EQ(core.folders().dir, f.work); // the folder list stays where it is
    EXPECT_EQ(core.texts().statusLine,
              "Cannot open " + f.temp.path("work/gone") + ": No such file or directory");
    std::filesystem::remove(path);
    f.temp.makeFolder("work/TABLE.TXT");
    core.exporter().command3Click(2);
    EXPECT_EQ(core.texts().statusLine, "Could not save " + path + ": Is a directory");
    EXPECT_EQ(folderEntries(f.work), (Names{"A.NRCUR", "TABLE.TXT"}));
}

TEST(Clipboard, PlotAsPictureAndListAsText) {
    CoreFixture f;
    Form1Core& core = startCore(f, {"\xC3\x84.NRCUR"}); // a UTF-8 name
    core.exporter().command3Click(3); // no clipboard: nothing happens
    core.exporter().command3Click(4);
    EXPECT_EQ(core.texts().statusLine, "");
    QImage picture;
    QString text;
    int calls = 0;
    core.exporter().seams.clipboard.setPicture = [&](const QImage& image) { picture = image, ++calls; };
    core.exporter().seams.clipboard.setText = [&](const QString& t) { text = t, ++calls; };
    core.exporter().command3Click(3); // the empty plot
    EXPECT_EQ(picture, core.plot().canvas().image());
    core.listPanel().command2Click(0);
    core.timer3Tick();
    core.exporter().command3Click(3);
    EXPECT_EQ(picture, core.plot().canvas().image());
    core.exporter().command3Click(4);
    // The name as the file system spells it, the rest as TABLE.TXT has it.
    const QString name = QString::fromUtf8("\u00C4.NRCUR");
    EXPECT_EQ(text, QString::fromLatin1(loadedCurveTableText(core.grid1())).replace(
                        QString::fromLatin1(name.toUtf8()), name));
    EXPECT_TRUE(text.contains("\r\n" + name + "\t"));
    EXPECT_EQ(text.count("\r\n"), 2);
    EXPECT_EQ(calls, 3);
    for (int index : {-1, 6, 100})
        core.exporter().command3Click(index);
    EXPECT_EQ(calls, 3);
}

// ---- "Select Color" ----

// A colour dialog that answers `answer` and records its titles in `titles`.
void fakeColorDialog(Form1Core& core, std::optional<std::uint32_t>& answer, test::Strings& titles) {
    core.exporter().seams.chooseColor = [&](const std::string& title, std::uint32_t) {
        titles.push_back(title);
        return answer;
    };
}

TEST(SelectColor, OnTheListPathTheSelectedCurveTakesTheColour) {
    CoreFixture f;
    f.put("B.NRCUR", risingCurve("12.00", 30, 0.4));
    f.put("C.NRCUR", risingCurve("10.00", 30, 0.4));
    Form1Core& core = startCore(f, {"A.NRCUR"});
    const int b = f.entryNamed("B.NRCUR"), c = f.entryNamed("C.NRCUR");
    core.listPanel().setEntryChecked(b, true);
    core.listPanel().setEntryChecked(c, true);
    f.click("C.NRCUR");
    ASSERT_EQ(core.selectedCurveRow(), 2);
    core.timer3Tick();
    std::optional<std::uint32_t> answer;
    test::Strings titles;
    fakeColorDialog(core, answer, titles);
    core.exporter().command3Click(0); // cancelled: nothing changes
    EXPECT_FALSE(core.redrawPending());
    EXPECT_EQ(core.curveList().entry(c).textColor, std::nullopt);

    answer = 0x00123456;
    core.exporter().command3Click(0);
    EXPECT_EQ(titles, (test::Strings{"Select Curve Color", "Select Curve Color"}));
    EXPECT_EQ(core.grid1().textColor(2, 2), 0x00123456u);
    EXPECT_EQ(core.curveList().entry(c).textColor, 0x00123456u);
    EXPECT_EQ(core.curveList().entry(b).textColor, std::nullopt);
    EXPECT_TRUE(core.redrawPending() && core.plot().view().gridDirty);
    EXPECT_EQ(core.plot().view().drawSource, 2);
    core.listPanel().treeViewClick(); // the entry's colour goes on to the next table
    EXPECT_EQ(core.grid1().textColor(2, 2), 0x00123456u);
}

TEST(SelectColor, OnTheResultTablePathTheSpindleOfGrid1TakesTheColour) {
    CoreFixture f;
    test::guiApp();
    f.temp.write("data/CURVE/202611/20261105/ST01/ENG4711_20261105_080502_009_ANG_0.nracd",
                 test::multiFileText("1\t3", "8.70\t8.82"));
    f.temp.write("data/RESULT/202611/r.tsv",
                 test::crlf({"Date\tTime\tSerial\tSEQ #\tJudge\tSpindle\tTorque",
                             "2026/11/05\t08:05:02\tENG:4711\t9\tOK\t1", "\t\t\t\t\t3"}));
    Form1Core& core = f.start(f.temp.path("data/RESULT/202611"));
    f.click("r.tsv");
    core.results().grid2Click(1, 5);
    ASSERT_EQ(f.gridRows({1}), (test::Strings{"1", "3"}));
    std::optional<std::uint32_t> answer = 0x00ABCDEF;
    test::Strings titles;
    fakeColorDialog(core, answer, titles);
    core.listPanel().check1Click(true);
    core.listPanel().grid1Click(1, 2); // column 1: nothing to do
    core.exporter().command3Click(0);
    EXPECT_TRUE(titles.empty());

    core.listPanel().grid1Click(2, 2);
    core.exporter().command3Click(0);
    EXPECT_EQ(titles.size(), 1u);
    EXPECT_EQ(core.spindleColors()[2], 0x00ABCDEFu);
    EXPECT_EQ(core.grid1().textColor(2, 2), 0x00ABCDEFu);
    EXPECT_FALSE(core.check1Value()); // the plot comes back to show it
    EXPECT_TRUE(core.layout().picture1.visible && core.redrawPending());
    EXPECT_EQ(core.plot().view().drawSource, 2);
}

} // namespace
} // namespace plotwise
