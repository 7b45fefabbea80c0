// The result table: TABLESHOW's reading, LOADNEXT, LOADPREV and the page
// passes, and the result-row click up to CF_Curve_Path and the head of the
// curve file it finds. Input: the console flags, three operations, then the
// ".TSV" file's bytes. The curve folders are those of the sample console.
#include "FuzzTarget.h"

#include "curvefiles/CurveLoader.h"
#include "curvefiles/NumberText.h"
#include "results/ResultClick.h"
#include "results/ResultTable.h"
#include "support/MemoryTree.h"

namespace {

using namespace plotwise;

constexpr const char* kResultFolder = "/plant/RESULT/202611";
constexpr const char* kTable = "/plant/RESULT/202611/line.tsv";
constexpr const char* kWaveFolder = "/plant/WAVE";

const char kSingle[] = "SPNO\t1\r\nYPeak\t32.37\r\nXPeak\t393.5\r\nUnit\t0\r\nWAVEFormat\t1\r\n"
                       "WavePoint\t3\r\nInterval\t2\r\nWaveData\r\n0.1\r\n0.2\r\n0.3\r\n";
const char kMulti[] = "SPNO\t1\t3\r\nYPeak\t8.67\t8.77\r\nXPeak\t522.5\t523.5\r\nUnit\t0\t0\r\n"
                      "WavePoint\t2\t2\r\nInterval\t2\t2\r\nWaveData\r\n1\t0.1\t0.2\r\n2\t0.3\t0.4\r\n";

test::MemoryTree& consoleTree() {
    static test::MemoryTree tree = [] {
        test::MemoryTree t;
        const std::string curve = "/plant/CURVE/202611/20261105/";
        for (const char* name : {"ST02/20261105_090703_0_01.nrcur", "ST02/20261105_090830_004_ANG_0.nrcur",
                                 "ST02/BRK0815_20261105_091012_005_ANG_0.nrcur",
                                 "ST02/BRK0816_05_091145_ANGLE.nrcur", "ST02/20261105_091820_0_01.NRCUR"})
            t.put(curve + name, kSingle);
        for (const char* name : {"ST01/20261105_080211_0.nracd", "ST01/20261105_080340_008_ANG_0.nracd",
                                 "ST01/ENG4712_05_080627_ANGLE.nracd", "ST03/20261105_102005_0.spacd",
                                 "ST03/HUB-A17_20261105_102301_023_DIS_0.spacd"})
            t.put(curve + name, kMulti);
        t.put(std::string(kWaveFolder) + "/ST02/08_073133_01_ANGLE.nrcur", kSingle);
        t.put(std::string(kWaveFolder) + "/ST02/08_073133_ANGLE.nracd", kMulti);
        t.addFolder(kResultFolder);
        return t;
    }();
    return tree;
}

bool endsWith(const std::string& text, const char* tail) {
    return upperAscii(rightChars(text, std::char_traits<char>::length(tail))) == tail;
}

// The result-row click as the window runs it, without the drawing.
void click(ResultTable& table, int row, int family, bool live, const FileSystem& fs) {
    if (row < 1 || row >= table.rowCount() || table.isPageRow(row)) return;
    const ResultRowPick pick = pickResultRow(table, row);
    const CurveFolders folders{kResultFolder, live ? kResultFolder : "/plant/RESULT/other", kWaveFolder};
    const std::string path = CF_Curve_Path(pick.key, family, folders, fs);
    if (path.empty()) return;
    const std::string bytes = fs.read(path, 256 * 1024).value_or("");
    if (endsWith(path, ".NRCUR")) {
        (void)resultEntryText(path, readSingleCurveHead(bytes));
    } else {
        LoadedCurveTable grid1;
        std::array<int, 32> spindleRows{};
        const ResultCurveHead head =
            fillGrid1FromMultiCurve(bytes, path, grid1, defaultSpindleColors(), spindleRows);
        (void)resultEntryText(path, head);
        LoadState state;
        MULTIFILELOAD(path, grid1, spindleRows, state, LoadContext{fs, kResultFolder, true});
    }
}

} // namespace

PLOTWISE_FUZZ_TARGET(resulttable) {
    fuzz::Input input(data, size);
    const std::uint8_t flags = input.take();
    std::uint8_t operations[3];
    for (auto& op : operations) op = input.take();

    test::MemoryTree& fs = consoleTree();
    fs.put(kTable, std::string(input.rest()));
    static const std::string previous = ResultTable::pageRowCells("PREVIOUS"),
                             next = ResultTable::pageRowCells("NEXT");
    ResultTable table;
    table.setPageRowTexts(previous, next);
    int family = (flags >> 1) & 3;
    if (auto headings = table.show(fs, kTable); headings && family == 0)
        family = ResultTable::curveFileFamily(*headings);
    const bool live = flags & 1;
    for (std::uint8_t op : operations) {
        const int argument = op >> 3;
        switch (op & 7) {
        case 0: table.loadNext(fs, kTable); break;
        case 1: table.loadPrev(fs, kTable); break;
        case 2: table.loadNextPages(fs, kTable, argument % 4); break;
        case 3: table.loadLastPage(fs, kTable); break;
        default: click(table, table.rowCount() > 0 ? argument % table.rowCount() : 0, family, live, fs);
        }
    }
    fs.remove(kTable);
    return 0;
}
