#include "CommaCurveFile.h"

#include "ByteReader.h"
#include "CommaField.h"
#include "NumberText.h"

#include <array>
#include <cmath>
#include <vector>

namespace plotwise::comma {
namespace {

constexpr int kCurSamples = 999;
constexpr int kCsvMaxSamples = 1024;
constexpr int kCsvPeakField = 2;

std::optional<std::vector<std::string>> readValues(ByteReader& reader, int count) {
    std::vector<std::string> values;
    for (int i = 0; i < count; ++i) {
        auto value = reader.readValue();
        if (!value) return std::nullopt;
        values.push_back(std::move(*value));
    }
    return values;
}

bool startsWithUpper(std::string_view text, std::string_view prefix) {
    return upperAscii(leftChars(text, prefix.size())) == prefix;
}

double powerOfTen(double exponent) { return std::pow(10.0, exponent); }

// Reads the next value into the slot, then replaces it by its number divided
// by `divisor`; a value that is no number stays as read and fails the load.
bool readScaledSample(ByteReader& reader, CurveTrace& trace, int slot, double divisor) {
    auto value = reader.readValue();
    if (!value) return false;
    trace.set(slot, *value);
    auto number = strictNumber(*value);
    if (!number) return false;
    trace.set(slot, numberToText(*number / divisor));
    return true;
}

// The 999 samples of a .CUR or .QUERNACUR file into slots 18 onward.
bool readCurSamples(ByteReader& reader, CurveTrace& trace, double divisor) {
    for (int i = 1; i <= kCurSamples; ++i)
        if (!readScaledSample(reader, trace, 17 + i, divisor)) return false;
    return true;
}

// A number text formatted with `decimals` places; non-numeric text stays as it is.
std::string formatNumberText(const std::string& text, int decimals) {
    auto number = strictNumber(text);
    return number ? formatDecimals(*number, decimals) : text;
}

} // namespace

NumberAndUnit splitNumberAndUnit(std::string_view field) {
    NumberAndUnit out;
    for (char c : field) {
        if (static_cast<unsigned char>(c) < 65) out.number.push_back(c);
        else out.unit.push_back(c);
    }
    return out;
}

std::optional<SingleCurveSummary> scanCur(ByteReader& reader) {
    auto items = readValues(reader, 5);
    if (!items) return std::nullopt;
    const auto& v = *items;
    double peak = LeadingNumber(v[1]) / powerOfTen(LeadingNumber(v[0]));
    return SingleCurveSummary{formatDecimals(peak, 2), v[2], "N/R"};
}

std::optional<SingleCurveSummary> scanQuernaCur(ByteReader& reader) {
    auto items = readValues(reader, 7);
    if (!items) return std::nullopt;
    const auto& v = *items;
    bool partId = startsWithUpper(v[0], "PART ID") && v[0].size() > 9;
    const auto& exponent = v[partId ? 3 : 2];
    const auto& load = v[partId ? 5 : 4];
    auto distance = strictNumber(v[partId ? 6 : 5]);
    if (!distance) return std::nullopt;
    double peak = LeadingNumber(load) / powerOfTen(LeadingNumber(exponent));
    return SingleCurveSummary{formatDecimals(peak, 2), formatDecimals(*distance / 1000.0, 3),
                              "Press"};
}

std::optional<SingleCurveSummary> scanCsv(ByteReader& reader) {
    std::array<std::string, 7> lines;
    for (auto& line : lines) {
        auto read = reader.readLine();
        if (!read) return std::nullopt;
        line = std::move(*read);
    }
    std::size_t o = startsWithUpper(lines[0], "DATA ID") ? 1 : 0;
    auto y = splitNumberAndUnit(LDATA(lines[o + 2], kCsvPeakField));
    auto x = splitNumberAndUnit(LDATA(lines[o + 3], kCsvPeakField));
    std::string xUnit = upperAscii(leftChars(x.unit, 3));
    double peak = LeadingNumber(y.number);
    if (xUnit == "DEG")
        return SingleCurveSummary{formatDecimals(peak, 2), formatNumberText(x.number, 3), "N/R"};
    if (xUnit != "MM") return std::nullopt;
    if (y.unit == "KN")
        return SingleCurveSummary{formatDecimals(peak / 1000.0, 2), formatNumberText(x.number, 3),
                                  "Press"};
    if (y.unit == "N")
        return SingleCurveSummary{formatDecimals(peak, 2), formatNumberText(x.number, 3), "Press"};
    return std::nullopt;
}

bool loadCur(std::string_view bytes, CurveTrace& trace, LoadState& state) {
    ByteReader reader(bytes);
    for (int slot : {CurveTrace::kScaleDigits, CurveTrace::kPeakY, CurveTrace::kPeakX}) {
        auto value = reader.readValue();
        if (!value) return false;
        trace.set(slot, *value);
    }
    state.peakXText = trace[CurveTrace::kPeakX];
    if (!readCurSamples(reader, trace, 100.0)) return false;
    state.curveFormat = CurveFormat::Cur;
    state.curveFileFamily = 0;
    return true;
}

bool loadQuernaCur(std::string_view bytes, CurveTrace& trace, LoadState& state) {
    ByteReader reader(bytes);
    auto first = reader.readValue();
    if (!first) return false;
    if (startsWithUpper(*first, "PART ID") && !reader.readValue()) return false;
    auto exponentItems = readValues(reader, 2);
    if (!exponentItems) return false;
    double exponent = LeadingNumber(exponentItems->back());
    state.loadInNewton = exponent == 0;
    trace.set(CurveTrace::kScaleDigits, numberToText(exponent));

    if (!reader.readValue()) return false;
    auto load = reader.readValue();
    if (!load) return false;
    trace.set(CurveTrace::kPeakY, *load);
    if (!readScaledSample(reader, trace, CurveTrace::kPeakX, 1000.0)) return false;
    state.peakXText = trace[CurveTrace::kPeakX];

    if (!readValues(reader, 3)) return false;
    double divisor = state.loadInNewton
        ? 100.0 : powerOfTen(LeadingNumber(trace[CurveTrace::kScaleDigits]) + 1);
    if (!readCurSamples(reader, trace, divisor)) return false;
    state.curveFormat = CurveFormat::QuernaCur;
    state.curveFileFamily = 0;
    return true;
}

bool loadCsv(std::string_view bytes, CurveTrace& trace, LoadState& state) {
    ByteReader reader(bytes);
    auto value = reader.readValue();
    if (!value) return false;
    if (startsWithUpper(*value, "PART ID") && !(value = reader.readValue())) return false;
    if (startsWithUpper(*value, "DATA ID") && !reader.readValue()) return false;
    if (!reader.readValue()) return false;

    auto peakLine = reader.readLine();
    if (!peakLine) return false;
    auto peakField = LDATA(*peakLine, kCsvPeakField);
    trace.set(CurveTrace::kPeakY, numberToText(LeadingNumber(peakField)));
    state.loadInNewton = upperAscii(rightChars(peakField, 2)) != "KN";

    auto positionLine = reader.readLine();
    if (!positionLine) return false;
    auto positionField = LDATA(*positionLine, kCsvPeakField);
    trace.set(CurveTrace::kPeakX, numberToText(LeadingNumber(positionField)));
    if (upperAscii(rightChars(positionField, 3)) == "DEG") state.curveFormat = CurveFormat::CsvDegree;
    else if (upperAscii(rightChars(positionField, 2)) == "MM") state.curveFormat = CurveFormat::CsvMillimetre;

    for (int i = 0; i < 3; ++i)
        if (!reader.readLine()) return false;
    std::vector<std::string> samples;
    while (static_cast<int>(samples.size()) < kCsvMaxSamples) {
        auto line = reader.readLine();
        if (!line) break;
        samples.push_back(LDATA(*line, kCsvPeakField));
    }
    int n = static_cast<int>(samples.size());
    for (int i = 1; i <= n; ++i)
        trace.set(17 + i, samples[static_cast<std::size_t>(n - i)]);
    state.curveFileFamily = 0;
    return true;
}

} // namespace plotwise::comma
