// SINGLEFILELOAD and MULTIFILELOAD into the loaded-curve table. Input: the
// loader and ending, how rows are named (by column or by spindle number) and
// how many spindles get rows, then the file's bytes.
#include "FuzzTarget.h"

#include "curvefiles/CurveLoader.h"
#include "support/MemoryFileSystem.h"

namespace {

constexpr const char* kEndings[] = {".nrcur", ".NCUR", ".spcur", ".NRACD", ".spacd"};
constexpr std::size_t kEndingCount = sizeof kEndings / sizeof kEndings[0];

} // namespace

PLOTWISE_FUZZ_TARGET(tableload) {
    using namespace plotwise;
    fuzz::Input input(data, size);
    const std::uint8_t mode = input.take();
    const std::uint8_t rows = input.take();

    test::MemoryFileSystem fs;
    const std::string name = std::string("curve") + kEndings[(mode >> 1) % kEndingCount];
    fs.put(name, std::string(input.rest()));
    LoadState state;
    LoadContext context{fs, "mem", false};
    LoadedCurveTable table;
    table.setRowCount(34);
    if (mode & 1) {
        std::array<int, 32> spindleRows{};
        // Rows for the first spindles; one row beyond the table when asked.
        for (std::size_t j = 0; j < spindleRows.size() && j < (rows & 63u); ++j)
            spindleRows[j] = static_cast<int>(j) + 1;
        if (rows & 64) spindleRows[31] = 40;
        const auto by = rows & 128 ? keyed::SpindleRowsBy::SpindleNumber : keyed::SpindleRowsBy::Column;
        MULTIFILELOAD(name, table, spindleRows, state, context, by);
    } else {
        SINGLEFILELOAD(name, table, 1 + rows % 34, state, context);
    }
    return 0;
}
