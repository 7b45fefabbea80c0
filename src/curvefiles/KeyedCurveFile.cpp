#include "KeyedCurveFile.h"

#include "ByteReader.h"
#include "NumberText.h"
#include "TabFields.h"

#include <algorithm>

namespace plotwise::keyed {
namespace {

constexpr int kScanLines = 16;
constexpr int kMultiHeaderLines = 14;
constexpr std::size_t kMaxTraceFields = 40;
constexpr std::size_t kMaxTableFields = 41;
constexpr int kLastSlotBeforeSamples = CurveTrace::kFirstSample - 1;

// The first five characters of a line in upper case, without an allocation.
class Key5 {
public:
    explicit Key5(std::string_view line) : size_(std::min<std::size_t>(line.size(), 5)) {
        for (std::size_t i = 0; i < size_; ++i)
            text_[i] = line[i] >= 'a' && line[i] <= 'z' ? static_cast<char>(line[i] - 'a' + 'A') : line[i];
    }
    bool operator==(std::string_view key) const { return std::string_view(text_, size_) == key; }

private:
    char text_[5] = {};
    std::size_t size_;
};

Key5 key5(std::string_view line) { return Key5(line); }

bool isUnitLine(std::string_view line) { return key5(line) == "UNIT\t"; }
bool isSpindleLine(std::string_view line) { return key5(line) == "SPNO\t"; }

int unitFromLastCharacter(std::string_view line) {
    return static_cast<int>(nearestInteger(LeadingNumber(rightChars(line, 1))));
}

// Write position of the first sample: count + 17, clamped so that absurd
// counts still fail on the first write instead of overflowing.
int firstSampleSlot(double count) {
    auto n = nearestInteger(count);
    if (n > CurveTrace::kSlots) n = CurveTrace::kSlots + 1;
    if (n < -1) n = -1;
    return static_cast<int>(n) + kLastSlotBeforeSamples;
}

// Value of a "key<TAB>value" line: the line without its first six characters.
std::optional<std::string> keyValue(std::string_view line) {
    if (line.size() < 6) return std::nullopt;
    return std::string(line.substr(6));
}

// Samples from the current position into slots n, n-1, ... down to 17.
template <typename NextValue> bool readSamples(ByteReader& reader, int n, CurveTrace& trace,
                                               NextValue nextValue) {
    while (!reader.atEnd() && n > kLastSlotBeforeSamples - 1) {
        auto value = nextValue();
        if (!value) return false;
        if (!trace.set(n, std::move(*value))) return false;
        --n;
    }
    return true;
}

} // namespace

SingleCurveSummary scanSingle(ByteReader& reader, bool press, std::string& waveFormLine) {
    std::string peakX, peakY;
    for (int i = 0; i < kScanLines; ++i) {
        auto line = reader.readLineView();
        if (!line) break;
        auto key = key5(*line);
        if (key == "XPEAK") {
            if (auto value = keyValue(*line)) peakX = *value;
        } else if (key == "YPEAK") {
            if (auto value = keyValue(*line)) peakY = *value;
        } else if (key == "WAVEF") {
            waveFormLine = *line;
        }
    }
    return {formatDecimals(LeadingNumber(peakY), 2), formatDecimals(LeadingNumber(peakX), 1),
            press ? "Press" : "N/R"};
}

MultiSpindleSummary scanMulti(ByteReader& reader, std::string& waveFormLine) {
    MultiSpindleSummary summary;
    for (int i = 0; i < kScanLines; ++i) {
        auto line = reader.readLineView();
        if (!line) break;
        auto key = key5(*line);
        if (isSpindleLine(*line)) summary.spindleLine = *line;
        else if (key == "XPEAK") summary.peakXLine = *line;
        else if (key == "YPEAK") summary.peakYLine = *line;
        else if (key == "WAVEF") waveFormLine = *line;
    }
    return summary;
}

bool loadSingle(std::string_view bytes, int headerLines, CurveTrace& trace, LoadState& state) {
    ByteReader reader(bytes);
    int n = 0;
    for (int i = 0; i < headerLines; ++i) {
        auto line = reader.readLine();
        if (!line) return false;
        auto key = key5(*line);
        if (key == "XPEAK" || key == "YPEAK") {
            auto value = keyValue(*line);
            if (!value) return false;
            trace.set(key == "XPEAK" ? CurveTrace::kPeakX : CurveTrace::kPeakY, *value);
        } else if (key == "WAVEP") {
            n = firstSampleSlot(LeadingNumber(TabFields(*line)[1]));
        } else if (key == "INTER") {
            trace.intervalCode = TabFields(*line)[1];
        } else if (isUnitLine(*line)) {
            state.curveUnit = unitFromLastCharacter(*line);
        }
    }
    trace.set(CurveTrace::kScaleDigits, "2");
    state.peakXText = trace[CurveTrace::kPeakX];
    if (!readSamples(reader, n, trace, [&] { return reader.readValue(); })) return false;
    bool press = headerLines == kSpCurHeaderLines;
    state.curveFileFamily = press ? 3 : 2;
    state.curveFormat = press ? CurveFormat::SpCur : CurveFormat::NrCur;
    return true;
}

namespace {

// Column of the wanted spindle in a "SPNO" line; 33 (reads empty) when absent.
std::size_t spindleColumn(const TabFields& fields, int spindle) {
    for (std::size_t j = 1; j <= 32; ++j)
        if (j < fields.size() && LeadingNumber(fields[j]) == spindle) return j;
    return 33;
}

} // namespace

bool loadMulti(std::string_view bytes, int spindle, CurveTrace& trace, LoadState& state) {
    ByteReader reader(bytes);
    std::size_t column = 33;
    int n = 0;
    for (int i = 0; i < kMultiHeaderLines; ++i) {
        auto line = reader.readLine();
        if (!line) return false;
        TabFields fields(*line);
        if (fields.size() > kMaxTraceFields) return false;
        auto key = key5(*line);
        if (isSpindleLine(*line)) {
            column = spindleColumn(fields, spindle);
        } else if (key == "XPEAK") {
            trace.set(CurveTrace::kPeakX, fields[column]);
        } else if (key == "YPEAK") {
            if (LeadingNumber(fields[column]) > LeadingNumber(trace[CurveTrace::kPeakY]))
                trace.set(CurveTrace::kPeakY, fields[column]);
        } else if (key == "WAVEP") {
            n = firstSampleSlot(LeadingNumber(fields[column]));
        } else if (key == "INTER") {
            trace.intervalCode = fields[column];
        } else if (isUnitLine(*line)) {
            state.curveUnit = unitFromLastCharacter(*line);
        } else if (key == "WAVED") {
            break;
        }
    }
    trace.set(CurveTrace::kScaleDigits, "2");
    TabFields fields;
    bool ok = readSamples(reader, n, trace, [&]() -> std::optional<std::string> {
        auto line = reader.readLine();
        if (!line) return std::nullopt;
        fields.assign(*line);
        if (fields.size() > kMaxTraceFields) return std::nullopt;
        return fields[column];
    });
    if (!ok) return false;
    state.curveFormat = CurveFormat::NrAcd;
    state.curveFileFamily = 1;
    return true;
}

bool SINGLEFILELOAD(std::string_view bytes, const std::string& fileName,
                    LoadedCurveTable& table, int row, LoadState& state) {
    auto upper = upperAscii(fileName);
    if (rightChars(upper, 5) == "NRCUR" || rightChars(upper, 4) == "NCUR")
        state.curveFormat = CurveFormat::NrCur;
    else if (rightChars(upper, 5) == "SPCUR")
        state.curveFormat = CurveFormat::SpCur;

    ByteReader reader(bytes);
    std::string interval;
    while (auto line = reader.readLine()) {
        if (*line == "WaveData") break;
        TabFields fields(*line, 4);
        const auto& key = fields[0];
        if (key == "Unit") {
            state.curveUnit = static_cast<int>(nearestInteger(LeadingNumber(fields[1])));
        } else if (key == "SPNO") {
            if (!table.setText(row, 1, fields[1])) return false;
        } else if (key == "WavePoint") {
            if (!table.setText(row, 4, fields[1])) return false;
            table.reserveColumns(row, LeadingNumber(fields[1]) + LoadedCurveTable::kFirstSampleColumn);
        } else if (key == "Interval") {
            interval = fields[1];
        }
    }
    int column = LoadedCurveTable::kFirstSampleColumn;
    while (auto line = reader.readLine())
        if (!table.setText(row, column++, std::move(*line))) return false;
    return table.setText(row, LoadedCurveTable::kFirstSampleColumn, interval);
}

namespace {

// Rows by spindle column, from rows by spindle number and the "SPNO" line.
std::array<int, 32> rowsByColumn(const std::array<int, 32>& bySpindle, const TabFields& spno) {
    std::array<int, 32> byColumn{};
    for (std::size_t j = 1; j <= 32; ++j) {
        auto spindle = nearestInteger(LeadingNumber(spno[j]));
        if (spindle >= 1 && spindle <= 32) byColumn[j - 1] = bySpindle[static_cast<std::size_t>(spindle - 1)];
    }
    return byColumn;
}

} // namespace

bool MULTIFILELOAD(std::string_view bytes, const std::string& fileName,
                   LoadedCurveTable& table, const std::array<int, 32>& requestedRows,
                   LoadState& state, SpindleRowsBy rowsBy) {
    std::array<int, 32> spindleRows = requestedRows;
    auto upper = upperAscii(fileName);
    if (rightChars(upper, 5) == "NRACD") state.curveFormat = CurveFormat::NrAcd;
    else if (rightChars(upper, 5) == "SPACD") state.curveFormat = CurveFormat::SpAcd;

    ByteReader reader(bytes);
    TabFields intervals("");
    while (auto line = reader.readLine()) {
        auto key4 = upperAscii(leftChars(*line, 4));
        if (key4 == "UNIT") {
            state.curveUnit = static_cast<int>(nearestInteger(LeadingNumber(rightChars(*line, 2))));
        } else if (key4 == "INTE") {
            intervals = TabFields(*line);
            if (intervals.size() > kMaxTableFields) return false;
        } else if (rowsBy == SpindleRowsBy::SpindleNumber && TabFields(*line)[0] == "SPNO") {
            spindleRows = rowsByColumn(requestedRows, TabFields(*line));
        }
        if (*line == "WaveData") break;
    }
    int column = LoadedCurveTable::kFirstSampleColumn;
    int count = 0;
    std::string last;
    TabFields fields;
    while (auto line = reader.readLine()) {
        fields.assign(*line);
        if (fields.size() > kMaxTableFields) return false;
        for (std::size_t j = 1; j <= 32; ++j) {
            int row = spindleRows[j - 1];
            if (row != 0 && !table.setText(row, column, fields[j])) return false;
        }
        ++column;
        ++count;
        last = std::move(*line);
    }
    if (count > 0 && last == "\t") --count;
    for (std::size_t j = 1; j <= 32; ++j) {
        int row = spindleRows[j - 1];
        if (row == 0) continue;
        if (!table.setText(row, 4, numberToText(static_cast<double>(count))) ||
            !table.setText(row, LoadedCurveTable::kFirstSampleColumn, intervals[j]))
            return false;
    }
    return true;
}

} // namespace plotwise::keyed
