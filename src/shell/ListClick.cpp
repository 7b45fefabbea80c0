#include "ListClick.h"

#include "curvefiles/NumberText.h"
#include "curvelist/EntryFields.h"

#include <array>

namespace plotwise {
namespace {

constexpr int kTableRowLimit = 87; // heading row + 86 curve rows
constexpr std::uint32_t kRed = 255;
constexpr int kFileName = 0, kSpindle = 1, kPeak = 2;

// 1-based text positions as the entry layouts are defined in.
std::size_t find(const std::string& text, std::size_t start, const std::string& what) {
    std::size_t from = start < 1 ? 0 : start - 1;
    std::size_t at = text.find(what, from);
    return at == std::string::npos ? 0 : at + 1;
}

bool startsWithMax(const std::string& path) {
    return path.compare(0, 3, "Max") == 0;
}

// Ticks of collapsed parents go to their children; the selected entry's
// place among the ticked childless entries.
void spreadTicks(CurveList& list, ListClickResult& result) {
    int counted = 0;
    for (int i = 0; i < list.count(); ++i) {
        CurveListEntry& entry = list.entry(i);
        if (entry.parent < 0 && !entry.expanded)
            for (int child : list.children(i))
                list.entry(child).checked = entry.checked;
        if (result.selectedCurveRow != 0 || list.hasChildren(i) || !entry.checked) continue;
        ++counted;
        bool selected = list.selected == i;
        result.selectColorEnabled = selected;
        if (selected) result.selectedCurveRow = counted;
    }
}

void buildRows(const CurveList& list, LoadedCurveTable& table, LoadState& state,
               ListClickResult& result) {
    for (int i = 0; i < list.count(); ++i) {
        const std::string f = list.fullPath(i);
        std::size_t b = find(f, 1, "\\");
        if (b < 1 || table.rowCount() >= kTableRowLimit || startsWithMax(f) ||
            !list.entry(i).checked)
            continue;
        const EntryFields fields = *entryFields(f);
        int row = table.appendRow();
        table.setText(row, 0, fields.name);
        table.setText(row, 1, fields.spindle);
        table.setText(row, 2, fields.peak);
        table.setText(row, 3, fields.position);
        if (auto color = list.entry(i).textColor) table.setTextColor(row, kPeak, *color);
        state.loadInNewton = fields.peak.find('.') == std::string::npos;
        result.loadInNewtonSet = true;
    }
}

// The last row of each run of rows sharing a file name gets a red mark.
void markLastRowsOfFiles(LoadedCurveTable& table) {
    std::optional<std::string> previous;
    for (int row = table.rowCount() - 1; row >= 1; --row) {
        const std::string& name = table.text(row, kFileName);
        if (!previous || name != *previous) table.setTextColor(row, kSpindle, kRed);
        previous = name;
    }
}

// The kind of a row's file: a keyed file's own extension says it; other rows
// go by the kind scanned or loaded last. In a folder of mixed kinds the last
// file alone would decide for every row, and single curves after a
// multi-spindle file would never be loaded.
int rowFormat(const std::string& name, int lastFormat) {
    const std::string upper = upperAscii(name);
    if (rightChars(upper, 6) == ".NRCUR" || rightChars(upper, 5) == ".NCUR") return CurveFormat::NrCur;
    if (rightChars(upper, 6) == ".SPCUR") return CurveFormat::SpCur;
    if (rightChars(upper, 6) == ".NRACD") return CurveFormat::NrAcd;
    if (rightChars(upper, 6) == ".SPACD") return CurveFormat::SpAcd;
    return lastFormat;
}

void loadRows(LoadedCurveTable& table, LoadState& state, const LoadContext& context) {
    std::array<int, 32> spindleRows{};
    for (int row = 1; row < table.rowCount(); ++row) {
        const std::string name = table.text(row, kFileName);
        int format = rowFormat(name, state.curveFormat);
        if (format == CurveFormat::NrCur || format == CurveFormat::SpCur) {
            SINGLEFILELOAD(name, table, row, state, context);
        } else if (format == CurveFormat::NrAcd || format == CurveFormat::SpAcd) {
            const std::string spindle = table.text(row, kSpindle);
            if (LeadingNumber(spindle) >= 1) {
                auto slot = nearestInteger(LeadingNumber(rightChars(spindle, 2))) - 1;
                if (slot >= 0 && slot < 32) spindleRows[static_cast<std::size_t>(slot)] = row;
            }
            if (table.textColor(row, kSpindle) == kRed) {
                // The rows are collected by spindle number; the file's "SPNO"
                // line says which column holds which spindle.
                MULTIFILELOAD(name, table, spindleRows, state, context,
                              keyed::SpindleRowsBy::SpindleNumber);
                spindleRows.fill(0);
            }
        }
    }
}

} // namespace

std::string curveRowText(const std::string& fullPath) {
    const auto row = entryFields(fullPath);
    if (!row) return "";
    return row->name + "\t" + row->spindle + "\t" + row->peak + "\t" + row->position;
}

void setGrid1Headings(LoadedCurveTable& table, const LanguageTable& language) {
    table.setHeadings(language[LanguageTable::HeadingFileName],
                      language[LanguageTable::HeadingSpindle],
                      language[LanguageTable::HeadingTorque], language[LanguageTable::HeadingAngle],
                      language[LanguageTable::HeadingPoints]);
}

ListClickResult applyListTicks(CurveList& list, LoadedCurveTable& table, LoadState& state,
                               const LoadContext& context) {
    ListClickResult result;
    spreadTicks(list, result);
    table.setRowCount(1);
    buildRows(list, table, state, result);
    result.curveRows = table.rowCount() - 1;
    if (result.curveRows > 0) markLastRowsOfFiles(table);
    loadRows(table, state, context);
    return result;
}

} // namespace plotwise
